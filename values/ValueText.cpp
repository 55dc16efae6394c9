#include "values/ValueText.h"

#include "core/TarnError.h"
#include "values/ValueForms.h"

bool ValuesEqual(const QString& a, const QString& b) {
    if (IsHexText(a) && IsHexText(b))
        return (a.toUInt(nullptr, 16) & 0xFFFF) == (b.toUInt(nullptr, 16) & 0xFFFF);
    return a == b;
}

QString DisplayOrRaw(DisplayForm form, const QString& valueText) {
    try {
        return DisplayTextOfValue(form, valueText);
    } catch (const EConvertError&) {
        return valueText;
    }
}
