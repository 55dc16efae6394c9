#pragma once

#include "catalogue/ParameterRecord.h"

#include <QString>

// The text a bound shows in the minimum or maximum column. A bound that
// follows Pn904 shows the number `word` stands for (LimitOf): signed or
// unsigned as the bound reads it. Every other bound shows the catalogue's
// text as it stands; a record without a rule shows nothing.
QString ShownBoundText(const ParameterBound& bound, quint16 word);
