#include "editing/OutsideRule.h"

#include "core/TarnError.h"
#include "editing/EditRules.h"
#include "values/ValueForms.h"
#include "values/ValueText.h"

bool ValueOutsideRule(const ParameterRecord& record, const QString& valueText,
                      const QString& pn904Text) {
    if (!record.HasRule() || valueText.isEmpty() || valueText == QLatin1String("None"))
        return false;
    try {
        DisplayTextOfValue(record.form, valueText);
    } catch (const EConvertError&) {
        return true;
    }
    if (record.FollowsPn904() && !IsHexText(pn904Text))
        return false;
    return !PassesEditRule(record, valueText, pn904Text);
}
