#pragma once

#include "report/ReportModel.h"

#include <QByteArray>
#include <QString>
#include <optional>

enum class ReportFormat { Pdf, Html, Csv };

// The format named by a file name's extension ("report.pdf") or by a save
// dialog's filter text ("PDF (*.pdf)"), in any letter case; .htm counts as
// HTML. Empty when neither names one of the three.
std::optional<ReportFormat> ReportFormatOf(const QString& nameOrFilter);

// A report file as chosen in a save dialog: its name and format.
struct ReportFile {
    QString fileName;
    ReportFormat format = ReportFormat::Pdf;
};

// The file of a name and filter chosen together. A name whose extension
// names a format is kept with that format, whatever the filter ("a.csv"
// chosen under PDF is a CSV); any other name gets the filter's extension
// ("a" under PDF is "a.pdf", "a.v2" is "a.v2.pdf"). Throws EFileError
// "Cannot create file <name>: ..." when neither names a format.
ReportFile ReportFileOf(const QString& chosenName, const QString& chosenFilter);

// Writes `model` to `fileName` in `format`. A PDF needs a QGuiApplication
// (see ReportPdf.h); HTML and CSV need none. Throws EFileError "Cannot
// create file <name>" when the file cannot be written; an existing file of
// that name is then left as it was.
void WriteReport(const ReportModel& model, const QString& fileName, ReportFormat format);

// As above, the format taken from the extension of `fileName`. Throws
// EFileError when the extension names no format.
void WriteReport(const ReportModel& model, const QString& fileName);

// Replaces `fileName` by `bytes` as a whole or not at all. Throws EFileError
// "Cannot create file <name>".
void WriteReportFile(const QString& fileName, const QByteArray& bytes);
