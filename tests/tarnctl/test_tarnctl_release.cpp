// release, drift, status, query and the hooks as a technician runs them:
// two virtual drives on their ptys backed up into a real repository, the
// results read as a script would (exit codes, stdout, stderr). The slots
// build on each other in order.
#include "TarnctlRun.h"
#include "support/DriveSim.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString GitOut(const QString& folder, const QStringList& arguments) {
    QProcess git;
    git.start("git", QStringList{"-C", folder} + arguments);
    git.waitForFinished(30000);
    return QString::fromUtf8(git.readAllStandardOutput()).trimmed();
}

} // namespace

class TestTarnctlRelease : public QObject {
    Q_OBJECT

    QTemporaryDir dir{QDir::tempPath() + "/tarnctl-release-XXXXXX"};
    std::unique_ptr<DriveSim> x; // M01/X
    std::unique_ptr<DriveSim> y; // M01/Y, Pn618 ignored

    QString Repo() const { return dir.filePath("repo"); }
    QString Plant() const { return dir.filePath("plant.json"); }

    TarnctlResult Backup(const QStringList& extra = {}) {
        return RunTarnctl(QStringList{"backup", Plant(), "--repo", Repo(), "--timing", "reply",
                                      "--timeout", "200"} +
                          extra);
    }
    TarnctlResult Drift(const QStringList& extra = {}) {
        return RunTarnctl(QStringList{"drift", Plant(), "--repo", Repo()} + extra);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(!qEnvironmentVariableIsEmpty("TARNCTL"), "TARNCTL names the program under test");
        qputenv("GIT_CONFIG_GLOBAL", "/dev/null");
        qputenv("GIT_CONFIG_NOSYSTEM", "1");
        x = StartDrive({"--char-ms", "0"});
        y = StartDrive({"--char-ms", "0"});
        QVERIFY(x && y);
        QVERIFY(x->Command("set 100 0190")); // Pn100 400
        QVERIFY(PutFile(Plant(), QStringLiteral(R"({"plant": "廠A", "machines": [{"name": "M01",
            "axes": [{"name": "X", "port": "%1"}, {"name": "Y", "port": "%2", "ignore": [618]}]}]})")
                                     .arg(x->Device(), y->Device())
                                     .toUtf8()));
        QCOMPARE(Backup().code, 1);
    }

    void releaseAndItsHistory() {
        const TarnctlResult none = Drift();
        QCOMPARE(none.code, 0);
        QCOMPARE(none.out, QStringLiteral("M01/X 沒有發行版\nM01/Y 沒有發行版\n"));
        const TarnctlResult released =
            RunTarnctl({"release", Plant(), "--repo", Repo(), "-m", "交機"});
        QCOMPARE(released.code, 0);
        const QString line = GitOut(
            Repo(), {"log", "-1", "--date=iso", "--format=%ad %h %s", "--abbrev=10", "released"});
        QCOMPARE(line.section(' ', 4), QStringLiteral("發行 廠A：M01/X、M01/Y（交機）"));
        QCOMPARE(released.out, line + "\n");
        const TarnctlResult history = RunTarnctl({"history", "--repo", Repo(), "--released"});
        QCOMPARE(history.out, line + "\n");
        QCOMPARE(Drift().code, 0);
    }

    // One parameter changed on X, one ignored on Y: the changed hook is
    // given the commit message, drift names X's change in words.
    void changeIsToldAndDrifts() {
        QVERIFY(x->Command("set 100 01F4"));
        QVERIFY(y->Command("set 618 0009"));
        const QString told = dir.filePath("told.txt");
        const TarnctlResult backup =
            Backup({"--on-changed", QStringLiteral("cat > '%1'; echo \"$TARN_AXES\"").arg(told)});
        QCOMPARE(backup.code, 1);
        QCOMPARE(backup.ErrLines(), (QStringList{"hook changed: M01/X", "hook changed: 結束碼 0"}));
        QFile file(told);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), GitOut(Repo(), {"log", "-1", "--format=%B"}));
        const TarnctlResult drift = Drift({"--on-drift", "cat"});
        QCOMPARE(drift.code, 1);
        QCOMPARE(drift.out, QStringLiteral("M01/X Pn100 KVP1 發行 400 → 目前 500 0.1Hz\n"));
        QCOMPARE(drift.ErrLines(),
                 (QStringList{"hook drift: M01/X Pn100 KVP1 發行 400 → 目前 500 0.1Hz",
                              "hook drift: 結束碼 0"}));
        const TarnctlResult json = Drift({"--json"});
        QCOMPARE(json.code, 1);
        QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8()).object(),
                 QJsonDocument::fromJson(
                     R"({"axes":[{"axis":"M01/X","released":true,"compared":true,"differences":[
                     {"number":100,"description":"KVP1","released":"0190","current":"01F4",
                     "releasedText":"400","currentText":"500","unit":"0.1Hz"}]},
                     {"axis":"M01/Y","released":true,"compared":true,"differences":[]}]})")
                     .object());
        const TarnctlResult query = RunTarnctl({"query", "--repo", Repo(), "100"});
        QCOMPARE(query.out, QStringLiteral("M01/X Pn100 KVP1 500 0.1Hz 發行 400 ≠\n"
                                           "M01/Y Pn100 KVP1 1 0.1Hz 發行 1\n"));
        // Only the ignored parameter changes: committed, no hook.
        QVERIFY(y->Command("set 618 000A"));
        const TarnctlResult ignored = Backup({"--on-changed", "echo called"});
        QCOMPARE(ignored.code, 1);
        QCOMPARE(ignored.err, QString());
    }

    // The lines for people in English: descriptions from the catalogue's
    // gloss (KVP1 has none), units and values as they are.
    void linesInEnglish() {
        const QStringList english{"--lang", "en"};
        const TarnctlResult drift = Drift(english + QStringList{"--on-drift", "exit 1"});
        QCOMPARE(drift.code, 1);
        QCOMPARE(drift.out, QStringLiteral("M01/X Pn100 KVP1 released 400 → now 500 0.1Hz\n"));
        QCOMPARE(drift.err, QStringLiteral("hook drift: exit code 1\n"));
        const TarnctlResult query =
            RunTarnctl(english + QStringList{"query", "--repo", Repo(), "100", "106"});
        QCOMPARE(query.out,
                 QStringLiteral("M01/X Pn100 KVP1 500 0.1Hz released 400 ≠\n"
                                "M01/X Pn106 position feed-forward gain 0 % released 0\n"
                                "M01/Y Pn100 KVP1 1 0.1Hz released 1\n"
                                "M01/Y Pn106 position feed-forward gain 0 % released 0\n"));
        const TarnctlResult changes =
            RunTarnctl(english + QStringList{"history", "--repo", Repo(), "--axis", "M01/X",
                                             "--param", "100"});
        QCOMPARE(changes.out, GitOut(Repo(), {"log", "-1", "--date=iso", "--format=%ad %h",
                                              "--abbrev=10", "--", "M01/X.tarn"}) +
                                  " M01/X Pn100 KVP1 400 → 500 0.1Hz\n");
        // Each axis's last complete backup is the last commit; its age varies.
        const TarnctlResult status =
            RunTarnctl(english + QStringList{"status", Plant(), "--repo", Repo()});
        QCOMPARE(status.code, 0);
        const QString head = GitOut(Repo(), {"rev-parse", "--short=10", "HEAD"});
        const QStringList shapes{
            QStringLiteral("M01/X last complete backup \\S+ \\(\\d+\\.\\d hours ago, %1\\); "
                           "released, 1 parameter differs")
                .arg(head),
            QStringLiteral("M01/Y last complete backup \\S+ \\(\\d+\\.\\d hours ago, %1\\); "
                           "released, 0 parameters differ")
                .arg(head)};
        QCOMPARE(status.OutLines().size(), 2);
        for (int i = 0; i < 2; ++i) {
            QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(shapes[i]))
                         .match(status.OutLines()[i])
                         .hasMatch(),
                     qPrintable(status.out));
        }
    }

    // Y goes silent: the failed hook is told, drift --live ends with 3,
    // status turns to 1.
    void silentAxisMakesStatusUnwell() {
        QCOMPARE(RunTarnctl({"status", Plant(), "--repo", Repo(), "--max-age", "1"}).code, 0);
        QVERIFY(y->Command("fault silent on"));
        QVERIFY(x->Command("set 100 03E8"));
        // In English the commit, the run log and so the hook's text stay in
        // the repository's one language; tarnctl's own words follow --lang.
        const TarnctlResult backup = Backup({"--lang", "en", "--on-failed", "cat; exit 3"});
        QVERIFY(x->Command("set 100 01F4"));
        QCOMPARE(GitOut(Repo(), {"log", "-1", "--format=%B"}),
                 QStringLiteral("備份 廠A：1 軸變更，1 軸無回應，0 軸相同\n\n"
                                "M01/X Pn100 KVP1 500 → 1000 0.1Hz\n"
                                "M01/Y 無回應：驅動器沒有回應"));
        QFile log(Repo() + "/.git/tarn/runs.jsonl");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QJsonObject run =
            QJsonDocument::fromJson(log.readAll().trimmed().split('\n').last()).object();
        QCOMPARE(run.value("axis").toString(), QStringLiteral("M01/Y"));
        QCOMPARE(run.value("reason").toString(), QStringLiteral("驅動器沒有回應"));
        // Read now, X answers with its drift and Y is told by its failure.
        const TarnctlResult live = Drift({"--live", "--timing", "reply", "--timeout", "200"});
        // A silent axis is not taken for one without drift.
        const TarnctlResult liveJson =
            Drift({"--live", "--json", "--timing", "reply", "--timeout", "200"});
        QVERIFY(y->Command("fault silent off"));
        QCOMPARE(liveJson.code, 3);
        QCOMPARE(QJsonDocument::fromJson(liveJson.out.toUtf8()).object()["axes"].toArray()[1],
                 QJsonValue(QJsonObject{{"axis", "M01/Y"},
                                        {"released", true},
                                        {"compared", false},
                                        {"differences", QJsonArray()}}));
        QCOMPARE(live.code, 3);
        QCOMPARE(live.out, QStringLiteral("M01/X Pn100 KVP1 發行 400 → 目前 500 0.1Hz\n"));
        QCOMPARE(live.err, QStringLiteral("M01/Y: 驅動器沒有回應\n"));
        QCOMPARE(backup.code, 3);
        QCOMPARE(backup.ErrLines().mid(1), (QStringList{"hook failed: M01/Y 無回應：驅動器沒有回應",
                                                        "hook failed: exit code 3"}));
        const TarnctlResult status =
            RunTarnctl({"status", Plant(), "--repo", Repo(), "--max-age", "1"});
        QCOMPARE(status.code, 1);
        QVERIFY2(
            status.OutLines().value(1).contains("；上次失敗 ") &&
                status.OutLines().value(1).endsWith("：驅動器沒有回應；發行版 有，0 個參數不同"),
            qPrintable(status.out));
    }

    // Refused with its reason, nothing written.
    void badInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        QTest::newRow("max-age zero") << QStringList{"status", "P", "--repo", "R", "--max-age", "0"}
                                      << 2 << "--max-age 要是正數（小時）：0";
        QTest::newRow("max-age words")
            << QStringList{"status", "P", "--repo", "R", "--max-age", "一天"} << 2
            << "--max-age 要是正數（小時）：一天";
        QTest::newRow("release at no backup")
            << QStringList{"release", "P", "--repo", "R", "--at", "HEAD~9"} << 5
            << "HEAD~9 不是儲存庫 R 的備份";
        QTest::newRow("release of an axis not in the plant")
            << QStringList{"release", "P", "--repo", "R", "--axis", "M09/Q"} << 2
            << "廠區檔 P 沒有 M09/Q 這一軸";
    }
    void badInput() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        arguments.replaceInStrings(QRegularExpression("^P$"), Plant());
        arguments.replaceInStrings(QRegularExpression("^R$"), Repo());
        const QString tip = GitOut(Repo(), {"rev-parse", "released"});
        const TarnctlResult result = RunTarnctl(arguments);
        QTEST(result.code, "code");
        QCOMPARE(result.err,
                 "tarnctl: " +
                     err.replace(" P ", " " + Plant() + " ").replace(" R ", " " + Repo() + " ") +
                     "\n");
        QCOMPARE(GitOut(Repo(), {"rev-parse", "released"}), tip);
    }

    // A release while a backup holds the repository is refused.
    void releaseWaitsForNoOne() {
        const int fd = ::open(QFile::encodeName(Repo()).constData(), O_RDONLY);
        QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0);
        const TarnctlResult result = RunTarnctl({"release", Plant(), "--repo", Repo()});
        ::close(fd);
        QCOMPARE(result.code, 5);
        QCOMPARE(result.err,
                 QStringLiteral("tarnctl: 儲存庫 %1 正由另一個 tarnctl 使用\n").arg(Repo()));
    }
};

QTEST_GUILESS_MAIN(TestTarnctlRelease)
#include "test_tarnctl_release.moc"
