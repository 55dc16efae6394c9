#include "ParameterText.h"

#include "ExitCode.h"
#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "core/TarnError.h"

#include <QRegularExpression>
#include <algorithm>

quint16 ParameterArgument(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(?:Pn|P)?(\\d{1,3})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch()) {
        throw UsageError(QStringLiteral("不是參數編號：%1（例如 100 或 Pn100）").arg(text));
    }
    const auto number = static_cast<quint16>(match.captured(1).toUInt());
    if (SlotOf(number) < 0) {
        throw UsageError(QStringLiteral("%1 不是驅動器的參數").arg(PnName(number)));
    }
    return number;
}

std::vector<quint16> ParameterArguments(const QStringList& texts) {
    std::vector<quint16> numbers;
    for (const QString& text : texts) {
        numbers.push_back(ParameterArgument(text));
    }
    return numbers;
}

const ParameterRecord& RecordOfNumber(quint16 number) {
    return *RecordOf(number);
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
