#include "bench/NetworkRuns.h"

#include "bench/Stats.h"
#include "bench/TarnctlRuns.h"
#include "drive/DriveTransfer.h"
#include "link/AddressedDevice.h"
#include "link/DriveLink.h"
#include "link/ExchangeTrace.h"
#include "support/DriveSim.h"
#include "support/FileBytes.h"
#include "support/Ser2Net.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

constexpr double kTurnaroundMs = 2.0;          // the virtual drive's default
constexpr double kCharMs = 10.0 / 9600 * 1000; // one 8N1 character at 9600 baud
constexpr int kMarkedReply = 13;

std::unique_ptr<DriveSim> Drive() {
    auto drive = std::make_unique<DriveSim>();
    if (!drive->Start())
        throw std::runtime_error("virtual drive: " + drive->Error().toStdString());
    return drive;
}

std::vector<std::unique_ptr<DriveSim>> Drives(int count) {
    std::vector<std::unique_ptr<DriveSim>> drives;
    for (int i = 0; i < count; ++i)
        drives.push_back(Drive());
    return drives;
}

std::unique_ptr<Ser2Net> Server(const QStringList& devices) {
    auto server = std::make_unique<Ser2Net>(devices);
    if (!server->Start())
        throw std::runtime_error("ser2net: " + server->Error().toStdString());
    return server;
}

// The CPU share of a process reading all parameters, in % of one core.
void MeasureSaveCpu(DriveLink& link, int runs, std::vector<double>& cpuShare) {
    for (int i = 0; i < runs; ++i) {
        const double cpuBefore = CpuSeconds();
        QElapsedTimer clock;
        clock.start();
        ReadAllParameters(link, [](int) {});
        const double ms = clock.nsecsElapsed() / 1e6;
        cpuShare.push_back((CpuSeconds() - cpuBefore) * 1000 / ms * 100);
    }
}

double Save(const QString& port, const QString& timing, const QString& file) {
    return TimedTarnctl({"-p", port, "--timing", timing, "save", file});
}

// Reads and a save in this process, reply timing: each read's time and the
// CPU share of each save.
void MeasureInProcess(NetworkTimes& times, int runs, int reads) {
    const auto drive = Drive();
    LinkSettings settings;
    settings.timing = LinkSettings::Timing::Reply;
    DriveLink link(std::make_unique<AddressedDevice>(), settings);
    link.Comm().SetDevicePath(drive->Device());
    link.Comm().SetPortOpen(true);
    link.SetReplyFormat(link.Greet());
    for (int i = 0; i < reads; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (link.Read(904).isEmpty())
            throw std::runtime_error("a reply-timed read was not answered");
        times.replyReadMs.push_back(clock.nsecsElapsed() / 1e6);
    }
    MeasureSaveCpu(link, runs, times.cpuShare);
}

// Fixed against reply: saves of one drive, loads into two fresh ones.
void MeasureTimings(NetworkTimes& times, int runs, const QTemporaryDir& dir) {
    const auto saved = Drive();
    const QString fixedFile = dir.filePath("fixed.tarn");
    const QString replyFile = dir.filePath("reply.tarn");
    for (int i = 0; i < runs; ++i) {
        const double fixed = Save(saved->Device(), "fixed", fixedFile);
        const double reply = Save(saved->Device(), "reply", replyFile);
        times.saveRatio.push_back(reply / fixed);
        times.filesIdentical = times.filesIdentical && FileBytes(fixedFile) == FileBytes(replyFile);
    }
    for (int i = 0; i < runs; ++i) {
        const auto fixedDrive = Drive();
        const auto replyDrive = Drive();
        const double fixed =
            TimedTarnctl({"-p", fixedDrive->Device(), "--timing", "fixed", "load", fixedFile});
        const double reply =
            TimedTarnctl({"-p", replyDrive->Device(), "--timing", "reply", "load", fixedFile});
        times.loadRatio.push_back(reply / fixed);
        times.statesIdentical = times.statesIdentical &&
                                fixedDrive->State() == replyDrive->State() &&
                                fixedDrive->Requests() == replyDrive->Requests();
    }
}

// Through ser2net against over the pty, one drive at a time and sixteen at
// once.
void MeasureServer(NetworkTimes& times, int runs, const QTemporaryDir& dir) {
    const auto drives = Drives(16);
    QStringList served;
    for (int i = 8; i < 16; ++i)
        served << drives[size_t(i)]->Device();
    const auto server = Server(served);
    const QString file = dir.filePath("net-{port}.tarn");
    QStringList all;
    for (int i = 0; i < 8; ++i)
        all << drives[size_t(i)]->Device();
    for (int i = 0; i < 8; ++i)
        all << (i < 4 ? server->RawAddress(i) : server->Rfc2217Address(i));
    for (int i = 0; i < runs; ++i) {
        const double pty = Save(drives[0]->Device(), "reply", file);
        const double raw = Save(server->RawAddress(0), "reply", file);
        const double rfc2217 = Save(server->Rfc2217Address(4), "reply", file);
        times.rawRatio.push_back(raw / pty);
        times.rfc2217Ratio.push_back(rfc2217 / pty);
        const double sixteen = Save(all.join(','), "reply", file);
        times.sixteenRatio.push_back(sixteen / std::max({pty, raw, rfc2217}));
    }
}

} // namespace

WireTimes MeasureWire(int runs) {
    qputenv("TARN_DRIVE_SIM", TARN_DRIVE_SIM);
    QTemporaryDir dir;
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder for the wire runs");
    WireTimes times;
    const auto drive = Drive();
    const QString fixedFile = dir.filePath("fixed.tarn");
    const QString replyFile = dir.filePath("reply.tarn");
    const QString tracedFile = dir.filePath("traced.tarn");
    const QString trace = dir.filePath("trace.log");
    for (int i = 0; i < runs; ++i) {
        const double fixed = Save(drive->Device(), "fixed", fixedFile);
        const double reply = Save(drive->Device(), "reply", replyFile);
        QFile::remove(trace);
        const double traced = TimedTarnctl(
            {"-p", drive->Device(), "--timing", "reply", "--trace", trace, "save", tracedFile});
        times.saveRatio.push_back(reply / fixed);
        times.traceRatio.push_back(traced / reply);
        times.filesIdentical = times.filesIdentical && FileBytes(fixedFile) == FileBytes(replyFile) &&
                               FileBytes(replyFile) == FileBytes(tracedFile);
        times.traceLines = int(FileBytes(trace).count('\n'));
    }
    LinkSettings settings;
    settings.timing = LinkSettings::Timing::Reply;
    DriveLink link(std::make_unique<AddressedDevice>(), settings);
    TraceFile traceFile(dir.filePath("in-process.log"));
    link.SetExchangeObserver([&](const ExchangeRecord& record) { traceFile.Append(record); });
    link.Comm().SetDevicePath(drive->Device());
    link.Comm().SetPortOpen(true);
    link.SetReplyFormat(link.Greet());
    MeasureSaveCpu(link, runs, times.cpuShare);
    return times;
}

NetworkTimes MeasureNetwork(int runs, int reads) {
    qputenv("TARN_DRIVE_SIM", TARN_DRIVE_SIM);
    if (Ser2Net::Program().isEmpty())
        throw std::runtime_error("ser2net is not installed (scripts/bench.sh installs it)");
    QTemporaryDir dir;
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder for the network runs");
    NetworkTimes times;
    times.readFloorMs = kTurnaroundMs + kMarkedReply * kCharMs;
    MeasureInProcess(times, runs, reads);
    MeasureTimings(times, runs, dir);
    MeasureServer(times, runs, dir);
    return times;
}
