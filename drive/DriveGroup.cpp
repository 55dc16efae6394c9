#include "DriveRunner.h"

#include "ExitCode.h"
#include "Interrupt.h"
#include "Output.h"
#include "drive/Drive.h"
#include "link/AddressedDevice.h"
#include "link/DriveLink.h"
#include "link/DriveProtocol.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QThread>
#include <algorithm>

namespace {

// The run's trace (--trace), shared by the drives' threads.
std::unique_ptr<TraceFile> runTrace;

void OpenPort(DriveLink& link, const DrivePort& port) {
    TMSComm& comm = link.Comm();
    if (port.com != 0) {
        comm.SetCommPort(port.com);
    } else {
        comm.SetDevicePath(port.device);
    }
    comm.SetPortOpen(true);
    comm.SetInputMode(0);
    comm.SetInputLen(0);
}

// The whole of one drive's run, on its own thread: nothing thrown leaves it.
void RunOne(const DrivePort& port, size_t index, const DriveJob& job, DriveReport& report,
            const std::function<void(QString)>& progress) {
    try {
        // Made here, so the port and the waits belong to this thread.
        Drive drive(std::make_unique<DriveLink>(std::make_unique<AddressedDevice>(), port.link));
        if (runTrace) {
            drive.Link().SetExchangeObserver(
                [](const ExchangeRecord& record) { runTrace->Append(record); });
        }
        OpenPort(drive.Link(), port);
        const quint8 format = drive.Greet();
        if (format != kFormatPlain && format != kFormatMarked) {
            report.Fail(kExitDrive, QStringLiteral("驅動器沒有回應"));
            return;
        }
        DriveSession session(port, index, drive, progress);
        job(session, report);
    } catch (const RunInterrupted& interrupted) {
        report.Fail(kExitInterrupted, interrupted.message);
    } catch (const TarnError& error) {
        // A port whose opening Ctrl-C cut short did not fail: it was stopped.
        report.Fail(InterruptRequested() ? int(kExitInterrupted) : ExitCodeOf(error), error.Text());
    } catch (const std::exception& error) {
        report.Fail(kExitDrive, QString::fromLocal8Bit(error.what()));
    }
}

int HighestExitCode(const std::vector<DriveReport>& reports) {
    int code = kExitSuccess;
    for (const DriveReport& report : reports) {
        code = std::max(code, report.exitCode);
    }
    return code;
}

void PrintErrors(const std::vector<DrivePort>& ports, const std::vector<DriveReport>& reports) {
    for (size_t i = 0; i < reports.size(); ++i) {
        for (const QString& message : reports[i].errors) {
            PrintErr(ports[i].Label() + QStringLiteral(": ") + message);
        }
    }
}

} // namespace

void TraceRunTo(const QString& path) {
    runTrace = std::make_unique<TraceFile>(path);
}

void DriveReport::Fail(int code, const QString& message) {
    exitCode = std::max(exitCode, code);
    errors << message;
}

DriveLink& DriveSession::Link() {
    return drive_.Link();
}

bool DriveSession::StopRequested() const {
    return InterruptRequested();
}

ParameterValues ReadWholeDrive(DriveSession& session, const QString& message) {
    return session.TheDrive().ReadAll(
        [&](int percent) { session.Progress(SheetProgress(QStringLiteral("讀取"), percent)); },
        [&](quint16, const QString&) {
            if (session.StopRequested()) {
                throw RunInterrupted{message};
            }
        });
}

std::vector<DriveReport> RunOnDrives(const std::vector<DrivePort>& ports, const DriveJob& job,
                                     size_t atOnce) {
    std::vector<DriveReport> reports(ports.size());
    std::vector<QString> progress(ports.size());
    std::vector<std::unique_ptr<QThread>> threads;
    QEventLoop loop;
    size_t running = ports.size();
    size_t started = 0;
    const size_t limit = atOnce == 0 ? ports.size() : std::min(atOnce, ports.size());

    const auto redraw = [&] {
        QStringList parts;
        for (size_t i = 0; i < ports.size(); ++i) {
            if (!progress[i].isEmpty()) {
                parts << ports[i].Label() + QLatin1Char(' ') + progress[i];
            }
        }
        ShowProgressLine(parts.join(QStringLiteral("  ")));
    };
    for (size_t i = 0; i < ports.size(); ++i) {
        // Progress goes to the main thread, which alone writes the terminal.
        std::function<void(QString)> post = [&, i](QString text) {
            if (!ProgressShown()) {
                return;
            }
            QMetaObject::invokeMethod(
                &loop,
                [&, i, text] {
                    progress[i] = text;
                    redraw();
                },
                Qt::QueuedConnection);
        };
        threads.emplace_back(
            QThread::create([&, i, post] { RunOne(ports[i], i, job, reports[i], post); }));
        QObject::connect(threads.back().get(), &QThread::finished, &loop, [&] {
            if (started < threads.size()) {
                threads[started++]->start();
            }
            if (--running == 0) {
                loop.quit();
            }
        });
    }
    while (started < limit) {
        threads[started++]->start();
    }
    if (!threads.empty()) {
        loop.exec();
    }
    for (const auto& thread : threads) {
        thread->wait();
    }
    ClearProgressLine();
    return reports;
}

int PrintReports(const std::vector<DrivePort>& ports, const std::vector<DriveReport>& reports) {
    const bool prefix = ports.size() > 1;
    for (size_t i = 0; i < reports.size(); ++i) {
        for (const QString& line : reports[i].out) {
            PrintOut(prefix ? ports[i].Label() + QStringLiteral(": ") + line : line);
        }
    }
    PrintErrors(ports, reports);
    return HighestExitCode(reports);
}

int PrintReportsAsJson(const std::vector<DrivePort>& ports,
                       const std::vector<DriveReport>& reports) {
    QJsonArray drives;
    for (size_t i = 0; i < reports.size(); ++i) {
        QJsonObject drive = reports[i].json;
        drive.insert(QStringLiteral("port"), ports[i].Label());
        drive.insert(QStringLiteral("device"), ports[i].device);
        drive.insert(QStringLiteral("exitCode"), reports[i].exitCode);
        drive.insert(QStringLiteral("errors"), QJsonArray::fromStringList(reports[i].errors));
        drives << drive;
    }
    PrintJson(QJsonDocument(QJsonObject{{QStringLiteral("drives"), drives}}));
    PrintErrors(ports, reports);
    return HighestExitCode(reports);
}

QString SheetProgress(const QString& verb, int percent) {
    for (const SheetRange& range : kSheetRanges) {
        if (ProgressAfterSheet(range.sheetIndex) > percent) {
            return QStringLiteral("%1 Pn%2xx %3%").arg(verb).arg(range.sheetIndex).arg(percent);
        }
    }
    return QStringLiteral("%1 %2%").arg(verb).arg(percent);
}
