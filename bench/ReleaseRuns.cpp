#include "bench/ReleaseRuns.h"

#include "backup/RunLog.h"
#include "catalogue/SheetRanges.h"
#include "files/ParameterFile.h"
#include "files/ParameterFileSamples.h"
#include "support/FileBytes.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

constexpr int kMachines = 4;
constexpr int kAxesEach = 16;
constexpr int kBackups = 1000;

double Timed(const QStringList& arguments, int code) {
    QProcess tarnctl;
    QElapsedTimer clock;
    clock.start();
    tarnctl.start(TARNCTL, arguments);
    tarnctl.closeWriteChannel();
    if (!tarnctl.waitForFinished(120000) || tarnctl.exitStatus() != QProcess::NormalExit ||
        tarnctl.exitCode() != code)
        throw std::runtime_error("tarnctl " + arguments.join(' ').toStdString() + ": " +
                                 tarnctl.readAllStandardError().toStdString());
    return clock.nsecsElapsed() / 1e9;
}

QString AxisFile(int axis) {
    return QStringLiteral("M%1/A%2.tarn").arg(axis / kAxesEach + 1).arg(axis % kAxesEach + 1);
}

// 1,000 commits: the first holds all 64 files, each after it changes one
// axis's Pn100.
QByteArray FastImportStream() {
    QByteArray stream;
    ParameterValues values = samples::DistinctValues();
    const auto data = [&](const QByteArray& bytes) {
        stream += "data " + QByteArray::number(bytes.size()) + '\n' + bytes + '\n';
    };
    for (int backup = 0; backup < kBackups; ++backup) {
        stream += "commit refs/heads/master\n";
        stream += "committer bench <bench@localhost> " +
                  QByteArray::number(1796860800 + backup * 86400) + " +0800\n";
        data("備份 廠A：bench " + QByteArray::number(backup));
        // Each commit after the first follows the branch's last one.
        for (int axis = 0; axis < kMachines * kAxesEach; ++axis) {
            if (backup > 0 && axis != backup % (kMachines * kAxesEach)) {
                continue;
            }
            values[size_t(SlotOf(100))] =
                QStringLiteral("%1").arg(backup % 2000 + axis, 4, 16, QLatin1Char('0')).toUpper();
            stream += "M 100644 inline " + AxisFile(axis).toUtf8() + '\n';
            data(ParameterFileBytes(values));
        }
    }
    return stream;
}

} // namespace

RepositoryTimes MeasureRepository(int runs) {
    QTemporaryDir dir;
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder for the repository runs");
    const QString repo = dir.filePath("repo");
    QProcess git;
    git.start("git", {"init", "-q", repo});
    git.waitForFinished(30000);
    git.start("git", {"-C", repo, "fast-import", "--quiet"});
    git.write(FastImportStream());
    git.closeWriteChannel();
    if (!git.waitForFinished(120000) || git.exitCode() != 0)
        throw std::runtime_error("git fast-import: " + git.readAllStandardError().toStdString());
    git.start("git", {"-C", repo, "reset", "-q", "--hard"});
    git.waitForFinished(60000);

    QStringList machines;
    std::vector<RunRecord> records;
    const QDateTime now = QDateTime::currentDateTime();
    for (int m = 0; m < kMachines; ++m) {
        QStringList axes;
        for (int a = 0; a < kAxesEach; ++a)
            axes << QStringLiteral("{\"name\": \"A%1\", \"port\": \"/dev/null\"}").arg(a + 1);
        machines << QStringLiteral("{\"name\": \"M%1\", \"axes\": [%2]}")
                        .arg(m + 1)
                        .arg(axes.join(", "));
    }
    for (int backup = 0; backup < kBackups; ++backup) {
        for (int axis = 0; axis < kMachines * kAxesEach; ++axis) {
            RunRecord record;
            record.time = now.addSecs(qint64(backup - kBackups) * 60);
            record.plant = QStringLiteral("廠A");
            record.axis = AxisFile(axis).chopped(5);
            record.commit = QString(40, QLatin1Char('a'));
            record.durationSeconds = 20;
            records.push_back(record);
        }
    }
    AppendRuns(repo, records);
    const QString plant = dir.filePath("plant.json");
    if (!PutFile(plant, QStringLiteral("{\"plant\": \"廠A\", \"machines\": [%1]}")
                            .arg(machines.join(",\n"))
                            .toUtf8()))
        throw std::runtime_error("cannot write the plant file");
    Timed({"release", plant, "--repo", repo, "--at", "HEAD~500"}, 0);

    RepositoryTimes times;
    for (int run = 0; run < runs; ++run) {
        times.driftSeconds.push_back(Timed({"drift", plant, "--repo", repo}, 1));
        times.statusSeconds.push_back(
            Timed({"status", plant, "--repo", repo, "--max-age", "24"}, 0));
        times.querySeconds.push_back(Timed({"query", "--repo", repo, "100"}, 0));
    }
    return times;
}
