#pragma once

#include "link/DrivePort.h"

#include <QString>
#include <exception>
#include <functional>
#include <vector>

class Drive;

// One drive of a group run and its way of telling progress, on the drive's
// own thread.
class DriveSession {
public:
    DriveSession(const DrivePort& port, size_t index, Drive& drive,
                 std::function<void(QString)> progress, std::function<bool()> stop)
        : port_(port), index_(index), drive_(drive), progress_(std::move(progress)),
          stop_(std::move(stop)) {}

    const DrivePort& Port() const { return port_; }
    // The port's place in the group's list, from 0.
    size_t Index() const { return index_; }
    Drive& TheDrive() { return drive_; }
    // Shows "<port> <what>" in the group's progress line; `what` is short
    // ("讀取 Pn3xx 40%").
    void Progress(const QString& what) const { progress_(what); }
    // True once the group was asked to stop: checked between exchanges.
    bool StopRequested() const { return stop_ && stop_(); }

private:
    const DrivePort& port_;
    size_t index_;
    Drive& drive_;
    std::function<void(QString)> progress_;
    std::function<bool()> stop_;
};

// One drive's part of a group run. Runs on the drive's own thread after its
// port has been opened and the drive greeted.
using DriveJob = std::function<void(DriveSession& session)>;

// What a group run asks of the program around it.
struct GroupHooks {
    // Asked from any thread between exchanges: true asks every drive to stop.
    std::function<bool()> stopRequested;
    // Given the whole progress line ("COM1 讀取 Pn3xx 40%  COM2 …"), on the
    // calling thread; empty shows none. Given an empty line once all ended.
    std::function<void(const QString& line)> showProgress;
    // Told, on the drive's thread, what ended a drive's run early: a port
    // that cannot be opened, a drive that does not answer the greeting
    // (ECommError "驅動器沒有回應"), or whatever the job threw.
    std::function<void(size_t index, std::exception_ptr failure)> failed;
};

// From now on every exchange with every drive of a group run, the greeting
// included, is appended to the trace file `path`. Throws EFileError when
// the file cannot be opened for appending.
void TraceRunTo(const QString& path);

// Runs `job` for every port at once, each on a thread of its own with its
// own drive (Drive::Open with the port's link settings); returns when all
// have ended. A port that cannot be opened or a drive that does not answer
// ends its own run and no other. With `atOnce` above 0 at most that many
// run at the same time, the next starting as one ends.
void RunOnDriveGroup(const std::vector<DrivePort>& ports, const DriveJob& job,
                     const GroupHooks& hooks, size_t atOnce = 0);
