#pragma once

#include <QString>

// The English rendering of a catalogue description, for readers of a
// report; empty where the description is itself an abbreviation (KVP1) or
// the parameter has no catalogue row. The catalogue rows carry no gloss of
// their own yet, so the report keeps them here, sorted by number.
QString GlossOf(quint16 number);
