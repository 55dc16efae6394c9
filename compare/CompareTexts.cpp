#include "compare/CompareTexts.h"

#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "core/TarnError.h"
#include "editing/EditRules.h"
#include "values/ValueText.h"

namespace {

// The forms whose display leaves out the first digit (or two), so two
// different value texts can show alike.
bool HidesDigits(DisplayForm form) {
    return form == DisplayForm::ThreeDigitGroup || form == DisplayForm::TwoDigitGroup ||
           form == DisplayForm::SignalSelect;
}

} // namespace

QString ValueCellText(quint16 number, const QString& valueText) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || !record->HasRule() || !IsHexText(valueText))
        return valueText;
    const QString shown = DisplayOrRaw(record->form, valueText);
    if (!HidesDigits(record->form))
        return shown;
    return shown + QStringLiteral(" (") + valueText + QLatin1Char(')');
}

QString RangeText(quint16 number, const QString& pn904Text) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || !record->HasRule())
        return QString();
    try {
        return ShownMinimumOf(*record, pn904Text) + QStringLiteral(" ~ ") +
               ShownMaximumOf(*record, pn904Text);
    } catch (const EConvertError&) {
        return QString();
    }
}

QString RowStateText(RowState state) {
    switch (state) {
    case RowState::OutOfRange:
        return QStringLiteral("超出範圍");
    case RowState::NotWritten:
        return QStringLiteral("不寫入");
    case RowState::Writable:
        break;
    }
    return QString();
}

QString ValueWithUnit(quint16 number, const QString& valueText) {
    if (valueText.isEmpty())
        return QStringLiteral("（空）");
    const ParameterRecord* record = RecordOf(number);
    const QString unit = record == nullptr ? QString() : QString::fromUtf8(record->unit);
    const QString shown = ValueCellText(number, valueText);
    return unit.isEmpty() ? shown : shown + QLatin1Char(' ') + unit;
}

QString ReadBackMismatchText(quint16 number, const QString& written, const QString& readBack) {
    return QStringLiteral("%1 讀回 %2，應為 %3")
        .arg(PnName(number), ValueWithUnit(number, readBack), ValueWithUnit(number, written));
}
