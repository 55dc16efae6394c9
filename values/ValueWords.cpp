#include "values/ValueWords.h"

#include "catalogue/CatalogueTexts.h"
#include "catalogue/SheetRanges.h"
#include "catalogue/ShownBounds.h"
#include "core/TarnError.h"
#include "values/ValueForms.h"
#include "values/ValueText.h"

#include <QCoreApplication>

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

// What stands for no answer.
QString EmptyMark(Language language) {
    return Translated(language, "ValueWords", QT_TRANSLATE_NOOP("ValueWords", "（空）"));
}

QString OrEmptyMark(quint16 number, const QString& valueText, Language language) {
    return valueText.isEmpty() ? EmptyMark(language) : ValueInWordsWithHex(number, valueText);
}

// "Pn100 KVP1" or "Pn900".
QString NumberAndDescription(quint16 number, Language language) {
    const QString description = DescriptionOf(number, language);
    return description.isEmpty() ? PnName(number) : PnName(number) + QLatin1Char(' ') + description;
}

} // namespace

QString UnitOf(quint16 number) {
    const ParameterRecord* record = RecordOf(number);
    return record ? QString::fromUtf8(record->unit) : QString();
}

QString DescriptionOf(quint16 number, Language language) {
    const ParameterRecord* record = RecordOf(number);
    return record ? DescriptionIn(*record, language) : QString();
}

QString DriftLine(quint16 number, const QString& released, const QString& current,
                  Language language) {
    return WithUnit(
        number,
        Translated(language, "ValueWords", QT_TRANSLATE_NOOP("ValueWords", "%1 發行 %2 → 目前 %3"))
            .arg(NumberAndDescription(number, language), OrEmptyMark(number, released, language),
                 OrEmptyMark(number, current, language)));
}

QString QueryLine(quint16 number, const QString& current, const std::optional<QString>& released,
                  Language language) {
    const QString releasedText =
        released ? OrEmptyMark(number, *released, language) : QStringLiteral("—");
    const QString line =
        Translated(language, "ValueWords", QT_TRANSLATE_NOOP("ValueWords", "%1 發行 %2"))
            .arg(ParameterWordsLine(number, current, language), releasedText);
    return released && *released != current ? line + QStringLiteral(" ≠") : line;
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

QString ValueWithUnit(quint16 number, const QString& valueText, Language language) {
    if (valueText.isEmpty())
        return EmptyMark(language);
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

QString ParameterWordsLine(quint16 number, const QString& valueText, Language language) {
    return WithUnit(number, NumberAndDescription(number, language) + QLatin1Char(' ') +
                                OrEmptyMark(number, valueText, language));
}

QString ChangeLine(quint16 number, const QString& before, const QString& after, ChangeNaming naming,
                   Language language) {
    const QString name = naming == ChangeNaming::NumberOnly
                             ? PnName(number)
                             : NumberAndDescription(number, language);
    return WithUnit(number, QStringLiteral("%1 %2 → %3")
                                .arg(name, OrEmptyMark(number, before, language),
                                     OrEmptyMark(number, after, language)));
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
