#pragma once

#include "report/ReportModel.h"
#include "values/ParameterValues.h"

#include <QDateTime>
#include <QString>
#include <optional>

// Where the values of a report came from.
struct ReportSource {
    enum class Kind { Drive, File };
    Kind kind = Kind::File;
    QString port;        // Drive: "COM1"
    QString device;      // Drive: the device opened for the port, "/dev/ttyS0"
    int replyFormat = 2; // Drive: 0 plain, 1 marked with "=0x", else undetermined
    QString fileName;    // File: the parameter file as named by the user
    QDateTime fileModified; // File: its modification time; invalid when unknown
    QString fileSha256;     // File: of its bytes, lower-case hex; empty when unknown
    QDateTime time;      // when the values were taken; invalid means now
};

ReportSource DriveSource(const QString& port, const QString& device, int replyFormat);
// The source of a parameter file, with the file's modification time and
// SHA-256 when it can be read (left empty when it cannot).
ReportSource FileSource(const QString& fileName);

// What is filled in when a machine is handed over; any may be empty. The
// note may hold several lines.
struct ReportHandover {
    QString machine;
    QString axis;
    QString customer;
    QString technician;
    QString note;
};

// The agreed settings a report is compared against.
struct ReportReference {
    QString fileName; // as named by the user
    QString sha256;
    ParameterValues values;
};

// The reference file `fileName`, through the whole-file check of a load.
// Throws EFileError as ReadParameterFile does.
ReportReference ReadReference(const QString& fileName);

// A moment with its offset from UTC: "2026-12-09 19:14:03 +08:00".
QString IsoTime(const QDateTime& time);

// The head's source text: "驅動器 COM1 (/dev/ttyS0)，回覆格式 1 (=0x)" or
// "檔案 abc.tarn" ("Drive COM1 (/dev/ttyS0), reply format 1 (=0x)", "File
// abc.tarn" in English).
QString SourceText(const ReportSource& source, Language language = Language::Chinese);

// The report of `values` (one value text per slot, in file order). Rows,
// display texts, shown bounds and the range marks are those the grid would
// give after reading these very values, Pn904-bounded rows following the
// Pn904 of `values`. Reads no global record, so any number of reports may
// be built at once. Never fails: a value text that cannot be converted is
// shown as it stands and marked out of range.
//
// With a `reference`, every parameter whose value text differs from the
// reference's (ValuesEqual) is marked and listed, both values in display
// form; the reference's display follows the same Pn904 bounds.
//
// Every text is in `language`: head, labels, descriptions (in English the
// catalogue's gloss), control modes, the mark of no value. Values, units
// and bounds read the same in both; the handover fields as typed.
ReportModel BuildReport(const ReportSource& source, const ParameterValues& values,
                        const ReportHandover& handover = {},
                        const std::optional<ReportReference>& reference = std::nullopt,
                        Language language = Language::Chinese);
