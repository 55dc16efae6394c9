// tarnctl backup, show, history and restore as a technician runs them:
// three virtual drives (one on its pty, two through ser2net, raw and RFC
// 2217) backed up into a real repository in a temporary folder, which the
// git program then reads. The slots build on each other in order, as the
// plant's history does.
#include "TarnctlRun.h"
#include "catalogue/SheetRanges.h"
#include "files/ParameterFile.h"
#include "support/DriveSim.h"
#include "support/FileBytes.h"
#include "support/Ser2Net.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

namespace {

struct GitRun {
    int code = -1;
    QString out;
    QString err;
};

GitRun Git(const QString& folder, const QStringList& arguments) {
    QProcess git;
    git.start(QStringLiteral("git"), QStringList{"-C", folder} + arguments);
    GitRun run;
    if (git.waitForFinished(30000) && git.exitStatus() == QProcess::NormalExit) {
        run.code = git.exitCode();
    }
    run.out = QString::fromUtf8(git.readAllStandardOutput());
    run.err = QString::fromUtf8(git.readAllStandardError());
    return run;
}

QString GitOut(const QString& folder, const QStringList& arguments) {
    return Git(folder, arguments).out.trimmed();
}

int CommitCount(const QString& repo) {
    return GitOut(repo, {"rev-list", "--count", "HEAD"}).toInt();
}

struct AxisEntry {
    QString machine;
    QString axis;
    QString port;
};

QByteArray PlantJson(const QList<AxisEntry>& axes) {
    QStringList machines;
    QString current;
    QStringList entries;
    const auto flush = [&] {
        if (!current.isEmpty()) {
            machines << QStringLiteral("{\"name\": \"%1\", \"axes\": [%2]}")
                            .arg(current, entries.join(QStringLiteral(", ")));
        }
        entries.clear();
    };
    for (const AxisEntry& entry : axes) {
        if (entry.machine != current) {
            flush();
            current = entry.machine;
        }
        entries
            << QStringLiteral("{\"name\": \"%1\", \"port\": \"%2\"}").arg(entry.axis, entry.port);
    }
    flush();
    return QStringLiteral("{\"plant\": \"廠A\", \"machines\": [\n%1]}\n")
        .arg(machines.join(QStringLiteral(",\n")))
        .toUtf8();
}

} // namespace

class TestTarnctlBackup : public QObject {
    Q_OBJECT

    QTemporaryDir dir{QDir::tempPath() + "/tarnctl-backup-XXXXXX"};
    std::unique_ptr<DriveSim> x; // M01/X on its pty
    std::unique_ptr<DriveSim> y; // M01/Y through ser2net, raw
    std::unique_ptr<DriveSim> z; // M02/Z through ser2net, RFC 2217
    std::unique_ptr<Ser2Net> server;
    QString firstCommit;

    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Repo() const { return Path("repo"); }
    QString Plant() const { return Path("plant.json"); }

    TarnctlResult Backup(const QStringList& extra = {}) {
        // A generous limit: reply timing ends each wait as the reply is whole, and a
        // machine busy with builds must not turn a late reply into a silent axis.
        return RunTarnctl(QStringList{"backup", Plant(), "--repo", Repo(), "--timing", "reply",
                                      "--timeout", "200"} +
                          extra);
    }

    QString Subject(const QString& revision = "HEAD") const {
        return GitOut(Repo(), {"log", "-1", "--format=%s", revision});
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(!qEnvironmentVariableIsEmpty("TARNCTL"), "TARNCTL names the program under test");
        if (Ser2Net::Program().isEmpty()) {
            QSKIP("ser2net is not installed (scripts/test.sh installs it)");
        }
        // A machine without any git identity, as CI is: tarnctl must name
        // its own author and committer.
        qputenv("GIT_CONFIG_GLOBAL", "/dev/null");
        qputenv("GIT_CONFIG_NOSYSTEM", "1");
        QVERIFY(QFile::link("/dev/null", Path("null-link")));
        x = StartDrive({"--char-ms", "0"});
        y = StartDrive({"--char-ms", "0"});
        z = StartDrive({"--char-ms", "0"});
        QVERIFY(x && y && z);
        QVERIFY(y->Command("set 100 0190")); // Pn100 400
        server = std::make_unique<Ser2Net>(QStringList{y->Device(), z->Device()});
        QVERIFY2(server->Start(), qPrintable(server->Error()));
        QVERIFY(PutFile(Plant(), PlantJson({{"M01", "X", x->Device()},
                                            {"M01", "Y", server->RawAddress(0)},
                                            {"M02", "Z", server->Rfc2217Address(1)}})));
    }

