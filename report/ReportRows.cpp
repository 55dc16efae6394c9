#include "report/ReportRows.h"

#include "catalogue/ParameterRecord.h"
#include "catalogue/ShownBounds.h"
#include "core/TarnError.h"
#include "editing/OutsideRule.h"
#include "values/ValueForms.h"

namespace {

// Pn904's word, or empty when its value text is not hexadecimal.
std::optional<quint16> Pn904Word(const QString& pn904Text) {
    try {
        return Pn904WordOf(pn904Text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// A bound that follows a Pn904 without a value has nothing to stand for, so
// it reads as the catalogue writes it ("Pn904", "-Pn904").
QString ShownSide(const ParameterBound& bound, quint16 word, bool pn904Known) {
    if (bound.FollowsPn904() && !pn904Known)
        return QString::fromUtf8(bound.text);
    return ShownBoundText(bound, word);
}

void Resolve(const ParameterRecord& record, const QString& pn904Text, ReportRow& row) {
    const std::optional<quint16> pn904 = Pn904Word(pn904Text);
    const Pn904Words words = pn904 ? Pn904WordsOf(record, *pn904) : Pn904Words{};
    row.minText = ShownSide(record.min, words.lower, pn904.has_value());
    row.maxText = ShownSide(record.max, words.upper, pn904.has_value());
    row.noValue = row.valueText.isEmpty() || row.valueText == QLatin1String("None");
    if (row.noValue) {
        row.display = report_text::kNoValue;
        return;
    }
    try {
        row.display = DisplayTextOfValue(record.form, row.valueText);
    } catch (const EConvertError&) {
        // Not a value the drive or a file should give: shown as it stands,
        // and within no rule.
        row.display = row.valueText;
        row.outOfRange = true;
        row.inRange = QStringLiteral("no");
        return;
    }
    if (record.FollowsPn904() && !pn904)
        return; // no bound to judge against
    row.outOfRange = ValueOutsideRule(record, row.valueText, pn904Text);
    row.inRange = row.outOfRange ? QStringLiteral("no") : QStringLiteral("yes");
}

} // namespace

std::optional<GridRow> GridRowOf(quint16 number, const QString& valueText,
                                 const QString& pn904Text) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || record->row < 1)
        return std::nullopt;
    GridRow grid;
    grid.sheet = record->sheet;
    grid.row = record->row;
    ReportRow& row = grid.texts;
    row.number = PnName(number);
    row.description = QString::fromUtf8(record->description);
    row.gloss = QString::fromUtf8(record->gloss);
    row.controlMode = QString::fromUtf8(record->controlMode);
    row.unit = QString::fromUtf8(record->unit);
    row.valueText = valueText;
    Resolve(*record, pn904Text, row);
    return grid;
}
