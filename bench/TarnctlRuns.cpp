#include "bench/TarnctlRuns.h"

#include "catalogue/SheetRanges.h"
#include "files/ParameterFile.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <memory>
#include <stdexcept>

namespace {

// Ten parameters and values their rules accept with the virtual drive's
// Pn904 (3000), each different from a fresh drive's.
const std::array<std::pair<quint16, const char*>, 10> kChanges = {{{0, "0171"},
                                                                   {1, "0005"},
                                                                   {109, "0015"},
                                                                   {213, "FC18"},
                                                                   {304, "0BB8"},
                                                                   {403, "FC18"},
                                                                   {407, "F448"},
                                                                   {415, "1011"},
                                                                   {512, "0808"},
                                                                   {525, "02C1"}}};

class Drive {
public:
    Drive() {
        process_.start(TARN_DRIVE_SIM, {"--format", "0"});
        QByteArray line;
        while (!line.contains('\n') && process_.waitForReadyRead(5000))
            line += process_.readAllStandardOutput();
        if (!line.startsWith("DEVICE "))
            throw std::runtime_error("the virtual drive did not name its device");
        device_ = QString::fromLocal8Bit(line.mid(7, line.indexOf('\n') - 7)).trimmed();
    }
    ~Drive() {
        process_.terminate();
        process_.waitForFinished(3000);
    }
    const QString& Device() const { return device_; }

private:
    QProcess process_;
    QString device_;
};

} // namespace

double TimedTarnctl(const QStringList& arguments) {
    QProcess tarnctl;
    QElapsedTimer clock;
    clock.start();
    tarnctl.start(TARNCTL, arguments);
    if (!tarnctl.waitForFinished(120000) || tarnctl.exitCode() != 0)
        throw std::runtime_error("tarnctl " + arguments.join(' ').toStdString() + ": " +
                                 tarnctl.readAllStandardError().toStdString());
    return clock.nsecsElapsed() / 1e9;
}

namespace {

double Timed(const QStringList& arguments) {
    return TimedTarnctl(arguments);
}

} // namespace

TarnctlTimes MeasureTarnctl(int runs) {
    QTemporaryDir dir;
    std::vector<std::unique_ptr<Drive>> drives;
    for (int i = 0; i < 4; ++i)
        drives.push_back(std::make_unique<Drive>());
    QStringList four;
    for (const auto& drive : drives)
        four << drive->Device();
    const QString one = four.first();

    TarnctlTimes times;
    for (int i = 0; i < runs; ++i) {
        times.saveOne.push_back(Timed({"-p", one, "save", dir.filePath("one")}));
        times.saveFour.push_back(
            Timed({"-p", four.join(','), "save", dir.filePath("four-{port}")}));
    }
    // The drive's own values, and the same with ten of them changed: each
    // full load puts the drive back to its own, so ten always differ.
    const QString base = dir.filePath("one.tarn");
    ParameterValues changed = ReadParameterFile(base);
    for (const auto& [number, value] : kChanges)
        changed[size_t(SlotOf(number))] = QString::fromLatin1(value);
    const QString other = dir.filePath("changed.tarn");
    WriteParameterFile(other, changed);
    for (int i = 0; i < runs; ++i) {
        times.loadFull.push_back(Timed({"-p", one, "load", base}));
        times.loadChanged.push_back(Timed({"-p", one, "load", other, "--changed-only"}));
    }
    return times;
}