    // A plant file refused before anything is created or read.
    void refusedPlantFileTouchesNothing_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        QTest::newRow("duplicate axis") << PlantJson({{"M01", "X", "1"}, {"M01", "x", "2"}})
                                        << "第 2 行 machines[0].axes[1].name：軸名稱重複：x";
        QTest::newRow("one server by name and by address")
            << PlantJson(
                   {{"M01", "X", "tcp://localhost:4001"}, {"M01", "Y", "tcp://127.0.0.1:4001"}})
            << "第 2 行 M01/Y 的 port：和第 2 行 M01/X 是同一個通訊埠（127.0.0.1:4001）";
        QTest::newRow("one device by its path and a link")
            << PlantJson({{"M01", "X", "/dev/null"}, {"M02", "Y", Path("null-link")}})
            << "第 3 行 M02/Y 的 port：和第 2 行 M01/X 是同一個通訊埠（/dev/null）";
        QTest::newRow("duplicate key")
            << QByteArray("{\"plant\": \"p\",\n \"plant\": \"q\", \"machines\": []}")
            << "第 2 行 plant：鍵重複";
        QTest::newRow("name leaving the folder")
            << PlantJson({{"..", "X", "1"}})
            << "第 2 行 machines[0].name：機台名稱只能有字母、數字、中日韓文字、- 和 _（最多 64 "
               "字，不能是 CON、NUL、COM1 之類的裝置名）：..";
    }
    void refusedPlantFileTouchesNothing() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        QVERIFY(PutFile(Path("bad.json"), json));
        const TarnctlResult result =
            RunTarnctl({"backup", Path("bad.json"), "--repo", Path("never")});
        QVERIFY2(result.code == 5, qPrintable(result.err));
        QCOMPARE(result.err, QStringLiteral("tarnctl: %1 %2\n").arg(Path("bad.json"), message));
        QVERIFY(!QFileInfo::exists(Path("never")));
    }

    // Every axis's file, each byte for byte what `tarnctl save` writes of
    // its drive, in one commit by tarnctl's own identity.
    void firstBackupCommitsEveryAxis() {
        const TarnctlResult result = Backup();
        QVERIFY2(result.code == 1, qPrintable(result.err));
        QCOMPARE(result.err, QString());
        QCOMPARE(Subject(),
                 QStringLiteral("備份 廠A：3 軸首次備份，0 軸變更，0 軸無回應，0 軸相同"));
        QCOMPARE(CommitCount(Repo()), 1);
        QCOMPARE(GitOut(Repo(), {"ls-files"}),
                 QStringLiteral(".gitattributes\nM01/X.tarn\nM01/Y.tarn\nM02/Z.tarn"));
        QCOMPARE(GitOut(Repo(), {"log", "-1", "--format=%an <%ae>|%cn <%ce>"}),
                 QStringLiteral("tarnctl <tarnctl@%1>|tarnctl <tarnctl@%1>")
                     .arg(QSysInfo::machineHostName()));
        QCOMPARE(GitOut(Repo(), {"status", "--porcelain"}), QString());
        const QList<std::pair<QString, DriveSim*>> axes = {
            {"M01/X", x.get()}, {"M01/Y", y.get()}, {"M02/Z", z.get()}};
        for (const auto& [axis, drive] : axes) {
            const QString saved = Path(QString(axis).replace('/', '-') + ".tarn");
            QCOMPARE(RunTarnctl({"-p", drive->Device(), "--timing", "reply", "save", saved}).code,
                     0);
            QCOMPARE(FileBytes(Repo() + "/" + axis + ".tarn"), FileBytes(saved));
        }
        firstCommit = GitOut(Repo(), {"rev-parse", "HEAD"});
    }

    void unchangedBackupMakesNoCommit() {
        const TarnctlResult result = Backup();
        QVERIFY2(result.code == 0, qPrintable(result.err));
        QCOMPARE(result.out,
                 QStringLiteral("沒有變更，未提交（備份 廠A：0 軸變更，0 軸無回應，3 軸相同）\n"));
        QCOMPARE(CommitCount(Repo()), 1);
    }

    void changedParameterIsOneCommitInWords() {
        QVERIFY(y->Command("set 100 01F4")); // 400 → 500
        const TarnctlResult result = Backup();
        QVERIFY2(result.code == 1, qPrintable(result.err));
        QCOMPARE(CommitCount(Repo()), 2);
        QCOMPARE(GitOut(Repo(), {"log", "-1", "--format=%B"}),
                 QStringLiteral("備份 廠A：1 軸變更，0 軸無回應，2 軸相同\n\n"
                                "M01/Y Pn100 KVP1 400 → 500 0.1Hz"));
        QCOMPARE(GitOut(Repo(), {"diff", "--name-only", "HEAD~1", "HEAD"}),
                 QStringLiteral("M01/Y.tarn"));
    }

    // git itself, through the text conversion the backup configured.
    void gitLogShowsParametersInWords() {
        const GitRun log = Git(Repo(), {"log", "-p", "-1", "--format=", "--", "M01/Y.tarn"});
        QVERIFY2(log.code == 0, qPrintable(log.err));
        QStringList changed;
        for (const QString& line : log.out.split('\n')) {
            if ((line.startsWith('-') || line.startsWith('+')) && !line.startsWith("---") &&
                !line.startsWith("+++")) {
                changed << line;
            }
        }
        QCOMPARE(changed, QStringList({"-Pn100 KVP1 400 0.1Hz", "+Pn100 KVP1 500 0.1Hz"}));
    }

    void historyListsTheChange() {
        const TarnctlResult result = RunTarnctl({"history", "--repo", Repo()});
        QVERIFY2(result.code == 0, qPrintable(result.err));
        const QString date = GitOut(Repo(), {"log", "-1", "--date=iso", "--format=%ad"});
        const QString commit = GitOut(Repo(), {"rev-parse", "--short=10", "HEAD"});
        QCOMPARE(result.out,
                 QStringLiteral("%1 %2 M01/Y Pn100 KVP1 400 → 500 0.1Hz\n").arg(date, commit));
        QCOMPARE(RunTarnctl({"history", "--repo", Repo(), "--axis", "M01/X"}).out, QString());
        QCOMPARE(RunTarnctl({"history", "--repo", Repo(), "--param", "101"}).out, QString());
    }

    // One axis silent, another changed: the change is committed, the
    // silent axis's file stays as last committed, the run says exit 3.
    void silentAxisKeepsItsFile() {
        QVERIFY(z->Command("set 101 0007"));
        QVERIFY(z->Command("fault silent on"));
        QVERIFY(x->Command("set 102 0003"));
        const QByteArray zBefore = FileBytes(Repo() + "/M02/Z.tarn");
        const TarnctlResult result = Backup();
        QVERIFY(z->Command("fault silent off"));
        QVERIFY2(result.code == 3, qPrintable(result.err));
        QCOMPARE(result.err, QStringLiteral("M02/Z: 驅動器沒有回應\n"));
        QCOMPARE(GitOut(Repo(), {"log", "-1", "--format=%B"}),
                 QStringLiteral("備份 廠A：1 軸變更，1 軸無回應，1 軸相同\n\n"
                                "M01/X Pn102 KPP1 %1 → 3 0.01/s\n"
                                "M02/Z 無回應：驅動器沒有回應")
                     .arg(ParameterOf(firstCommit, "M01/X", 102)));
        QCOMPARE(FileBytes(Repo() + "/M02/Z.tarn"), zBefore);
        QCOMPARE(GitOut(Repo(), {"status", "--porcelain"}), QString());

        const TarnctlResult again = Backup();
        QVERIFY2(again.code == 1, qPrintable(again.err));
        QCOMPARE(GitOut(Repo(), {"log", "-1", "--format=%b"}),
                 QStringLiteral("M02/Z Pn101 TI1 %1 → 7 0.1ms")
                     .arg(ParameterOf(firstCommit, "M02/Z", 101)));
    }

    // An axis that answers only partly gets no file, and a run that changed
    // no file makes no commit, not even of .gitattributes.
    void axisAnsweringPartlyWritesNothing() {
        const auto partly = StartDrive({"--char-ms", "0", "--unmarked", "105"});
        QVERIFY(partly);
        const QString plant = Path("partly.json");
        const QString repo = Path("partly-repo");
        QVERIFY(PutFile(plant, PlantJson({{"M09", "P", partly->Device()}})));
        const TarnctlResult result =
            RunTarnctl({"backup", plant, "--repo", repo, "--timing", "reply", "--timeout", "200"});
        QVERIFY2(result.code == 3, qPrintable(result.err));
        QCOMPARE(result.err,
                 QStringLiteral("M09/P: 1 個參數沒有讀到數值（第一個 Pn105），檔案未更新\n"));
        QCOMPARE(result.out,
                 QStringLiteral("沒有變更，未提交（備份 廠A：0 軸變更，1 軸無回應，0 軸相同）\n"));
        QCOMPARE(QDir(repo).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{".git"});
        QVERIFY(Git(repo, {"rev-parse", "--verify", "-q", "HEAD"}).code != 0);
    }

    // A plant file edited by hand in the repository: refused before any
    // drive hears a request.
    void handEditedFileIsRefusedBeforeAnyRead() {
        const QString file = Repo() + "/M01/X.tarn";
        const QByteArray committed = FileBytes(file);
        QVERIFY(PutFile(file, committed + "P999\r\n"));
        const qsizetype heard = x->Requests().size() + y->Requests().size() + z->Requests().size();
        const TarnctlResult result = Backup();
        QVERIFY2(result.code == 5, qPrintable(result.err));
        QCOMPARE(
            result.err,
            QStringLiteral("tarnctl: 儲存庫 %1 中有未提交的修改，先提交或還原它們：M01/X.tarn\n")
                .arg(Repo()));
        QCOMPARE(x->Requests().size() + y->Requests().size() + z->Requests().size(), heard);
        QCOMPARE(FileBytes(file), committed + "P999\r\n");
        QVERIFY(PutFile(file, committed));
    }

    // The first backup's file of M01/Y into its drive (through ser2net),
    // every written parameter read back.
    void restoreOfAnOlderRevision() {
        const ParameterValues first = ReadParameterFile(ExportAt(firstCommit, "M01/Y"));
        int written = 0;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const quint16 number = NumberOfSlot(slot);
            written += HoldsDriveValue(first[slot]) && number != 900 && number != 901;
        }
        const TarnctlResult result =
            RunTarnctl({"restore", Plant(), "--repo", Repo(), "--axis", "M01/Y", "--at",
                        firstCommit.left(7), "--verify", "--timing", "reply", "--timeout", "200"});
        QVERIFY2(result.code == 0, qPrintable(result.err));
        QCOMPARE(result.out, QStringLiteral("已寫入 %1 個參數，請重開驅動器\n").arg(written));
        QCOMPARE(result.err, QStringLiteral("還原 M01/Y 自 %1\n").arg(firstCommit.left(10)));
        const QMap<quint16, QString> state = y->State();
        QCOMPARE(state.value(100), QStringLiteral("0190"));
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const quint16 number = NumberOfSlot(slot);
            if (HoldsDriveValue(first[slot]) && number != 900 && number != 901) {
                QCOMPARE(state.value(number), first[slot]);
            }
        }
    }

    // Pushed also when this run committed nothing; a remote that moved on
    // refuses, and the local commit stays.
    void pushToABareRepositoryAndARejectedPush() {
        const QString bare = Path("remote.git");
        QCOMPARE(Git(dir.path(), {"init", "-q", "--bare", bare}).code, 0);
        QCOMPARE(RunTarnctl({"-p", y->Device(), "write", "100", "500"}).code,
                 0); // as last backed up
        const TarnctlResult pushed = Backup({"--push", bare});
        QVERIFY2(pushed.code == 0, qPrintable(pushed.err));
        QVERIFY2(pushed.out.endsWith(QStringLiteral("已推送到 %1\n").arg(bare)),
                 qPrintable(pushed.out));
        const QString branch = GitOut(Repo(), {"symbolic-ref", "--short", "HEAD"});
        QCOMPARE(GitOut(bare, {"rev-parse", branch}), GitOut(Repo(), {"rev-parse", "HEAD"}));

        const QString other = Path("other");
        QCOMPARE(Git(dir.path(), {"clone", "-q", bare, other}).code, 0);
        QVERIFY(PutFile(other + "/README", "elsewhere\n"));
        QCOMPARE(Git(other, {"add", "README"}).code, 0);
        QCOMPARE(Git(other, {"-c", "user.name=Site B", "-c", "user.email=b@example.com", "commit",
                             "-q", "-m", "elsewhere"})
                     .code,
                 0);
        QCOMPARE(Git(other, {"push", "-q", "origin", branch}).code, 0);

        QVERIFY(x->Command("set 103 0014"));
        const int before = CommitCount(Repo());
        const TarnctlResult rejected = Backup({"--push", bare});
        QVERIFY2(rejected.code == 3, qPrintable(rejected.err));
        QCOMPARE(CommitCount(Repo()), before + 1);
        const QString prefix =
            QStringLiteral("tarnctl: 推送到 %1 失敗，本機的提交保留：").arg(bare);
        QVERIFY2(rejected.err.startsWith(prefix) && rejected.err.contains("[rejected]"),
                 qPrintable(rejected.err));
        QCOMPARE(GitOut(bare, {"rev-parse", branch}), GitOut(other, {"rev-parse", "HEAD"}));
    }

    // Another run holds the repository: refused at once, no drive read.
    void repositoryInUseIsRefusedBeforeAnyRead() {
        const int fd = ::open(QFile::encodeName(Repo()).constData(), O_RDONLY);
        QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0);
        const qsizetype heard = x->Requests().size();
        const TarnctlResult result = Backup();
        ::close(fd);
        QCOMPARE(result.code, 5);
        QCOMPARE(result.err,
                 QStringLiteral("tarnctl: 儲存庫 %1 正由另一個 tarnctl 使用\n").arg(Repo()));
        QCOMPARE(x->Requests().size(), heard);
    }

    // A git program that died left its lock: named, refused before any read.
    void staleGitLockIsRefusedBeforeAnyRead_data() {
        QTest::addColumn<QString>("lock");
        QTest::newRow("index") << ".git/index.lock";
        QTest::newRow("HEAD") << ".git/HEAD.lock";
    }
    void staleGitLockIsRefusedBeforeAnyRead() {
        QFETCH(QString, lock);
        const QString file = Repo() + "/" + lock;
        QVERIFY(PutFile(file, {}));
        const qsizetype heard = x->Requests().size();
        const TarnctlResult result = Backup();
        QFile::remove(file);
        QCOMPARE(result.code, 5);
        QCOMPARE(result.err, QStringLiteral("tarnctl: 儲存庫 %1 有 git 留下的鎖定檔 %2；"
                                            "沒有 git 程式在執行時請刪除它\n")
                                 .arg(Repo(), file));
        QCOMPARE(x->Requests().size(), heard);
    }

    // The branch cannot be moved: the files are put back as last committed,
    // and the step is named with all git said.
    void failedCommitStepLeavesTheRepositoryAsItWas() {
        const QString branch = GitOut(Repo(), {"symbolic-ref", "HEAD"});
        const QString lock = Repo() + "/.git/" + branch + ".lock";
        QVERIFY(PutFile(lock, {}));
        QVERIFY(x->Command("set 104 0021"));
        const QString head = GitOut(Repo(), {"rev-parse", "HEAD"});
        const TarnctlResult result = Backup();
        QFile::remove(lock);
        QCOMPARE(result.code, 5);
        QVERIFY2(
            result.err.startsWith(
                QStringLiteral(
                    "tarnctl: 提交失敗，檔案已還原為上次提交的內容：git update-ref 失敗（%1）：")
                    .arg(Repo())) &&
                result.err.endsWith("remove the file manually to continue.\n"),
            qPrintable(result.err));
        QCOMPARE(GitOut(Repo(), {"rev-parse", "HEAD"}), head);
        QCOMPARE(GitOut(Repo(), {"status", "--porcelain"}), QString());
        const TarnctlResult again = Backup();
        QVERIFY2(again.code == 1, qPrintable(again.err));
    }

    // A folder not there yet is still inside the repository it would be
    // made in, also when reached through a link.
    void newFolderInsideARepositoryIsRefused_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("below it") << Repo() + "/newdir";
        QTest::newRow("through a link") << Path("repo-link") + "/sub";
    }
    void newFolderInsideARepositoryIsRefused() {
        QFETCH(QString, folder);
        QVERIFY(QFile::exists(Path("repo-link")) || QFile::link(Repo(), Path("repo-link")));
        const TarnctlResult result = RunTarnctl({"backup", Plant(), "--repo", folder});
        QCOMPARE(result.code, 5);
        QCOMPARE(
            result.err,
            QStringLiteral("tarnctl: %1 在另一個 git 儲存庫之中，不在此建立儲存庫\n").arg(folder));
        QVERIFY(!QFileInfo::exists(folder));
    }

    // Every line git gave reaches the user.
    void pushToNoSuchRemoteSaysAllGitSaid() {
        const TarnctlResult result = Backup({"--push", "origin"});
        QCOMPARE(result.code, 3);
        QCOMPARE(result.err,
                 QStringLiteral("tarnctl: 推送到 origin 失敗，本機的提交保留：\n"
                                "fatal: 'origin' does not appear to be a git repository\n"
                                "fatal: Could not read from remote repository.\n"
                                "Please make sure you have the correct access rights\n"
                                "and the repository exists.\n"));
    }

    // Ctrl-C while a device server has not answered the connection yet:
    // the run ends at once and commits nothing.
    void ctrlCWhileConnectingCommitsNothing() {
        QTcpServer mute; // takes the connection, never answers telnet
        QVERIFY(mute.listen(QHostAddress::LocalHost));
        const QString plant = Path("mute.json");
        QVERIFY(PutFile(
            plant, PlantJson({{"M01", "X", x->Device()},
                              {"M05", "N",
                               QStringLiteral("rfc2217://127.0.0.1:%1").arg(mute.serverPort())}})));
        Tarnctl run({"backup", plant, "--repo", Path("mute-repo")});
        QVERIFY(mute.waitForNewConnection(20000));
        run.Interrupt();
        const TarnctlResult result = run.Wait(2000);
        QCOMPARE(result.code, 130);
        QCOMPARE(result.err, QStringLiteral("tarnctl: 已中斷，沒有提交\n"));
        QVERIFY(Git(Path("mute-repo"), {"rev-parse", "--verify", "-q", "HEAD"}).code != 0);
    }

    // Names of any script: each change is listed under them.
    void historyOfAxesWithChineseNames() {
        const QString plant = Path("tw.json");
        const QString repo = Path("tw-repo");
        QVERIFY(PutFile(plant, PlantJson({{"機台二", "主軸", x->Device()}})));
        const QStringList backup{"backup",   plant,   "--repo",    repo,
                                 "--timing", "reply", "--timeout", "200"};
        QVERIFY(x->Command("set 100 0190"));
        QCOMPARE(RunTarnctl(backup).code, 1);
        QVERIFY(x->Command("set 100 01F4"));
        QCOMPARE(RunTarnctl(backup).code, 1);
        const TarnctlResult result = RunTarnctl({"history", "--repo", repo});
        QVERIFY2(result.code == 0, qPrintable(result.err));
        QVERIFY2(result.out.endsWith(QStringLiteral(" 機台二/主軸 Pn100 KVP1 400 → 500 0.1Hz\n")),
                 qPrintable(result.out));
        QCOMPARE(result.OutLines().size(), 1);
    }

    // An axis the repository never held is refused as restore refuses one
    // its plant file lacks; names are compared exactly.
    void historyOfAnUnknownAxisIsRefused_data() {
        QTest::addColumn<QString>("axis");
        QTest::newRow("other case") << "m01/x";
        QTest::newRow("never there") << "M01/Q";
    }
    void historyOfAnUnknownAxisIsRefused() {
        QFETCH(QString, axis);
        const TarnctlResult history = RunTarnctl({"history", "--repo", Repo(), "--axis", axis});
        QCOMPARE(history.code, 2);
        QCOMPARE(history.err,
                 QStringLiteral("tarnctl: 儲存庫 %1 沒有 %2 這一軸\n").arg(Repo(), axis));
        const TarnctlResult restore =
            RunTarnctl({"restore", Plant(), "--repo", Repo(), "--axis", axis});
        QCOMPARE(restore.code, 2);
        QCOMPARE(restore.err,
                 QStringLiteral("tarnctl: 廠區檔 %1 沒有 %2 這一軸\n").arg(Plant(), axis));
    }

    // git log -p over a committed file the check refuses: the conversion
    // shows its lines marked, and git goes on.
    void gitLogOverAnUnreadableFileGoesOn() {
        QCOMPARE(GitOut(Repo(), {"config", "diff.tarn.textconv"}),
                 QStringLiteral("'%1' show --textconv").arg(qEnvironmentVariable("TARNCTL")));
        const QString file = Repo() + "/M01/X.tarn";
        QVERIFY(PutFile(file, "P000\r\nP999zz\r\n"));
        QCOMPARE(RunTarnctl({"show", file}).code, 5);
        const TarnctlResult shown = RunTarnctl({"show", "--textconv", file});
        QCOMPARE(shown.code, 0);
        QCOMPARE(shown.out, QStringLiteral("（無法讀取） P000\n（無法讀取） P999zz\n"));
        QCOMPARE(Git(Repo(), {"-c", "user.name=Hand", "-c", "user.email=h@example.com", "commit",
                              "-q", "-m", "hand", "M01/X.tarn"})
                     .code,
                 0);
        const GitRun log = Git(Repo(), {"log", "-p", "-1", "--format=", "--", "M01/X.tarn"});
        QVERIFY2(log.code == 0, qPrintable(log.err));
        QVERIFY2(log.out.contains("\n+（無法讀取） P999zz\n"), qPrintable(log.out));
    }

    void cleanupTestCase() {
        server.reset();
        x.reset();
        y.reset();
        z.reset();
    }

private:
    // The axis's file as of `commit`, written out for the file reader.
    QString ExportAt(const QString& commit, const QString& axis) {
        const QString file =
            Path(QStringLiteral("%1-%2.tarn").arg(commit.left(7), QString(axis).replace('/', '-')));
        QProcess git;
        git.setStandardOutputFile(file);
        git.start("git", {"-C", Repo(), "cat-file", "blob", commit + ":" + axis + ".tarn"});
        git.waitForFinished(30000);
        return file;
    }

    QString ParameterOf(const QString& commit, const QString& axis, quint16 number) {
        const ParameterValues values = ReadParameterFile(ExportAt(commit, axis));
        return QString::number(values[size_t(SlotOf(number))].toUInt(nullptr, 16));
    }
};

QTEST_GUILESS_MAIN(TestTarnctlBackup)
#include "test_tarnctl_backup.moc"
