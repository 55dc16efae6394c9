#include "bench/BackupRuns.h"

#include "backup/GitRepository.h"
#include "files/ParameterFile.h"
#include "support/DriveSim.h"
#include "support/FileBytes.h"
#include "support/Ser2Net.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

namespace {

// Seconds from start to exit of one tarnctl run that must end with `code`.
double Timed(const QStringList& arguments, int code) {
    QProcess tarnctl;
    QElapsedTimer clock;
    clock.start();
    tarnctl.start(TARNCTL, arguments);
    if (!tarnctl.waitForFinished(120000) || tarnctl.exitStatus() != QProcess::NormalExit ||
        tarnctl.exitCode() != code)
        throw std::runtime_error("tarnctl " + arguments.join(' ').toStdString() + ": " +
                                 tarnctl.readAllStandardError().toStdString());
    return clock.nsecsElapsed() / 1e9;
}

QByteArray PlantJson(const QStringList& ports) {
    QStringList axes;
    for (int i = 0; i < ports.size(); ++i)
        axes << QStringLiteral("{\"name\": \"A%1\", \"port\": \"%2\"}").arg(i + 1).arg(ports[i]);
    return QStringLiteral(
               "{\"plant\": \"廠A\", \"machines\": [{\"name\": \"M01\", \"axes\": [%1]}]}")
        .arg(axes.join(", "))
        .toUtf8();
}

QString HeadOf(const QString& repo) {
    QProcess git;
    git.start("git", {"-C", repo, "rev-parse", "HEAD"});
    git.waitForFinished(30000);
    return QString::fromLatin1(git.readAllStandardOutput().trimmed());
}

// The commit alone: 16 files changed, through the same code backup runs.
void MeasureCommit(BackupTimes& times, int commits, const QTemporaryDir& dir) {
    GitRepository repo(dir.filePath("commit-repo"));
    repo.OpenOrCreate();
    const GitIdentity who{"bench", "bench@localhost"};
    QStringList paths;
    for (int axis = 0; axis < 16; ++axis)
        paths << QStringLiteral("M01/A%1.tarn").arg(axis + 1);
    QDir().mkpath(dir.filePath("commit-repo/M01"));
    for (int run = 0; run <= commits; ++run) {
        ParameterValues values;
        for (QString& value : values)
            value = QStringLiteral("%1").arg(run, 4, 16, QLatin1Char('0')).toUpper();
        for (const QString& path : paths)
            WriteParameterFile(QDir(repo.Folder()).filePath(path), values);
        QElapsedTimer clock;
        clock.start();
        repo.CommitPaths(paths, QStringLiteral("bench %1").arg(run), who, who);
        if (run > 0) // the first made the repository's first commit
            times.commitSeconds.push_back(clock.nsecsElapsed() / 1e9);
    }
}

} // namespace

BackupTimes MeasureBackup(int runs, int commits) {
    qputenv("TARN_DRIVE_SIM", TARN_DRIVE_SIM);
    if (Ser2Net::Program().isEmpty())
        throw std::runtime_error("ser2net is not installed (scripts/bench.sh installs it)");
    QTemporaryDir dir;
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder for the backup runs");
    BackupTimes times;
    MeasureCommit(times, commits, dir);

    std::vector<std::unique_ptr<DriveSim>> drives;
    for (int i = 0; i < 16; ++i) {
        drives.push_back(std::make_unique<DriveSim>());
        if (!drives.back()->Start())
            throw std::runtime_error("virtual drive: " + drives.back()->Error().toStdString());
    }
    QStringList served;
    for (int i = 8; i < 16; ++i)
        served << drives[size_t(i)]->Device();
    Ser2Net server(served);
    if (!server.Start())
        throw std::runtime_error("ser2net: " + server.Error().toStdString());
    QStringList ports;
    for (int i = 0; i < 8; ++i)
        ports << drives[size_t(i)]->Device();
    for (int i = 0; i < 8; ++i)
        ports << (i < 4 ? server.RawAddress(i) : server.Rfc2217Address(i));
    const QString plant = dir.filePath("plant.json");
    if (!PutFile(plant, PlantJson(ports)))
        throw std::runtime_error("cannot write the plant file");

    for (int run = 0; run < runs; ++run) {
        const QString repo = dir.filePath(QStringLiteral("repo-%1").arg(run));
        const double one =
            Timed({"-p", ports.first(), "--timing", "reply", "save", dir.filePath("one")}, 0);
        const double first = Timed({"backup", plant, "--repo", repo, "--timing", "reply"}, 1);
        times.sixteenRatio.push_back(first / one);
        const QString head = HeadOf(repo);
        const double reads = Timed(
            {"-p", ports.join(','), "--timing", "reply", "save", dir.filePath("all-{port}")}, 0);
        const double unchanged = Timed({"backup", plant, "--repo", repo, "--timing", "reply"}, 0);
        times.unchangedRatio.push_back(unchanged / reads);
        times.unchangedCommitted = times.unchangedCommitted || HeadOf(repo) != head;
    }
    return times;
}
