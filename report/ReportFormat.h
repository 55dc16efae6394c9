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

// The bytes of `model` in `format`, from the writer of that format (the
// HTML page as UTF-8). A PDF needs a QGuiApplication (see ReportPdf.h);
// HTML and CSV need none.
QByteArray ReportBytes(const ReportModel& model, ReportFormat format);

// Writes ReportBytes to `fileName`, the one place a report file is written.
// Throws EFileError "Cannot create file <name>" when the file cannot be
// written; an existing file of that name is then left as it was.
void WriteReport(const ReportModel& model, const QString& fileName, ReportFormat format);

// As above, the format taken from the extension of `fileName`. Throws
// EFileError when the extension names no format.
void WriteReport(const ReportModel& model, const QString& fileName);
