#pragma once

// tarnctl run as a real process by a test, the way a script runs it.
#include "support/DriveSim.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QThread>
#include <csignal>
#include <functional>
#include <memory>

struct TarnctlResult {
    int code = -1; // -1: did not finish in time or crashed
    QString out;
    QString err;

    QStringList OutLines() const { return out.split('\n', Qt::SkipEmptyParts); }
    QStringList ErrLines() const { return err.split('\n', Qt::SkipEmptyParts); }
};

// One tarnctl process (found through TARNCTL), started at construction.
class Tarnctl {
public:
    explicit Tarnctl(const QStringList& arguments, const QProcessEnvironment& environment =
                                                       QProcessEnvironment::systemEnvironment()) {
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.setProcessEnvironment(environment);
        process_.start(qEnvironmentVariable("TARNCTL"), arguments);
        process_.waitForStarted(5000);
    }
    ~Tarnctl() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    Tarnctl(const Tarnctl&) = delete;
    Tarnctl& operator=(const Tarnctl&) = delete;

    // Presses Ctrl-C, as a shell does: SIGINT to the process.
    void Interrupt() { ::kill(pid_t(process_.processId()), SIGINT); }

    TarnctlResult Wait(int timeoutMs = 90000) {
        TarnctlResult result;
        if (process_.waitForFinished(timeoutMs) && process_.exitStatus() == QProcess::NormalExit) {
            result.code = process_.exitCode();
        }
        result.out = QString::fromUtf8(process_.readAllStandardOutput());
        result.err = QString::fromUtf8(process_.readAllStandardError());
        return result;
    }

private:
    QProcess process_;
};

inline TarnctlResult RunTarnctl(const QStringList& arguments) {
    return Tarnctl(arguments).Wait();
}

// tarnctl run with the environment variable `name` set to `value` (or
// taken away when `value` is null).
inline TarnctlResult RunTarnctlWith(const QString& name, const QString& value,
                                    const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(name);
    if (!value.isNull()) {
        environment.insert(name, value);
    }
    return Tarnctl(arguments, environment).Wait();
}

// A virtual drive with `options`, started; null (the reason warned) when
// it does not come up.
inline std::unique_ptr<DriveSim> StartDrive(const QStringList& options) {
    auto sim = std::make_unique<DriveSim>(options);
    if (!sim->Start()) {
        qWarning("%s", qPrintable(sim->Error()));
        return nullptr;
    }
    return sim;
}

// Waits until `condition` holds, up to `timeoutMs`; false when it never did.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}
