#pragma once

#include "PortList.h"
#include "files/ParameterFile.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class Drive;
class DriveLink;

// What one drive's run leaves for the main thread to print.
struct DriveReport {
    int exitCode = 0;
    QStringList out;    // result lines, without the port prefix
    QStringList errors; // messages, without the port prefix
    QJsonObject json;   // the drive's facts for --json, beside port and errors

    // Adds a message and raises the exit code to `code` if it is higher.
    void Fail(int code, const QString& message);
};

// One drive and its way of telling progress, on the drive's thread.
class DriveSession {
public:
    DriveSession(const DrivePort& port, size_t index, Drive& drive,
                 std::function<void(QString)> progress)
        : port_(port), index_(index), drive_(drive), progress_(std::move(progress)) {}

    const DrivePort& Port() const { return port_; }
    // The port's place in the command line's list, from 0.
    size_t Index() const { return index_; }
    Drive& TheDrive() { return drive_; }
    DriveLink& Link();
    // Shows "<port> <what>" in the progress line; `what` is short
    // ("讀取 Pn3xx 40%").
    void Progress(const QString& what) const { progress_(what); }
    // True once Ctrl-C asked the run to stop: checked between exchanges.
    bool StopRequested() const;

private:
    const DrivePort& port_;
    size_t index_;
    Drive& drive_;
    std::function<void(QString)> progress_;
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

// One drive's part of a command. Runs on the drive's own thread after its
// port has been opened and the drive greeted; errors of the core it
// throws (TarnError) end only this drive's run, with their exit code.
using DriveJob = std::function<void(DriveSession& session, DriveReport& report)>;

// From now on every exchange with every drive of this run, the greeting
// included, is appended to the trace file `path` (--trace). Throws
// EFileError when the file cannot be opened for appending.
void TraceRunTo(const QString& path);

// Runs `job` for every port at once, each on a thread of its own with its
// own port and link, and returns the reports in port order. A port that
// cannot be opened or a drive that does not answer the greeting fails its
// own report (exit code 3) and no other. With `atOnce` above 0 at most that
// many run at the same time, the next starting as one ends.
std::vector<DriveReport> RunOnDrives(const std::vector<DrivePort>& ports, const DriveJob& job,
                                     size_t atOnce = 0);

// Prints the reports in port order: results to standard output, messages to
// standard error, each line led by "<port>: " when there is more than one
// drive (messages always name the port). Returns the highest exit code.
int PrintReports(const std::vector<DrivePort>& ports, const std::vector<DriveReport>& reports);

// The same facts as one JSON document on standard output:
// {"drives": [{"port", "device", "exitCode", "errors", ...json}]}, in port
// order; messages still go to standard error. Returns the highest exit code.
int PrintReportsAsJson(const std::vector<DrivePort>& ports, const std::vector<DriveReport>& reports);

// The progress text of a run over sheets: "讀取 Pn3xx 40%" while sheet
// Pn3xx is next, given the percentage reported after the last sheet done.
QString SheetProgress(const QString& verb, int percent);
