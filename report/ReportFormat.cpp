#include "report/ReportFormat.h"

#include "core/TarnError.h"
#include "report/ReportCsv.h"
#include "report/ReportHtml.h"
#include "report/ReportPdf.h"

#include "core/WholeFile.h"

std::optional<ReportFormat> ReportFormatOf(const QString& nameOrFilter) {
    // The extension is what follows the last dot, in a file name and in a
    // filter's "(*.pdf)" alike.
    QString extension = nameOrFilter.section(QLatin1Char('.'), -1).toLower();
    extension.remove(QLatin1Char(')'));
    extension = extension.trimmed();
    if (!nameOrFilter.contains(QLatin1Char('.')))
        return std::nullopt;
    if (extension == QLatin1String("pdf"))
        return ReportFormat::Pdf;
    if (extension == QLatin1String("html") || extension == QLatin1String("htm"))
        return ReportFormat::Html;
    if (extension == QLatin1String("csv"))
        return ReportFormat::Csv;
    return std::nullopt;
}

namespace {

QString ExtensionOf(ReportFormat format) {
    switch (format) {
    case ReportFormat::Pdf:
        return QStringLiteral(".pdf");
    case ReportFormat::Html:
        return QStringLiteral(".html");
    case ReportFormat::Csv:
        break;
    }
    return QStringLiteral(".csv");
}

EFileError NoFormatError(const QString& fileName) {
    return EFileError(
        QStringLiteral("Cannot create file %1: not a .pdf, .html or .csv name").arg(fileName));
}

} // namespace

ReportFile ReportFileOf(const QString& chosenName, const QString& chosenFilter) {
    // Only the name's last part: a dot in a folder's name is no extension.
    const QString baseName = chosenName.section(QLatin1Char('/'), -1);
    if (const std::optional<ReportFormat> named = ReportFormatOf(baseName))
        return {chosenName, *named};
    if (const std::optional<ReportFormat> filtered = ReportFormatOf(chosenFilter))
        return {chosenName + ExtensionOf(*filtered), *filtered};
    throw NoFormatError(chosenName);
}

void WriteReport(const ReportModel& model, const QString& fileName, ReportFormat format) {
    switch (format) {
    case ReportFormat::Pdf:
        WriteReportPdf(model, fileName);
        return;
    case ReportFormat::Html:
        WriteReportHtml(model, fileName);
        return;
    case ReportFormat::Csv:
        WriteReportCsv(model, fileName);
        return;
    }
}

void WriteReport(const ReportModel& model, const QString& fileName) {
    const std::optional<ReportFormat> format = ReportFormatOf(fileName);
    if (!format)
        throw NoFormatError(fileName);
    WriteReport(model, fileName, *format);
}

void WriteReportFile(const QString& fileName, const QByteArray& bytes) {
    WriteWholeFile(fileName, bytes);
}
