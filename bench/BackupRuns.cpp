#include "bench/BackupRuns.h"

#include "backup/GitRepository.h"
#include "files/ParameterFile.h"
#include "support/DriveSim.h"
#include "support/FileBytes.h"
#include "support/Ser2Net.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// One tarnctl run's wall time, exit code, and the peak resident set and CPU
// time of that process alone (wait4 gives the child's own usage, where
// RUSAGE_CHILDREN would mix in every drive and tarnb the bench has waited
// for). Its standard error goes to `errFile`.
struct Measured {
    double seconds = 0;
    int code = 0;
    double peakMb = 0;
    double cpuSeconds = 0;
};

Measured RunMeasured(const QStringList& arguments, const QString& errFile) {
    std::vector<QByteArray> texts{QByteArray(TARNCTL)};
    for (const QString& argument : arguments)
        texts.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    const QByteArray err = QFile::encodeName(errFile);
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = ::open(err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(fd, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid)
        throw std::runtime_error("tarnctl could not be run");
    Measured measured;
    measured.seconds = clock.nsecsElapsed() / 1e9;
    if (!WIFEXITED(status))
        throw std::runtime_error("tarnctl " + arguments.join(' ').toStdString() + " did not exit");
    measured.code = WEXITSTATUS(status);
    measured.peakMb = usage.ru_maxrss / 1024.0; // Linux reports kilobytes
    measured.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 +
                          usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
    return measured;
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

// `count` virtual drives with their default pacing, the first half on ptys,
// the second through one ser2net (half of those raw, half RFC 2217), and a
// plant file naming them in that order. The drives run in one process, as real drives cost the PC
// nothing: a process of its own for each woke once a character, and 64 of them took more of two
// cores than the program they stand in for.
struct Rig {
    std::unique_ptr<DriveSim> drives;
    std::unique_ptr<Ser2Net> server;
    QStringList ports;
    QString plant;

    Rig(int count, const QTemporaryDir& dir) {
        qputenv("TARN_DRIVE_SIM", TARN_DRIVE_SIM);
        if (Ser2Net::Program().isEmpty())
            throw std::runtime_error("ser2net is not installed (scripts/bench.sh installs it)");
        drives = std::make_unique<DriveSim>(QStringList(), count);
        if (!drives->Start())
            throw std::runtime_error("virtual drives: " + drives->Error().toStdString());
        const int half = count / 2;
        const QStringList devices = drives->Devices();
        server = std::make_unique<Ser2Net>(devices.mid(half));
        if (!server->Start())
            throw std::runtime_error("ser2net: " + server->Error().toStdString());
        ports = devices.mid(0, half);
        for (int i = 0; i < count - half; ++i)
            ports << (i < half / 2 ? server->RawAddress(i) : server->Rfc2217Address(i));
        plant = dir.filePath(QStringLiteral("plant-%1.json").arg(count));
        if (!PutFile(plant, PlantJson(ports)))
            throw std::runtime_error("cannot write the plant file");
    }
};

} // namespace

BackupTimes MeasureBackup(int runs, int commits) {
    QTemporaryDir dir;
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder for the backup runs");
    BackupTimes times;
    MeasureCommit(times, commits, dir);
    const Rig rig(16, dir);
    const QStringList& ports = rig.ports;
    for (int run = 0; run < runs; ++run) {
        const QString repo = dir.filePath(QStringLiteral("repo-%1").arg(run));
        const double one =
            Timed({"-p", ports.first(), "--timing", "reply", "save", dir.filePath("one")}, 0);
        const double first = Timed({"backup", rig.plant, "--repo", repo, "--timing", "reply"}, 1);
        times.sixteenRatio.push_back(first / one);
        const QString head = HeadOf(repo);
        const double reads = Timed(
            {"-p", ports.join(','), "--timing", "reply", "save", dir.filePath("all-{port}")}, 0);
        const double unchanged =
            Timed({"backup", rig.plant, "--repo", repo, "--timing", "reply"}, 0);
        times.unchangedRatio.push_back(unchanged / reads);
        times.unchangedCommitted = times.unchangedCommitted || HeadOf(repo) != head;
    }
    return times;
}

void HoldRig(int count) {
    QTemporaryDir dir;
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder for the rig");
    const Rig rig(count, dir);
    std::printf("%s\n", qPrintable(rig.plant));
    std::fflush(stdout);
    std::fprintf(stderr, "... %d virtual drives running; close standard input to stop them\n",
                 count);
    while (std::getchar() != EOF) {
    }
}

WideBackupTimes MeasureWideBackup(int runs) {
    QTemporaryDir dir;
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder for the backup runs");
    std::fprintf(stderr, "... starting 64 virtual drives and ser2net\n");
    const Rig rig(64, dir);
    WideBackupTimes times;
    for (int run = 0; run < runs; ++run) {
        std::fprintf(stderr, "... backup of 64 axes, run %d of %d\n", run + 1, runs);
        const double one =
            Timed({"-p", rig.ports.first(), "--timing", "reply", "save", dir.filePath("one")}, 0);
        const QString repo = dir.filePath(QStringLiteral("wide-%1").arg(run));
        const QString err = dir.filePath("err.txt");
        const Measured all =
            RunMeasured({"backup", rig.plant, "--repo", repo, "--timing", "reply"}, err);
        // A drive that missed its reply time fails its axis (exit 3): counted, not fatal.
        const int failed = QString::fromUtf8(FileBytes(err))
                               .count(QRegularExpression(QStringLiteral("^M01/A\\d+: "),
                                                         QRegularExpression::MultilineOption));
        if (all.code != 1 && !(all.code == 3 && failed > 0))
            throw std::runtime_error("tarnctl backup of 64 axes: " + FileBytes(err).toStdString());
        times.failedAxes = std::max(times.failedAxes, failed);
        times.ratio.push_back(all.seconds / one);
        times.peakMb.push_back(all.peakMb);
        times.cpuShare.push_back(100 * all.cpuSeconds / all.seconds);
    }
    return times;
}
