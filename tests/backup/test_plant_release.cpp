// Released settings and drift against a real repository, readings handed
// over as a backup would get them from drives.
#include "backup/PlantBackup.h"
#include "backup/PlantRelease.h"
#include "catalogue/SheetRanges.h"
#include "files/ParameterFileSamples.h"
#include "values/ValueWords.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ParameterValues With(ParameterValues values, quint16 number, const QString& text) {
    values[size_t(SlotOf(number))] = text;
    return values;
}

QString Git(const QString& folder, const QStringList& arguments) {
    QProcess git;
    git.start("git", QStringList{"-C", folder} + arguments);
    git.waitForFinished(30000);
    return QString::fromUtf8(git.readAllStandardOutput()).trimmed();
}

QString Refusal(const std::function<void()>& run) {
    try {
        run();
    } catch (const TarnError& error) {
        return error.Text();
    }
    return QString();
}

} // namespace

class TestPlantRelease : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Plant plant = ReadPlantText(R"({"plant": "廠A", "ignore": [618], "machines": [
        {"name": "M01", "axes": [{"name": "X", "port": "1"}, {"name": "Y", "port": "2"}]},
        {"name": "M02", "axes": [{"name": "Z", "port": "3"}]}]})",
                                "plant.json");
    const GitIdentity who{"王小明", "ming@example.com"};
    const ParameterValues base = With(samples::DistinctValues(), 100, "0190");

    QString Repo() const { return dir.filePath("repo"); }
    GitRepository Repository() const { return GitRepository(Repo()); }

    BackupCommit Backup(const std::vector<std::optional<ParameterValues>>& values) {
        std::vector<AxisReading> readings;
        for (const auto& v : values) {
            readings.push_back(v ? AxisReading{v, {}} : AxisReadingOf(ParameterValues{}));
        }
        return PlantBackup(plant, Repo(), std::nullopt).StoreAndCommit(readings);
    }

    QStringList DriftLines() const {
        QStringList lines;
        for (const AxisDrift& axis : PlantDrift(Repository(), plant)) {
            lines << axis.Lines();
        }
        return lines;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        qputenv("GIT_CONFIG_GLOBAL", "/dev/null");
        qputenv("GIT_CONFIG_NOSYSTEM", "1");
    }

    // Released, changed, released in part: each step's drift and the
    // release's commits, the work tree and branch of the backup untouched.
    void releaseThenDrift() {
        const QString first = Backup({base, base, std::nullopt}).commit;
        QCOMPARE(DriftLines(),
                 (QStringList{"M01/X 沒有發行版", "M01/Y 沒有發行版", "M02/Z 沒有發行版"}));
        ReleaseAxes(Repository(), plant, {"M01/X", "M01/Y"}, "HEAD", "交機", who);
        // Pn618 changes by itself and is ignored by the whole plant.
        const ParameterValues changed = With(With(base, 100, "01F4"), 618, "0007");
        const BackupCommit second = Backup({changed, With(base, 618, "0003"), base});
        // Stored and told, but only X changed what nobody said may change.
        QCOMPARE(
            second.message.split('\n').mid(2),
            (QStringList{"M01/X " + ChangeLine(100, "0190", "01F4"),
                         "M01/X " + ChangeLine(618, base[size_t(SlotOf(618))], "0007") + "（忽略）",
                         "M01/Y " + ChangeLine(618, base[size_t(SlotOf(618))], "0003") + "（忽略）",
                         "M02/Z 首次備份"}));
        QCOMPARE(second.changed, (QStringList{"M01/X", "M02/Z"}));
        QCOMPARE(DriftLines(),
                 (QStringList{"M01/X Pn100 KVP1 發行 400 → 目前 500 0.1Hz", "M02/Z 沒有發行版"}));
        const QString release = ReleaseAxes(Repository(), plant, {"M01/X"}, "HEAD", "", who);
        QCOMPARE(DriftLines(), QStringList{"M02/Z 沒有發行版"});
        QStringList query;
        for (const QueryRow& row : QueryAxes(Repository(), {100}, "HEAD")) {
            query << row.Line();
        }
        QCOMPARE(query, (QStringList{"M01/X Pn100 KVP1 500 0.1Hz 發行 500",
                                     "M01/Y Pn100 KVP1 400 0.1Hz 發行 400",
                                     "M02/Z Pn100 KVP1 400 0.1Hz 發行 —"}));
        query.clear();
        for (const QueryRow& row : QueryAxes(Repository(), {100}, "HEAD~1")) {
            query << row.Line();
        }
        QCOMPARE(query, (QStringList{"M01/X Pn100 KVP1 400 0.1Hz 發行 500 ≠",
                                     "M01/Y Pn100 KVP1 400 0.1Hz 發行 400"}));
        QCOMPARE(Git(Repo(), {"ls-tree", "-r", "--name-only", "released"}),
                 QStringLiteral("M01/X.tarn\nM01/Y.tarn"));
        // Y kept the file of its first release.
        QCOMPARE(Git(Repo(), {"rev-parse", "released:M01/Y.tarn"}),
                 Git(Repo(), {"rev-parse", first + ":M01/Y.tarn"}));
        const std::vector<Release> releases = Releases(Repository());
        QCOMPARE(releases.size(), size_t(2));
        QCOMPARE(releases[0].commit, release);
        QCOMPARE(releases[0].subject, QStringLiteral("發行 廠A：M01/X"));
        QCOMPARE(releases[1].subject, QStringLiteral("發行 廠A：M01/X、M01/Y（交機）"));
        QCOMPARE(Git(Repo(), {"status", "--porcelain"}), QString());
        QCOMPARE(Git(Repo(), {"symbolic-ref", "--short", "HEAD"}), QStringLiteral("master"));
    }

    // The released branch travels with the backups; a remote whose
    // released branch went its own way refuses it and keeps its own.
    void pushCarriesTheReleases() {
        const QString bare = dir.filePath("remote.git");
        QProcess::execute("git", {"init", "-q", "--bare", bare});
        QCOMPARE(PushBackups(Repository(), bare), std::nullopt);
        for (const QString branch : {"master", "released"}) {
            QCOMPARE(Git(bare, {"rev-parse", branch}), Git(Repo(), {"rev-parse", branch}));
        }
        Git(bare, {"update-ref", "refs/heads/released", Git(Repo(), {"rev-parse", "master"})});
        const std::optional<QString> refused = PushBackups(Repository(), bare);
        QVERIFY(refused);
        QCOMPARE(refused->section('\n', 0, 0), "推送 released 分支到 " + bare + " 失敗：");
        QCOMPARE(Git(bare, {"rev-parse", "released"}), Git(Repo(), {"rev-parse", "master"}));
    }

    // Each refused before anything is committed on the released branch.
    void refusals_data() {
        QTest::addColumn<QStringList>("axes");
        QTest::addColumn<QString>("revision");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such revision") << QStringList{} << "nope"
                                          << "nope 不是儲存庫 %1 的備份";
        QTest::newRow("revision off the branch") << QStringList{} << "released"
                                                 << "released 不是儲存庫 %1 的備份";
        QTest::newRow("axis never backed up") << QStringList{"M02/Z"} << "HEAD~1"
                                              << "備份 %2 沒有 M02/Z 的檔案，沒有發行";
    }
    void refusals() {
        QFETCH(QStringList, axes);
        QFETCH(QString, revision);
        QFETCH(QString, message);
        const QString tip = Git(Repo(), {"rev-parse", "released"});
        QCOMPARE(Refusal([&] { ReleaseAxes(Repository(), plant, axes, revision, "", who); }),
                 message.replace("%1", Repository().Folder())
                     .replace("%2", Git(Repo(), {"rev-parse", "--short=10", "HEAD~1"})));
        QCOMPARE(Git(Repo(), {"rev-parse", "released"}), tip);
    }

    // A released branch put by hand on a backup is no release: drift,
    // history and a new release say so rather than compare with it.
    void releasedBranchMovedByHand() {
        Git(Repo(), {"branch", "-f", "released", "master"});
        const QString message =
            QStringLiteral("儲存庫 %1 的 released 分支不在發行的提交上（被手動移動過？）：%2 %3")
                .arg(Repository().Folder(), Git(Repo(), {"rev-parse", "--short=10", "master"}),
                     Git(Repo(), {"log", "-1", "--format=%s", "master"}));
        QCOMPARE(Refusal([&] { PlantDrift(Repository(), plant); }), message);
        QCOMPARE(Refusal([&] { Releases(Repository()); }), message);
        QCOMPARE(Refusal([&] { ReleaseAxes(Repository(), plant, {}, "HEAD", "", who); }), message);
        Git(Repo(), {"branch", "-D", "released"});
        QCOMPARE(Releases(Repository()).size(), size_t(0));
        QCOMPARE(DriftLines().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestPlantRelease)
#include "test_plant_release.moc"
