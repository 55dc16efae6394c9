#include "values/ValueWords.h"

#include "catalogue/SheetRanges.h"
#include "catalogue/ShownBounds.h"
#include "core/TarnError.h"
#include "values/ValueForms.h"
#include "values/ValueText.h"

namespace {

// The forms whose display leaves out the first digit (or two), so two
// different value texts can show alike.
bool HidesDigits(DisplayForm form) {
    return form == DisplayForm::ThreeDigitGroup || form == DisplayForm::TwoDigitGroup ||
           form == DisplayForm::SignalSelect;
}

QString WithUnit(quint16 number, const QString& text) {
    const QString unit = UnitOf(number);
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

// "Pn100 KVP1" or "Pn900".
QString NumberAndDescription(quint16 number) {
    const QString description = DescriptionOf(number);
    return description.isEmpty() ? PnName(number) : PnName(number) + QLatin1Char(' ') + description;
}

} // namespace

QString ValueInWordsOrEmpty(quint16 number, const QString& valueText) {
    return valueText.isEmpty() ? QStringLiteral("（空）") : ValueInWordsWithHex(number, valueText);
}

QString UnitOf(quint16 number) {
    const ParameterRecord* record = RecordOf(number);
    return record ? QString::fromUtf8(record->unit) : QString();
}

QString DescriptionOf(quint16 number) {
    const ParameterRecord* record = RecordOf(number);
    return record ? QString::fromUtf8(record->description) : QString();
}

QString DriftLine(quint16 number, const QString& released, const QString& current) {
    return WithUnit(number,
                    QStringLiteral("%1 發行 %2 → 目前 %3")
                        .arg(NumberAndDescription(number), ValueInWordsOrEmpty(number, released),
                             ValueInWordsOrEmpty(number, current)));
}

QString QueryLine(quint16 number, const QString& current, const std::optional<QString>& released) {
    QString line = ParameterWordsLine(number, current) + QStringLiteral(" 發行 ");
    if (!released) {
        return line + QStringLiteral("—");
    }
    line += ValueInWordsOrEmpty(number, *released);
    return *released == current ? line : line + QStringLiteral(" ≠");
}

QString ValueInWords(quint16 number, const QString& valueText) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || !IsHexText(valueText))
        return valueText;
    return DisplayOrRaw(record->form, valueText);
}

QString ValueInWordsWithHex(quint16 number, const QString& valueText) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || !record->HasRule() || !IsHexText(valueText))
        return valueText;
    const QString shown = ValueInWords(number, valueText);
    if (!HidesDigits(record->form))
        return shown;
    return shown + QStringLiteral(" (") + valueText + QLatin1Char(')');
}

QString ValueWithUnit(quint16 number, const QString& valueText) {
    if (valueText.isEmpty())
        return QStringLiteral("（空）");
    return WithUnit(number, ValueInWordsWithHex(number, valueText));
}

BoundTexts BoundTextsOf(const ParameterRecord& record, const Pn904Words& words) {
    return {ShownBoundText(record.min, words.lower), ShownBoundText(record.max, words.upper)};
}

BoundTexts BoundTextsOf(const ParameterRecord& record, const QString& pn904Text) {
    return BoundTextsOf(record, Pn904WordsFromText(record, pn904Text));
}

QString RangeText(quint16 number, const QString& pn904Text) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || !record->HasRule())
        return QString();
    try {
        const BoundTexts bounds = BoundTextsOf(*record, pn904Text);
        return bounds.minimum + QStringLiteral(" ~ ") + bounds.maximum;
    } catch (const EConvertError&) {
        return QString();
    }
}

QString ParameterLine(quint16 number, const QString& valueText) {
    return WithUnit(
        number,
        QStringLiteral("%1 %2 %3").arg(PnName(number), valueText, ValueInWords(number, valueText)));
}

QString ParameterWordsLine(quint16 number, const QString& valueText) {
    return WithUnit(number, NumberAndDescription(number) + QLatin1Char(' ') +
                                ValueInWordsOrEmpty(number, valueText));
}

QString ChangeLine(quint16 number, const QString& before, const QString& after,
                   ChangeNaming naming) {
    const QString name =
        naming == ChangeNaming::NumberOnly ? PnName(number) : NumberAndDescription(number);
    return WithUnit(number, QStringLiteral("%1 %2 → %3")
                                .arg(name, ValueInWordsOrEmpty(number, before),
                                     ValueInWordsOrEmpty(number, after)));
}

QJsonObject ParameterJson(const ParameterRecord& record, const QString& valueText,
                          const QString& pn904Text) {
    QJsonObject json{{"number", record.number},
                     {"name", PnName(record.number)},
                     {"value", valueText},
                     {"display", ValueInWords(record.number, valueText)},
                     {"unit", QString::fromUtf8(record.unit)}};
    if (record.HasRule()) {
        try {
            const BoundTexts bounds = BoundTextsOf(record, pn904Text);
            json.insert("min", bounds.minimum);
            json.insert("max", bounds.maximum);
        } catch (const EConvertError&) {
            // Pn904 gave no value: its bounds cannot be shown.
        }
    }
    return json;
}
