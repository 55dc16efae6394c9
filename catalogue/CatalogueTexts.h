#pragma once

#include "catalogue/ParameterRecord.h"
#include "core/Language.h"

#include <QString>

// The catalogue's texts in the language a person reads. The catalogue is
// written in Chinese; in English a description is its gloss and a control
// mode its translation, while units and bounds read the same in both.

// The description of `record`: the Chinese text, or in English its gloss
// (the description itself where there is none: names such as KVP1 read
// the same in both). Empty for a record without a catalogue entry.
QString DescriptionIn(const ParameterRecord& record, Language language);

// The control mode of `record` ("S(立即)"; "S(immediate)" in English).
QString ControlModeIn(const ParameterRecord& record, Language language);
