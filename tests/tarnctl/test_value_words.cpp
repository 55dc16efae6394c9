// A few values in every output that names them, word for word: a digit
// group whose display hides a digit, a signed value and one with a unit.
// Each output is made the way a person meets it (tarnctl as a process, git
// reading the backup, the change list's and the grid's texts), so any
// change to how a value reads shows here.
#include "TarnctlRun.h"
#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "changes/ChangeTexts.h"
#include "support/FileBytes.h"
#include "values/DriveValues.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

struct Pinned {
    quint16 number;
    QString before; // value text in the first backup
    QString after;  // value text in the second
};

// Pn000 three-digit group, Pn213 signed, Pn100 with its unit.
const QList<Pinned> kPinned = {
    {0, "0010", "0171"},
    {213, "0064", "FC18"},
    {100, "0190", "01F4"},
};

QString Git(const QString& folder, const QStringList& arguments) {
    QProcess git;
    git.start(QStringLiteral("git"), QStringList{"-C", folder} + arguments);
    git.waitForFinished(30000);
    return QString::fromUtf8(git.readAllStandardOutput()).trimmed();
}

} // namespace

class TestValueWords : public QObject {
    Q_OBJECT

    QTemporaryDir dir{QDir::tempPath() + "/tarnctl-words-XXXXXX"};
    std::unique_ptr<DriveSim> drive;

    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Repo() const { return Path("repo"); }

    void Set(bool after) {
        for (const Pinned& p : kPinned)
            QVERIFY(drive->Command(QStringLiteral("set %1 %2")
                                       .arg(p.number, 3, 10, QLatin1Char('0'))
                                       .arg(after ? p.after : p.before)));
    }

    TarnctlResult Run(const QStringList& arguments) {
        const TarnctlResult result = RunTarnctl(arguments);
        [&] { QVERIFY2(result.code == 0 || result.code == 1, qPrintable(result.err)); }();
        return result;
    }

    // The lines of `text` that start with one of the pinned numbers.
    static QStringList PinnedLines(const QString& text, const QString& prefix = QString()) {
        QStringList lines;
        for (const Pinned& p : kPinned)
            for (const QString& line : text.split(QLatin1Char('\n')))
                if (line.startsWith(prefix + PnName(p.number) + QLatin1Char(' ')) ||
                    line.startsWith(prefix + PnName(p.number) + QLatin1Char(',')))
                    lines << line;
        return lines;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(!qEnvironmentVariableIsEmpty("TARNCTL"), "TARNCTL names the program under test");
        qputenv("GIT_CONFIG_GLOBAL", "/dev/null");
        qputenv("GIT_CONFIG_NOSYSTEM", "1");
        drive = StartDrive({"--char-ms", "0"});
        QVERIFY(drive);
        QVERIFY(PutFile(Path("plant.json"),
                        QStringLiteral("{\"plant\": \"廠A\", \"machines\": [{\"name\": \"M01\", "
                                       "\"axes\": [{\"name\": \"X\", \"port\": \"%1\"}]}]}\n")
                            .arg(drive->Device())
                            .toUtf8()));
    }

