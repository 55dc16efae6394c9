#include "report/ReportFormat.h"

#include "core/TarnError.h"
#include "report/ReportCsv.h"
#include "report/ReportHtml.h"
#include "report/ReportPdf.h"

#include <QSaveFile>

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

QString ReportFilters() {
    return QStringLiteral("PDF (*.pdf);;HTML (*.html);;CSV (*.csv)");
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
        throw EFileError(
            QStringLiteral("Cannot create file %1: not a .pdf, .html or .csv name").arg(fileName));
    WriteReport(model, fileName, *format);
}

void WriteReportFile(const QString& fileName, const QByteArray& bytes) {
    // As the parameter file: written beside the target and renamed only on
    // commit; unbuffered so that a short write shows in write()'s count.
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        throw EFileError(QStringLiteral("Cannot create file %1").arg(fileName));
}
