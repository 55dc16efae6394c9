#include "report/ReportCsv.h"

#include "report/ReportFormat.h"

#include <QStringList>
#include <algorithm>

namespace {

QString Field(const QString& text) {
    static const QString kSpecial = QStringLiteral(",\"\r\n");
    const bool quoted =
        std::any_of(text.begin(), text.end(), [](QChar c) { return kSpecial.contains(c); });
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString Line(const QStringList& fields) {
    QStringList out;
    for (const QString& f : fields)
        out << Field(f);
    return out.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

} // namespace

QByteArray ReportCsvBytes(const ReportModel& model) {
    QStringList header{"number", "description", "gloss", "control_mode", "value_text", "display",
                       "unit",   "min",         "max",   "in_range"};
    if (model.hasReference)
        header << "reference_value_text" << "differs";
    QString text = Line(header);
    for (const ReportRow& r : model.entries) {
        QStringList fields{r.number, r.description, r.gloss,   r.controlMode, r.valueText,
                           r.display, r.unit,       r.minText, r.maxText,     r.inRange};
        if (model.hasReference)
            fields << r.referenceValueText << (r.differs ? "yes" : "no");
        text += Line(fields);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

void WriteReportCsv(const ReportModel& model, const QString& fileName) {
    WriteReportFile(fileName, ReportCsvBytes(model));
}
