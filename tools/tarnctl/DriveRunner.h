#pragma once

#include "PortList.h"
#include "drive/DriveGroup.h"
#include "files/ParameterFile.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What one drive's run leaves for the main thread to print.
struct DriveReport {
    int exitCode = 0;
    QStringList out;    // result lines, without the port prefix
    QStringList errors; // messages, without the port prefix
    QJsonObject json;   // the drive's facts for --json, beside port and errors

    // Adds a message and raises the exit code to `code` if it is higher.
    void Fail(int code, const QString& message);
};

// Thrown in a drive's run that Ctrl-C stopped; the run ends with exit
// code 130 and `message`.
struct RunInterrupted {
    QString message;
};

// All 309 value texts of the session's drive in file order, progress shown
// per sheet. Throws RunInterrupted with `message` at the next parameter
// once Ctrl-C is pressed.
ParameterValues ReadWholeDrive(DriveSession& session, const QString& message);

// ReadWholeDrive for a file or a report of the values: when not one
// parameter gave a value (NothingAnswered) the report fails with
// NothingAnsweredMessage and nothing is given, since such a file could
// replace a good one.
std::optional<ParameterValues> ReadWholeDriveForSave(DriveSession& session, const QString& message,
                                                     DriveReport& report);

// One drive's part of a command. Runs on the drive's own thread after its
// port has been opened and the drive greeted; errors of the core it
// throws (TarnError) end only this drive's run, with their exit code.
using ReportingJob = std::function<void(DriveSession& session, DriveReport& report)>;

// Runs `job` for every port at once (RunOnDriveGroup: Ctrl-C asks them to
// stop, progress on the terminal's line) and returns the reports in port
// order. A port that cannot be opened or a drive that does not answer the
// greeting fails its own report (exit code 3) and no other.
std::vector<DriveReport> RunOnDrives(const std::vector<DrivePort>& ports, const ReportingJob& job,
                                     size_t atOnce = 0);

// Prints the reports in port order: results to standard output, messages to
// standard error, each line led by "<port>: " when there is more than one
// drive (messages always name the port). Returns the highest exit code.
int PrintReports(const std::vector<DrivePort>& ports, const std::vector<DriveReport>& reports);

// The same facts as one JSON document on standard output:
// {"drives": [{"port", "device", "exitCode", "errors", ...json}]}, in port
// order; messages still go to standard error. Returns the highest exit code.
int PrintReportsAsJson(const std::vector<DrivePort>& ports,
                       const std::vector<DriveReport>& reports);

// The progress text of a run over sheets: "讀取 Pn3xx 40%" while sheet
// Pn3xx is next, given the percentage reported after the last sheet done.
QString SheetProgress(const QString& verb, int percent);