    // read, save, backup (its commit message), show, diff, history, report.
    void tarnctlOutputs() {
        const QStringList timing{"--timing", "reply", "--timeout", "200"};
        const QStringList backup =
            QStringList{"backup", Path("plant.json"), "--repo", Repo()} + timing;
        Set(false);
        Run(QStringList{"-p", drive->Device()} + timing + QStringList{"save", Path("before.tarn")});
        Run(backup);
        Set(true);
        Run(QStringList{"-p", drive->Device()} + timing + QStringList{"save", Path("after.tarn")});
        Run(backup);

        QCOMPARE(Run(QStringList{"-p", drive->Device()} + timing +
                     QStringList{"read", "0", "213", "100"})
                     .out,
                 QStringLiteral("Pn000 0171 1-7-1 ---\n"
                                "Pn213 FC18 -1000 pulse\n"
                                "Pn100 01F4 500 0.1Hz\n"));
        QCOMPARE(Git(Repo(), {"log", "-1", "--format=%B"}),
                 QStringLiteral("備份 廠A：1 軸變更，0 軸無回應，0 軸相同\n\n"
                                "M01/X Pn000 %1 0-1-0 (0010) → 1-7-1 (0171) ---\n"
                                "M01/X Pn100 KVP1 400 → 500 0.1Hz\n"
                                "M01/X Pn213 %2 100 → -1000 pulse")
                     .arg(QString::fromUtf8(RecordOf(0)->description),
                          QString::fromUtf8(RecordOf(213)->description)));
        QCOMPARE(PinnedLines(Run({"show", Path("after.tarn")}).out),
                 QStringList(
                     {"Pn000 " + QString::fromUtf8(RecordOf(0)->description) + " 1-7-1 (0171) ---",
                      "Pn213 " + QString::fromUtf8(RecordOf(213)->description) + " -1000 pulse",
                      "Pn100 KVP1 500 0.1Hz"}));
        QCOMPARE(Run({"diff", Path("before.tarn"), Path("after.tarn")}).out,
                 QStringLiteral("Pn000 0-1-0 (0010) → 1-7-1 (0171) ---\n"
                                "Pn100 400 → 500 0.1Hz\n"
                                "Pn213 100 → -1000 pulse\n"));
        const QString head = Git(Repo(), {"log", "-1", "--date=iso", "--format=%ad"}) +
                             QLatin1Char(' ') + Git(Repo(), {"rev-parse", "--short=10", "HEAD"}) +
                             QStringLiteral(" M01/X ");
        QCOMPARE(Run({"history", "--repo", Repo()}).out,
                 head + "Pn000 " + QString::fromUtf8(RecordOf(0)->description) +
                     " 0-1-0 (0010) → 1-7-1 (0171) ---\n" + head + "Pn100 KVP1 400 → 500 0.1Hz\n" +
                     head + "Pn213 " + QString::fromUtf8(RecordOf(213)->description) +
                     " 100 → -1000 pulse\n");

        Run({"report", Path("after.tarn"), "-o", Path("after.csv")});
        QCOMPARE(PinnedLines(QString::fromUtf8(FileBytes(Path("after.csv")))),
                 QStringList({"Pn000,功能選擇 1,function selection 1,\"S,P,T(重開機)\",0171,1-7-1,"
                              "---,0-0-0,1-7-1,yes\r",
                              "Pn213,馬達Index Offset Value,motor index offset value,P(立即),FC18,"
                              "-1000,pulse,-9999,9999,yes\r",
                              "Pn100,KVP1,,S(立即),01F4,500,0.1Hz,1,20000,yes\r"}));
    }

    // The change list's row and the grid's value column, from the texts.
    void changeListAndGrid() {
        DriveValues values;
        QStringList changes;
        QStringList grid;
        for (const Pinned& p : kPinned) {
            ChangeRow row;
            row.time = QTime(8, 30, 5);
            row.number = p.number;
            row.originalText = p.before;
            row.newText = p.after;
            row.result = ChangeResult::Written;
            changes << ChangeRowTexts(row).join(QLatin1Char('|'));
            values.PmStringSheet.Value(p.number) = p.after;
            values.SplitDigits(p.number);
            values.UpdateSignedValue(p.number);
            grid << values.DisplayText(RecordOf(p.number)->form, p.number);
        }
        QCOMPARE(changes, QStringList({"08:30:05|Pn000|功能選擇 1|0-1-0|1-7-1|已寫入",
                                       "08:30:05|Pn213|馬達Index Offset Value|100|-1000|已寫入",
                                       "08:30:05|Pn100|KVP1|400|500|已寫入"}));
        QCOMPARE(grid, QStringList({"1-7-1", "-1000", "500"}));
    }

    void cleanupTestCase() { drive.reset(); }
};

QTEST_GUILESS_MAIN(TestValueWords)
#include "test_value_words.moc"
