#include "report/ReportRows.h"

#include "catalogue/CatalogueTexts.h"
#include "catalogue/ParameterRecord.h"
#include "core/TarnError.h"
#include "editing/EditRules.h"
#include "values/ValueWords.h"

namespace {

// The minimum and maximum columns. A bound that follows a Pn904 without a
// value has nothing to stand for, so it reads as the catalogue writes it
// ("Pn904", "-Pn904").
BoundTexts ReportBounds(const ParameterRecord& record, const QString& pn904Text) {
    try {
        return BoundTextsOf(record, pn904Text);
    } catch (const EConvertError&) {
        return {QString::fromUtf8(record.min.text), QString::fromUtf8(record.max.text)};
    }
}

void Resolve(const ParameterRecord& record, const QString& pn904Text, Language language,
             ReportRow& row) {
    const BoundTexts bounds = ReportBounds(record, pn904Text);
    row.minText = bounds.minimum;
    row.maxText = bounds.maximum;
    row.noValue = row.valueText.isEmpty() || row.valueText == QLatin1String("None");
    if (row.noValue) {
        row.display = ReportWords(language, report_text::kNoValue);
        return;
    }
    row.display = ValueInWords(record.number, row.valueText);
    const ValueStanding standing = StandingOf(record, row.valueText, pn904Text);
    if (standing == ValueStanding::Unjudged && record.HasRule())
        return; // a bound follows a Pn904 without a value: none to judge against
    row.outOfRange = standing == ValueStanding::Outside;
    row.inRange = row.outOfRange ? QStringLiteral("no") : QStringLiteral("yes");
}

} // namespace

std::optional<GridRow> GridRowOf(quint16 number, const QString& valueText, const QString& pn904Text,
                                 Language language) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || record->row < 1)
        return std::nullopt;
    GridRow grid;
    grid.sheet = record->sheet;
    grid.row = record->row;
    ReportRow& row = grid.texts;
    row.number = PnName(number);
    row.description = DescriptionIn(*record, language);
    if (language == Language::Chinese)
        row.gloss = QString::fromUtf8(record->gloss);
    row.controlMode = ControlModeIn(*record, language);
    row.unit = QString::fromUtf8(record->unit);
    row.valueText = valueText;
    Resolve(*record, pn904Text, language, row);
    return grid;
}
