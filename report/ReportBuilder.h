#pragma once

#include "values/ParameterValues.h"
#include "report/ReportModel.h"

#include <QDateTime>
#include <QString>

// Where the values of a report came from.
struct ReportSource {
    enum class Kind { Drive, File };
    Kind kind = Kind::File;
    QString port;        // Drive: "COM1"
    QString device;      // Drive: the device opened for the port, "/dev/ttyS0"
    int replyFormat = 2; // Drive: 0 plain, 1 marked with "=0x", else undetermined
    QString fileName;    // File: the parameter file as named by the user
    QDateTime time;      // when the values were taken; invalid means now
};

ReportSource DriveSource(const QString& port, const QString& device, int replyFormat);
ReportSource FileSource(const QString& fileName);

// The head's source text: "驅動器 COM1 (/dev/ttyS0)，回覆格式 1 (=0x)" or
// "檔案 abc.tarn".
QString SourceText(const ReportSource& source);

// The report of `values` (one value text per slot, in file order). Rows,
// display texts, shown bounds and the range marks are those the grid would
// give after reading these very values, Pn904-bounded rows following the
// Pn904 of `values`. Reads no global record, so any number of reports may
// be built at once. Never fails: a value text that cannot be converted is
// shown as it stands and marked out of range.
ReportModel BuildReport(const ReportSource& source, const ParameterValues& values);
