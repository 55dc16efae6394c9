#include "drive/DriveGroup.h"

#include "core/TarnError.h"
#include "drive/Drive.h"
#include "link/AddressedDevice.h"
#include "link/DriveLink.h"
#include "link/DriveProtocol.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <memory>

namespace {

// The run's trace (TraceRunTo), shared by the drives' threads.
std::unique_ptr<TraceFile> runTrace;

// The whole of one drive's run, on its own thread: nothing thrown leaves it.
void RunOne(const DrivePort& port, size_t index, const DriveJob& job, const GroupHooks& hooks,
            const std::function<void(QString)>& progress) {
    try {
        // Made here, so the port and the waits belong to this thread.
        Drive drive(std::make_unique<DriveLink>(std::make_unique<AddressedDevice>(), port.link));
        if (runTrace) {
            drive.SetExchangeObserver(
                [](const ExchangeRecord& record) { runTrace->Append(record); });
        }
        const quint8 format = drive.Open(port, port.link);
        if (format != kFormatPlain && format != kFormatMarked)
            throw ECommError(QCoreApplication::translate("DriveGroup", "驅動器沒有回應"));
        DriveSession session(port, index, drive, progress, hooks.stopRequested);
        job(session);
    } catch (...) {
        if (hooks.failed)
            hooks.failed(index, std::current_exception());
    }
}

} // namespace

void TraceRunTo(const QString& path) {
    runTrace = std::make_unique<TraceFile>(path);
}

void RunOnDriveGroup(const std::vector<DrivePort>& ports, const DriveJob& job,
                     const GroupHooks& hooks, size_t atOnce) {
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
        hooks.showProgress(parts.join(QStringLiteral("  ")));
    };
    for (size_t i = 0; i < ports.size(); ++i) {
        // Progress goes to the calling thread, which alone shows it.
        std::function<void(QString)> post = [&, i](QString text) {
            if (!hooks.showProgress) {
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
            QThread::create([&, i, post] { RunOne(ports[i], i, job, hooks, post); }));
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
    if (hooks.showProgress) {
        hooks.showProgress(QString());
    }
}
