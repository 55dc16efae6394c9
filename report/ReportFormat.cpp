#include "report/ReportFormat.h"

#include "core/TarnError.h"
#include "core/WholeFile.h"
#include "report/ReportCsv.h"
#include "report/ReportHtml.h"
#include "report/ReportPdf.h"

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

QByteArray ReportBytes(const ReportModel& model, ReportFormat format) {
    switch (format) {
    case ReportFormat::Pdf:
        return ReportPdfBytes(model);
    case ReportFormat::Html:
        return ReportHtml(model).toUtf8();
    case ReportFormat::Csv:
        break;
    }
    return ReportCsvBytes(model);
}

void WriteReport(const ReportModel& model, const QString& fileName, ReportFormat format) {
    WriteWholeFile(fileName, ReportBytes(model, format));
}

void WriteReport(const ReportModel& model, const QString& fileName) {
    const std::optional<ReportFormat> format = ReportFormatOf(fileName);
    if (!format)
        throw NoFormatError(fileName);
    WriteReport(model, fileName, *format);
}
