#pragma once

#include "catalogue/ParameterRecord.h"

#include <QString>

// True when a report would mark this value `!` (outside its range): a value
// text that the display cannot convert, or one whose display text, typed
// back, the edit would refuse. Nothing is judged for a record without a
// rule, a text that is no value ("None", empty), or a record whose bounds
// follow Pn904 when `pn904Text` is not hexadecimal. Never throws.
bool ValueOutsideRule(const ParameterRecord& record, const QString& valueText,
                      const QString& pn904Text);
