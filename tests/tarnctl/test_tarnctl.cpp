// tarnctl as a script runs it: a real process against virtual drives on
// ptys, judged by its exit code, its output and the drives' logs and state.
#include "TarnctlRun.h"
#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "core/Version.h"
#include "drive/WriteRule.h"
#include "editing/EditRules.h"
#include "files/ParameterFile.h"
#include "files/ParameterFileSamples.h"
#include "report/ReportBuilder.h"
#include "report/ReportCsv.h"
#include "report/ReportHtml.h"
#include "support/DriveSim.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// The parameters the drive was asked to store, in order.
QList<quint16> Writes(const DriveSim& sim) {
    QList<quint16> numbers;
    for (const QByteArray& request : sim.Requests()) {
        if (!request.contains("????")) {
            numbers << request.mid(2, 3).toUShort();
        }
    }
    return numbers;
}

// The greeting, then one read of every parameter in file order: a save.
QList<QByteArray> SaveTraffic() {
    QList<QByteArray> requests{":P000????\r"};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        requests << QStringLiteral(":P%1????\r")
                        .arg(NumberOfSlot(slot), 3, 10, QLatin1Char('0'))
                        .toLatin1();
    }
    return requests;
}

ParameterValues ValuesOf(const QMap<quint16, QString>& state) {
    ParameterValues values;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        values[slot] = state.value(NumberOfSlot(slot));
    }
    return values;
}

QString Slot(const ParameterValues& values, quint16 number) {
    return values[size_t(SlotOf(number))];
}

QJsonArray Drives(const TarnctlResult& result) {
    return QJsonDocument::fromJson(result.out.toUtf8()).object().value("drives").toArray();
}

} // namespace

class TestTarnctl : public QObject {
    Q_OBJECT

    QTemporaryDir dir{QDir::tempPath() + "/tarnctl-XXXXXX"};

    QString Path(const QString& name) const { return dir.filePath(name); }
    QString PutValues(const QString& name, const ParameterValues& values) const {
        PutFile(Path(name), ParameterFileBytes(values));
        return Path(name);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(!qEnvironmentVariableIsEmpty("TARNCTL"), "TARNCTL names the program under test");
        // One device under two names: the path and a link to it.
        QVERIFY(PutFile(Path("ttyS9"), {}));
        QVERIFY(QFile::link(Path("ttyS9"), Path("by-id-axis")));
    }

    void usageErrorsExitTwoWithOneLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "--bogus";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << "frobnicate";
        QTest::newRow("read without numbers") << QStringList{"-p", "1", "read"} << "read";
        QTest::newRow("number without slot") << QStringList{"-p", "1", "read", "50"} << "Pn050";
        QTest::newRow("COM number out of range") << QStringList{"-p", "10", "read", "100"} << "10";
        QTest::newRow("port twice") << QStringList{"-p", "1,COM1", "read", "100"} << "COM1";
        QTest::newRow("server twice, either form")
            << QStringList{"-p", "tcp://box:4001,rfc2217://BOX:4001", "read", "100"}
            << "rfc2217://BOX:4001";
        QTest::newRow("address without a port")
            << QStringList{"-p", "rfc2217://box", "read", "100"} << "rfc2217://box";
        QTest::newRow("timing neither fixed nor reply")
            << QStringList{"-p", "1", "--timing", "fast", "read", "100"} << "fast";
        QTest::newRow("timeout below 10 ms")
            << QStringList{"-p", "1", "--timeout", "9", "read", "100"} << "--timeout";
        QTest::newRow("timeout above 5000 ms")
            << QStringList{"-p", "1", "--timeout", "5001", "read", "100"} << "5001";
        QTest::newRow("no port") << QStringList{"read", "100"} << "--port";
        QTest::newRow("save of two drives without {port}")
            << QStringList{"-p", "1,2", "save", "axis.tarn"} << "{port}";
        QTest::newRow("raw value not four digits")
            << QStringList{"-p", "1", "write", "100", "--raw", "12345"} << "12345";
        QTest::newRow("option of another command")
            << QStringList{"-p", "1", "read", "100", "--verify"} << "--verify";
        QTest::newRow("port for ports") << QStringList{"ports", "-p", "1"} << "--port";
        QTest::newRow("diff of one file without a drive")
            << QStringList{"diff", "a.tarn"} << "diff";
        QTest::newRow("report without -o") << QStringList{"report", "a.tarn"} << "-o";
        QTest::newRow("report in no format")
            << QStringList{"report", "a.tarn", "-o", "a.txt"} << "a.txt";
        QTest::newRow("report of two drives without {port}")
            << QStringList{"-p", "1,2", "report", "-o", "r.pdf"} << "{port}";
        QTest::newRow("report of neither drive nor file")
            << QStringList{"report", "-o", "r.pdf"} << "report";
        QTest::newRow("find without text") << QStringList{"find"} << "find";
        QTest::newRow("find of an empty text") << QStringList{"find", ""} << "請給要找的文字";
        QTest::newRow("empty timing")
            << QStringList{"-p", "1", "--timing", "", "read", "100"} << "--timing";
        QTest::newRow("address with a user name")
            << QStringList{"-p", "tcp://user@box:4001", "read", "100"} << "位址不可含使用者名稱";
        QTest::newRow("one device by its path and a link")
            << QStringList{"-p", Path("ttyS9") + "," + Path("by-id-axis"), "read", "100"}
            << "通訊埠重複：" + Path("ttyS9") + " 與 " + Path("by-id-axis");
        QTest::newRow("one server by name and by address")
            << QStringList{"-p", "tcp://localhost:4001,tcp://127.0.0.1:4001", "read", "100"}
            << "網路位址重複：tcp://localhost:4001 與 tcp://127.0.0.1:4001";
        QTest::newRow("escape sequence in the machine")
            << QStringList{"report", "a.tarn", "-o", "a.html", "--machine", "A\x1b[31mB"}
            << "機台 含有控制字元（第 2 個字元）";
        QTest::newRow("tab in the note")
            << QStringList{"report", "a.tarn", "-o", "a.html", "--note", "行一\n行\t二"}
            << "備註 含有控制字元（第 5 個字元）";
        QTest::newRow("line feed in the customer")
            << QStringList{"report", "a.tarn", "-o", "a.html", "--customer", "大\n成"}
            << "客戶 含有控制字元（第 2 個字元）";
        QTest::newRow("C1 control in the technician")
            << QStringList{"report", "a.tarn", "-o", "a.html", "--technician", "林\xc2\x85"}
            << "技術員 含有控制字元（第 2 個字元）";
    }
    // Refused before any port is opened (COM 1 need not exist here).
    void usageErrorsExitTwoWithOneLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const TarnctlResult result = RunTarnctl(arguments);
        QCOMPARE(result.code, 2);
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.ErrLines().size(), 1);
        QVERIFY2(result.err.contains(named), qPrintable(result.err));
    }

    void helpVersionAndBareCommand() {
        const TarnctlResult help = RunTarnctl({"--help"});
        QCOMPARE(help.code, 0);
        for (const char* code : {"  0  ", "  1  ", "  2  ", "  3  ", "  4  ", "  5  "}) {
            QVERIFY2(help.out.contains(code), code);
        }
        for (const char* command :
             {"ports", "read", "write", "save", "load", "diff", "report", "find"}) {
            const TarnctlResult own = RunTarnctl({command, "--help"});
            QCOMPARE(own.code, 0);
            QVERIFY2(own.out.contains(QStringLiteral("範例：\n  tarnctl ")), command);
            QVERIFY2(
                help.out.contains(QRegularExpression(QStringLiteral("\n  (-p PORT )?") + command)),
                command);
        }
        QCOMPARE(RunTarnctl({"--version"}).out, QStringLiteral("tarnctl " TARN_VERSION "\n"));
        const TarnctlResult bare = RunTarnctl({});
        QCOMPARE(bare.code, 2);
        QVERIFY(bare.out.isEmpty());
        QVERIFY(bare.err.contains(QStringLiteral("用法")));
    }

    // --lang wins over TARN_LANG (empty is none); a code of neither language
    // is refused in the language in force without it; the command line's
    // faults and the results for people read in the language chosen.
    void languageOfTheCommandLine_data() {
        QTest::addColumn<QString>("variable"); // TARN_LANG; null: not set
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString file = PutValues("same.tarn", samples::DistinctValues());
        const QString twoAxes = Path("two-axes.json");
        const QString oneAxis = Path("one-axis.json");
        PutFile(twoAxes, R"({"plant": "Plant A", "machines": [{"name": "M01", "axes": [
            {"name": "X", "port": "COM3"},
            {"name": "Y", "port": "COM4", "timing": "reply", "timeout": 100}]}]})");
        PutFile(
            oneAxis,
            R"({"plant": "Plant B", "machines": [{"name": "M01", "axes": [{"name": "X", "port": "COM3"}]}]})");
        const QString none;
        QTest::newRow("option of no language")
            << none << QStringList{"--lang", "xx", "read", "100"} << 2 << ""
            << "tarnctl: --lang 只能是 zh 或 en：xx\n";
        QTest::newRow("option of no language, told in the variable's")
            << "en" << QStringList{"--lang", "xx", "read", "100"} << 2 << ""
            << "tarnctl: --lang must be zh or en: xx\n";
        QTest::newRow("variable of no language")
            << "fr" << QStringList{"-p", "1", "read", "100"} << 2 << ""
            << "tarnctl: TARN_LANG 只能是 zh 或 en：fr\n";
        QTest::newRow("option over a variable of no language")
            << "fr" << QStringList{"--lang", "en", "-p", "1", "read"} << 2 << ""
            << "tarnctl: read needs at least one parameter number (for example read 100 101)\n";
        QTest::newRow("variable honoured")
            << "en" << QStringList{"-p", "10", "read", "100"} << 2 << ""
            << "tarnctl: port 10 is not between 1 and 9 (or give a device path)\n";
        QTest::newRow("option over the variable")
            << "en" << QStringList{"--lang", "zh", "-p", "10", "read", "100"} << 2 << ""
            << "tarnctl: 通訊埠 10 不在 1–9 之間（或請給裝置路徑）\n";
        QTest::newRow("empty variable is none")
            << "" << QStringList{"-p", "10", "read", "100"} << 2 << ""
            << "tarnctl: 通訊埠 10 不在 1–9 之間（或請給裝置路徑）\n";
        QTest::newRow("option without its value") << "en" << QStringList{"--lang"} << 2 << ""
                                                  << "tarnctl: option --lang needs a value\n";
        QTest::newRow("option of another command")
            << none << QStringList{"--lang", "en", "-p", "1", "read", "100", "--verify"} << 2 << ""
            << "tarnctl: option --verify does not apply to read\n";
        QTest::newRow("file compared with itself")
            << none << QStringList{"--lang", "en", "diff", file, file} << 0
            << file + " and " + file + " are the same\n"
            << "";
        QTest::newRow("axes counted")
            << "en" << QStringList{"plant", twoAxes} << 0
            << "Plant A: 2 axes\nM01/X COM3 fixed 40 ms\nM01/Y COM4 reply 100 ms\n"
            << "";
        QTest::newRow("one axis counted") << "en" << QStringList{"plant", oneAxis} << 0
                                          << "Plant B: 1 axis\nM01/X COM3 fixed 40 ms\n"
                                          << "";
        QTest::newRow("one axis counted in Chinese") << none << QStringList{"plant", oneAxis} << 0
                                                     << "Plant B：1 軸\nM01/X COM3 fixed 40 ms\n"
                                                     << "";
    }
    void languageOfTheCommandLine() {
        QFETCH(QString, variable);
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const TarnctlResult result = RunTarnctlWith("TARN_LANG", variable, arguments);
        QCOMPARE(result.err, err);
        QCOMPARE(result.out, out);
        QCOMPARE(result.code, code);
    }

    void helpInEnglish() {
        const TarnctlResult help = RunTarnctl({"--lang", "en", "--help"});
        QCOMPARE(help.code, 0);
        QCOMPARE(help.out, QStringLiteral(R"help(Usage: tarnctl [-p PORT]… <command> [arguments…]

The drive from the command line, with the window program's rules, messages and file
formats. With several ports the drives work at once, each output line led by its port.

Commands:
  ports                               What COM 1–9 open, and the system's serial ports
  -p PORT read N…                     Read parameters: number, value text, value, unit
  -p PORT write N VALUE               Write one parameter, checked and confirmed
  -p PORT save FILE                   Save all 309 parameters to a file (as Save File)
  -p PORT load FILE [--changed-only] [--force] [--verify]  Load a parameter file into the drive (as Load File)
  -p PORT diff FILE                   Compare a drive with a file, or two files
  -p PORT report -o NAME.pdf          Parameter report (PDF, HTML, CSV) of a drive or file
  find TEXT                           Find parameters by number or description (no drive)
  plant PLANT.json                    Check a plant file, list its axes (format: plant --help)
  backup PLANT.json --repo DIR [--push REMOTE] [--jobs N] [--on-changed CMD] [--on-failed CMD]  Read a plant's axes, commit the changed files to git
  show [--textconv] FILE.tarn         A file's 309 parameters in words (git's text conversion)
  history --repo DIR [--axis M01/X] [--param 100]  Parameter changes in a backup repository, newest first
  restore PLANT.json --repo DIR --axis M01/X [--at REV] [--verify]  Load an axis's backed-up file into its drive
  serve --repo DIR [--plant PLANT.json] [--listen ADDR:PORT]  The backup repository in a browser, read only
  release PLANT.json --repo DIR [--axis M01/X]… [--at REV] [-m TEXT] [--push REMOTE]  Mark backed-up files as released (handover settings)
  drift PLANT.json --repo DIR [--live] [--json] [--on-drift CMD] [--on-failed CMD]  Parameters that differ from the released settings
  status PLANT.json --repo DIR [--max-age HOURS] [--json] [--metrics FILE]  Each axis's last backup, last failure and drift
  query --repo DIR N… [--at REV] [--json]  These parameters of every axis, beside the released

Options:
  -p, --port <PORT>       COM number 1–9, device path or network address tcp://HOST:PORT, rfc2217://HOST:PORT; repeatable, or several separated by commas
  -h, --help              show this help
  -v, --version           show the version
  --timing <fixed|reply>  waiting: fixed waits the whole time (default), reply ends once the reply is whole
  --timeout <MS>          wait 10–5000 ms: a read waits MS, a write MS+10 (default 40)
  --trace <FILE>          append a line to FILE for every exchange with a drive (the trace)
  --lang <zh|en>          language of help, messages and reports: zh Chinese (default), en English; without it, TARN_LANG's

Exit codes (with several drives, the highest of theirs):
  0  success
  1  diff found differences; backup committed changes
  2  wrong command line
  3  port or drive: cannot open, no answer to the greeting, write not confirmed,
     --verify found a parameter not holding its written value, connection lost
  4  value refused by its rule (outside the allowed range)
  5  file refused or not writable; plant file or backup repository refused
  130  interrupted by Ctrl-C

Examples:
  tarnctl ports
  tarnctl -p 1 read 100 101 304
  tarnctl -p /dev/ttyUSB0 write 000 1-7-1
  tarnctl -p rfc2217://10.0.0.5:4001 --timing reply save axis.tarn
  tarnctl -p 1,2,3,4,5,6 save axis-{port}.tarn
  tarnctl -p 1 -p 2 load machine.tarn --changed-only --verify
  tarnctl diff a.tarn b.tarn
  tarnctl -p 1 report -o axis.pdf
  tarnctl backup plant.json --repo backup --timing reply --push origin

Help on each command: tarnctl <command> --help
)help"));
        QCOMPARE(RunTarnctlWith("TARN_LANG", "en", {"--help"}).out, help.out);
    }

    // A drive's results and messages in English, from a drive that garbles
    // one reply.
    void driveOutputInEnglish() {
        const auto sim = StartDrive({"--char-ms", "0", "--unmarked", "105"});
        QVERIFY(sim);
        const QString port = sim->Device();
        const QStringList english{"--lang", "en", "-p", port, "--timing", "reply"};
        const TarnctlResult read = RunTarnctl(english + QStringList{"read", "100", "105"});
        QCOMPARE(read.err, port + ": Pn105: the reply is not in the expected form\n");
        QCOMPARE(read.out, QStringLiteral("Pn100 0001 1 0.1Hz\n"));
        QCOMPARE(read.code, 3);
        const TarnctlResult refused = RunTarnctl(english + QStringList{"write", "304", "3001"});
        QCOMPARE(refused.err, port + ": Pn304 3001: not within the allowed range (-3000 ~ 3000)\n");
        QCOMPARE(refused.out, QString());
        QCOMPARE(refused.code, 4);
    }

    void readAndWriteAsTheGridDoes_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("plain replies") << "0";
        QTest::newRow("marked replies") << "1";
    }
    // Typed values take the edit rule (Pn904's bounds from the drive) and
    // read back as the grid shows them.
    void readAndWriteAsTheGridDoes() {
        QFETCH(QString, format);
        const auto sim = StartDrive({"--format", format});
        QVERIFY(sim);
        const QString port = sim->Device();
        const struct {
            quint16 number;
            QString typed;
            QString value;
            QString shown;
        } accepted[] = {{100, "500", "01F4", "500"},     {0, "1-7-1", "0171", "1-7-1"},
                        {213, "-1000", "FC18", "-1000"}, {512, "08-08", "0808", "08-08"},
                        {525, "44-1", "02C1", "44-1"},   {304, "-3000", "F448", "-3000"}};
        for (const auto& entry : accepted) {
            const QString name = PnName(entry.number);
            const TarnctlResult write =
                RunTarnctl({"-p", port, "write", QString::number(entry.number), entry.typed});
            QVERIFY2(write.code == 0, qPrintable(write.err));
            QCOMPARE(sim->State().value(entry.number), entry.value);
            const TarnctlResult read = RunTarnctl({"-p", port, "read", name});
            QCOMPARE(read.code, 0);
            QCOMPARE(read.OutLines().size(), 1);
            QVERIFY2(read.out.startsWith(name + ' ' + entry.value + ' ' + entry.shown),
                     qPrintable(read.out));
            QCOMPARE(write.out, read.out);
        }

        // Pn904 is 0BB8 (3000): 3001 is outside Pn304's bounds.
        const int writesBefore = Writes(*sim).size();
        const TarnctlResult refused = RunTarnctl({"-p", port, "write", "304", "3001"});
        QCOMPARE(refused.code, 4);
        QVERIFY2(refused.err.contains(QStringLiteral("不在允許範圍內")), qPrintable(refused.err));
        QVERIFY(refused.err.contains("Pn304"));
        const TarnctlResult notNumber = RunTarnctl({"-p", port, "write", "100", "5-3"});
        QCOMPARE(notNumber.code, 4);
        QVERIFY(notNumber.err.contains("'5-3' is not a valid integer value"));
        QCOMPARE(Writes(*sim).size(), writesBefore);

        const TarnctlResult raw = RunTarnctl({"-p", port, "write", "100", "--raw", "0005"});
        QCOMPARE(raw.code, 0);
        QCOMPARE(sim->State().value(100), QStringLiteral("0005"));
        const TarnctlResult json = RunTarnctl({"-p", port, "read", "100", "304", "--json"});
        QCOMPARE(json.code, 0);
        const QJsonArray parameters = Drives(json).at(0).toObject().value("parameters").toArray();
        QCOMPARE(parameters.size(), 2);
        QCOMPARE(parameters[0].toObject().value("value").toString(), QStringLiteral("0005"));
        QCOMPARE(parameters[1].toObject().value("display").toString(), QStringLiteral("-3000"));
        QCOMPARE(parameters[1].toObject().value("max").toString(), QStringLiteral("3000"));
    }

    void driveAndFileFaults() {
        // A drive that does not answer: exit 3 and no file.
        const auto silent = StartDrive({"--silent"});
        QVERIFY(silent);
        const TarnctlResult save = RunTarnctl({"-p", silent->Device(), "save", Path("silent")});
        QCOMPARE(save.code, 3);
        QVERIFY(save.err.contains(QStringLiteral("驅動器沒有回應")));
        QVERIFY(!QFile::exists(Path("silent.tarn")));

        const TarnctlResult missing = RunTarnctl({"-p", Path("no-such-port"), "read", "100"});
        QCOMPARE(missing.code, 3);
        QVERIFY(missing.err.startsWith(Path("no-such-port") + ": "));

        const auto hangsUp = StartDrive({"--hangup-after", "3"});
        QVERIFY(hangsUp);
        const TarnctlResult cut =
            RunTarnctl({"-p", hangsUp->Device(), "read", "100", "101", "102", "103", "104"});
        QCOMPARE(cut.code, 3);

        // A refused file reaches no drive, not even its greeting.
        const auto drive = StartDrive({});
        QVERIFY(drive);
        PutFile(Path("damaged.tarn"), samples::DamagedFiles().at(3).bytes);
        const TarnctlResult load =
            RunTarnctl({"-p", drive->Device(), "load", Path("damaged.tarn")});
        QCOMPARE(load.code, 5);
        QVERIFY(load.err.contains(Path("damaged.tarn")));
        QVERIFY(drive->Requests().isEmpty());
    }

    // A drive that leaves values out: the file and the report are written,
    // the gaps named, and a script sees exit 3.
    void saveAndReportWithValuesMissingExitThree() {
        const auto gaps = StartDrive({"--char-ms", "0", "--unmarked", "105"});
        QVERIFY(gaps);
        const TarnctlResult save =
            RunTarnctl({"-p", gaps->Device(), "--timing", "reply", "save", Path("gaps.tarn")});
        QCOMPARE(save.code, 3);
        QCOMPARE(save.out, QStringLiteral("已儲存 %1\n").arg(Path("gaps.tarn")));
        QCOMPARE(
            save.err,
            QStringLiteral("%1: 檔案已儲存，但下列參數沒有讀到數值：Pn105\n").arg(gaps->Device()));
        QCOMPARE(Slot(ReadParameterFile(Path("gaps.tarn")), 105), QStringLiteral("None"));
        const TarnctlResult report = RunTarnctl(
            {"-p", gaps->Device(), "--timing", "reply", "report", "-o", Path("gaps.csv")});
        QCOMPARE(report.code, 3);
        QCOMPARE(report.out, QStringLiteral("已寫入報告 %1\n").arg(Path("gaps.csv")));
        QCOMPARE(
            report.err,
            QStringLiteral("%1: 報告已寫入，但下列參數沒有讀到數值：Pn105\n").arg(gaps->Device()));
    }

    // Four drives saved at once, a fifth loaded meanwhile: each file is the
    // core's save of its drive's values, each log holds only its own
    // traffic, and the silent drive fails alone.
    void severalDrivesAtOnce() {
        ParameterValues values[3];
        for (int i = 0; i < 3; ++i) {
            values[i] = samples::DistinctValues();
            values[i][size_t(i)] = QStringLiteral("000%1").arg(i);
        }
        std::unique_ptr<DriveSim> drives[3];
        for (int i = 0; i < 3; ++i) {
            drives[i] = StartDrive({"--format", QString::number(i % 2), "--load",
                                    PutValues(QString("drive%1.tarn").arg(i), values[i])});
            QVERIFY(drives[i]);
        }
        const auto silent = StartDrive({"--silent"});
        const auto loaded = StartDrive({});
        QVERIFY(silent && loaded);
        const QString ports = QStringList{drives[0]->Device(), drives[1]->Device(),
                                          drives[2]->Device(), silent->Device()}
                                  .join(',');

        // Five drives and two tools share the machine: replies end the waits,
        // so a busy moment cannot turn a late reply into a missing value here
        // (fixed waits are the single-drive tests' subject).
        const QStringList byReply{"--timing", "reply", "--timeout", "500"};
        Tarnctl save(QStringList{"-p", ports, "save", Path("axis-{port}.tarn")} + byReply);
        // The distinct values break many rules: written as they are.
        Tarnctl load(QStringList{"-p", loaded->Device(), "load", Path("drive0.tarn"), "--force"} +
                     byReply);
        const TarnctlResult saved = save.Wait();
        const TarnctlResult loadedResult = load.Wait();

        QCOMPARE(saved.code, 3);
        QCOMPARE(saved.OutLines().size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QString device = drives[i]->Device();
            const QString file = Path("axis-" + device.section('/', -1) + ".tarn");
            QCOMPARE(FileBytes(file), ParameterFileBytes(values[i]));
            QVERIFY(saved.OutLines().at(i).startsWith(device + ": "));
            QCOMPARE(drives[i]->Requests(), SaveTraffic());
        }
        QCOMPARE(saved.ErrLines().size(), 1);
        QVERIFY(saved.err.startsWith(silent->Device() + QStringLiteral(": 驅動器沒有回應")));
        QVERIFY(!QFile::exists(Path("axis-" + silent->Device().section('/', -1) + ".tarn")));
        // Served side by side: every drive was asked before any was done.
        for (const auto& a : drives) {
            for (const auto& b : drives) {
                QVERIFY(a->Log().first().ms < b->Log().last().ms);
            }
        }

        QCOMPARE(loadedResult.code, 0);
        QVERIFY(loadedResult.out.contains(QStringLiteral("請重開驅動器")));
        QCOMPARE(Writes(*loaded).size(), 307);
        ParameterValues held = ValuesOf(loaded->State());
        for (const quint16 number : {900, 901}) {
            QCOMPARE(Slot(held, number), QStringLiteral("0000"));
            held[size_t(SlotOf(number))] = Slot(values[0], number);
        }
        QCOMPARE(held, values[0]);
    }

    // The drive's log as the judge: exactly the differing parameters are
    // written; a run with one that fails its rule writes nothing; --verify
    // catches a drive that confirms a write and keeps its value.
    void changedOnlyWritesExactlyTheDifferences() {
        ParameterValues base = samples::DistinctValues();
        base[size_t(SlotOf(904))] = QStringLiteral("0BB8");
        const QMap<quint16, QString> changes = {
            {0, "0171"},   {1, "0005"},   {109, "0015"}, {213, "FC18"}, {304, "0BB8"},
            {403, "FC18"}, {407, "F448"}, {415, "1011"}, {512, "0808"}, {525, "02C1"}};
        ParameterValues wanted = base;
        for (auto it = changes.begin(); it != changes.end(); ++it) {
            QVERIFY(StandingOf(*RecordOf(it.key()), it.value(), "0BB8") == ValueStanding::Within);
            wanted[size_t(SlotOf(it.key()))] = it.value();
        }
        wanted[size_t(SlotOf(100))] = QStringLiteral("0000"); // below Pn100's minimum of 1
        ParameterValues sameBadPn100 = base;
        sameBadPn100[size_t(SlotOf(100))] = QStringLiteral("0000");

        const auto keeps =
            StartDrive({"--load", PutValues("bad100.tarn", sameBadPn100), "--keep", "1"});
        const auto refuses = StartDrive({"--format", "0", "--load", PutValues("base.tarn", base)});
        const auto compared = StartDrive({"--load", Path("base.tarn")});
        QVERIFY(keeps && refuses && compared);
        const QString file = PutValues("wanted.tarn", wanted);

        // Three drives and two tools at once: replies end the waits (as in
        // severalDrivesAtOnce), so a busy moment loses no reply.
        const QStringList byReply{"--timing", "reply", "--timeout", "500"};
        Tarnctl load(QStringList{"-p", keeps->Device() + "," + refuses->Device(), "load", file,
                                 "--changed-only", "--verify", "--json"} +
                     byReply);
        Tarnctl diff(QStringList{"-p", compared->Device(), "diff", file} + byReply);
        const TarnctlResult result = load.Wait();
        const TarnctlResult differences = diff.Wait();

        QCOMPARE(result.code, 4);
        const QJsonArray drives = Drives(result);
        QCOMPARE(drives.size(), 2);
        QCOMPARE(Writes(*keeps), changes.keys());
        QCOMPARE(drives[0].toObject().value("exitCode").toInt(), 3);
        const QJsonArray notHeld = drives[0].toObject().value("notHeld").toArray();
        QCOMPARE(notHeld.size(), 1);
        QCOMPARE(notHeld[0].toObject().value("number").toInt(), 1);
        QCOMPARE(drives[1].toObject().value("exitCode").toInt(), 4);
        QCOMPARE(Writes(*refuses), QList<quint16>{});
        QCOMPARE(
            result.ErrLines(),
            (QStringList{keeps->Device() + QStringLiteral(": Pn001 讀回 40961 ---，應為 5 ---"),
                         refuses->Device() +
                             QStringLiteral(
                                 ": 以下參數超出允許範圍，沒有寫入任何參數（--force 仍然寫入）："),
                         refuses->Device() + QStringLiteral(": Pn100 0（1 ~ 20000）")}));

        QCOMPARE(differences.code, 1);
        QCOMPARE(differences.OutLines().size(), changes.size() + 1);
        // Pn000 held A000 in the base file: its digits 2 to 4 show, the
        // value text beside them.
        QVERIFY2(differences.out.startsWith(QStringLiteral("Pn000 0-0-0 (A000) → 1-7-1 (0171) ")),
                 qPrintable(differences.out));
    }

    void diffOfTwoFiles() {
        ParameterValues second = samples::DistinctValues();
        second[size_t(SlotOf(213))] = QStringLiteral("FC18");
        second[size_t(SlotOf(101))] = QStringLiteral("None");
        const QString a = PutValues("a.tarn", samples::DistinctValues());
        const QString b = PutValues("b.tarn", second);

        const TarnctlResult same = RunTarnctl({"diff", a, a});
        QCOMPARE(same.code, 0);
        QCOMPARE(same.out, a + QStringLiteral(" 與 ") + a + QStringLiteral(" 相同\n"));
        const TarnctlResult differ = RunTarnctl({"diff", a, b});
        QCOMPARE(differ.code, 1);
        QCOMPARE(differ.OutLines().size(), 2);
        // The distinct values are A and the slot in hex: Pn101 is A005,
        // Pn213 A026 (signed, -24538).
        QVERIFY2(differ.OutLines().at(0).startsWith(QStringLiteral("Pn101 40965 → None")),
                 qPrintable(differ.out));
        QVERIFY2(differ.OutLines().at(1).startsWith(QStringLiteral("Pn213 -24538 → -1000")),
                 qPrintable(differ.out));
    }

    // The search of 搜尋參數, without a drive: a line per hit, tab-separated,
    // exit 1 when nothing matches.
    void findPrintsTheHitsOfTheSearch() {
        const TarnctlResult found = RunTarnctl({"find", "編碼器脈波"});
        QCOMPARE(found.code, 0);
        QCOMPARE(found.out,
                 QStringLiteral("Pn201\t編碼器脈波輸出設定\tencoder pulse output setting\tPn2xx\n"
                                "Pn211\t編碼器脈波輸出數\tencoder output pulse count\tPn2xx\n"));
        QCOMPARE(RunTarnctl({"find", "pn904"}).out,
                 QStringLiteral("Pn904\t\t\tPn9xx（不在表格中）\n"));
        // Full-width digits and letters read as their ASCII selves.
        QCOMPARE(RunTarnctl({"find", "１００"}).out, RunTarnctl({"find", "100"}).out);
        const TarnctlResult fullWidth = RunTarnctl({"find", "ｇａｉｎ"});
        QVERIFY2(fullWidth.code == 0, qPrintable(fullWidth.err));
        QCOMPARE(fullWidth.out, RunTarnctl({"find", "gain"}).out);
        const TarnctlResult none = RunTarnctl({"find", "xyzzy"});
        QCOMPARE(none.code, 1);
        QVERIFY(none.out.isEmpty());
    }

    // A report of a file in each format, with no platform named: the PDF is
    // made without a display all the same, and nothing but the result is
    // said. A refused file gives no report (exit 5).
    void reportOfAFileInEachFormat() {
        const ParameterValues values = samples::DistinctValues();
        const QString file = PutValues("report.tarn", values);
        PutFile(Path("damaged.tarn"), samples::DamagedFiles().at(3).bytes);
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        qunsetenv("QT_QPA_PLATFORM");
        QList<TarnctlResult> results;
        for (const char* name : {"r.pdf", "r.html", "r.csv"})
            results << RunTarnctl({"report", file, "-o", Path(name)});
        const TarnctlResult refused =
            RunTarnctl({"report", Path("damaged.tarn"), "-o", Path("damaged.csv")});
        qputenv("QT_QPA_PLATFORM", platform);

        for (int i = 0; i < 3; ++i) {
            QVERIFY2(results[i].code == 0 && results[i].err.isEmpty(), qPrintable(results[i].err));
        }
        QCOMPARE(results[2].out, QStringLiteral("已寫入報告 %1\n").arg(Path("r.csv")));
        const ReportModel expected = BuildReport(FileSource(file), values);
        const auto withoutTime = [](QString html) {
            return html.remove(QRegularExpression("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));
        };
        QVERIFY(FileBytes(Path("r.pdf")).startsWith("%PDF-"));
        QCOMPARE(withoutTime(QString::fromUtf8(FileBytes(Path("r.html")))),
                 withoutTime(ReportHtml(expected)));
        QCOMPARE(FileBytes(Path("r.csv")), ReportCsvBytes(expected));

        QCOMPARE(refused.code, 5);
        QVERIFY2(refused.err.contains(Path("damaged.tarn")), qPrintable(refused.err));
        QVERIFY(!QFile::exists(Path("damaged.csv")));
    }

    // The report reads in --lang's language: the English report of a file is
    // the one the library builds in English.
    void reportInTheLanguageChosen() {
        const ParameterValues values = samples::DistinctValues();
        const QString file = PutValues("english.tarn", values);
        const TarnctlResult result =
            RunTarnctl({"--lang", "en", "report", file, "-o", Path("english.csv")});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, "Report written: " + Path("english.csv") + "\n");
        QCOMPARE(result.code, 0);
        QCOMPARE(FileBytes(Path("english.csv")),
                 ReportCsvBytes(
                     BuildReport(FileSource(file), values, {}, std::nullopt, Language::English)));
    }

    // The handover fields and a reference file as options: the report is the
    // one built with them; a refused reference gives none (exit 5).
    void reportWithHandoverFieldsAgainstAReference() {
        const ParameterValues values = samples::DistinctValues();
        ParameterValues agreed = values;
        agreed[5] = QStringLiteral("None");
        const QString file = PutValues("handed.tarn", values);
        const QString reference = PutValues("agreed.tarn", agreed);
        PutFile(Path("damaged.tarn"), samples::DamagedFiles().at(3).bytes);
        const QStringList fields{"--machine", "M-7",          "--axis", "X 軸",   "--customer",
                                 "大成",      "--technician", "林",     "--note", "第一行\n第二行"};
        const TarnctlResult csv = RunTarnctl(
            QStringList{"report", file, "-o", Path("h.csv"), "--against", reference} + fields);
        const TarnctlResult html = RunTarnctl(
            QStringList{"report", file, "-o", Path("h.html"), "--against", reference} + fields);
        const TarnctlResult refused = RunTarnctl(
            {"report", file, "-o", Path("refused.csv"), "--against", Path("damaged.tarn")});

        QVERIFY2(csv.code == 0 && html.code == 0, qPrintable(csv.err + html.err));
        const ReportModel expected =
            BuildReport(FileSource(file), values, {"M-7", "X 軸", "大成", "林", "第一行\n第二行"},
                        ReadReference(reference));
        QCOMPARE(expected.summary.differences, 1);
        QCOMPARE(FileBytes(Path("h.csv")), ReportCsvBytes(expected));
        const auto withoutTime = [](QString text) {
            return text.remove(QRegularExpression("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));
        };
        QCOMPARE(withoutTime(QString::fromUtf8(FileBytes(Path("h.html")))),
                 withoutTime(ReportHtml(expected)));
        QCOMPARE(refused.code, 5);
        QVERIFY2(refused.err.contains(Path("damaged.tarn")), qPrintable(refused.err));
        QVERIFY(!QFile::exists(Path("refused.csv")));
    }

    // Two drives reported at once, a silent one beside them: each report is
    // its drive's values, read as a save reads them; the silent drive gets
    // none and fails alone.
    void reportOfSeveralDrives() {
        ParameterValues values[2];
        std::unique_ptr<DriveSim> drives[2];
        for (int i = 0; i < 2; ++i) {
            values[i] = samples::DistinctValues();
            values[i][size_t(i)] = QStringLiteral("000%1").arg(i);
            drives[i] = StartDrive({"--format", QString::number(i), "--load",
                                    PutValues(QString("reported%1.tarn").arg(i), values[i])});
            QVERIFY(drives[i]);
        }
        const auto silent = StartDrive({"--silent"});
        QVERIFY(silent);
        const auto reportOf = [&](const QString& device) {
            return Path("axis-" + device.section('/', -1) + ".csv");
        };

        // Replies end the waits, as in severalDrivesAtOnce: three drives on a
        // busy machine are this test's setting, not its subject.
        const TarnctlResult result = RunTarnctl(
            {"-p", drives[0]->Device() + "," + drives[1]->Device() + "," + silent->Device(),
             "--timing", "reply", "--timeout", "500", "report", "-o", Path("axis-{port}.csv")});

        QCOMPARE(result.code, 3);
        QCOMPARE(result.OutLines().size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QString device = drives[i]->Device();
            QCOMPARE(result.OutLines().at(i), device + ": 已寫入報告 " + reportOf(device));
            // The CSV has no head: the source given here does not show.
            QCOMPARE(FileBytes(reportOf(device)),
                     ReportCsvBytes(BuildReport(FileSource(device), values[i])));
            QCOMPARE(drives[i]->Requests(), SaveTraffic());
        }
        QCOMPARE(result.ErrLines().size(), 1);
        QVERIFY(result.err.startsWith(silent->Device() + QStringLiteral(": 驅動器沒有回應")));
        QVERIFY(!QFile::exists(reportOf(silent->Device())));
    }

    // Ctrl-C: a save leaves the old file as it was and nothing beside it; a
    // load stops after the write in progress and names what it wrote.
    // The write rule's verdicts through tarnctl's paths, as test_write_rule
    // finds them through the drive object: write (one value per run, the
    // Pn904 the drive holds by then), load and load --changed-only (Pn904
    // as the run leaves it). Written or refused with exit 4 and nothing sent.
    void everyPathGivesTheSameVerdict_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("pn904"); // as the run leaves it
        QTest::addColumn<bool>("written");
        QTest::newRow("in range") << 100 << "500"
                                  << "01F4"
                                  << "0BB8" << true;
        QTest::newRow("out of range") << 100 << "30000"
                                      << "7530"
                                      << "0BB8" << false;
        QTest::newRow("Pn304, Pn904 raised") << 304 << "4000"
                                             << "0FA0"
                                             << "1388" << true;
        QTest::newRow("Pn304, Pn904 kept") << 304 << "4000"
                                           << "0FA0"
                                           << "0BB8" << false;
        // A parameter without a rule has no typed form: write takes it raw.
        QTest::newRow("Pn902 without a rule") << 902 << ""
                                              << "1234"
                                              << "0BB8" << true;
    }
    void everyPathGivesTheSameVerdict() {
        QFETCH(int, number);
        QFETCH(QString, typed);
        QFETCH(QString, value);
        QFETCH(QString, pn904);
        QFETCH(bool, written);
        const QStringList quick{"--timing", "reply"};
        const auto fresh = StartDrive({"--char-ms", "0"});
        QVERIFY(fresh);
        QCOMPARE(
            RunTarnctl(QStringList{"-p", fresh->Device(), "save", Path("fresh.tarn")} + quick).code,
            0);
        ParameterValues file = ReadParameterFile(Path("fresh.tarn"));
        file[size_t(SlotOf(kPn904))] = pn904;
        file[size_t(SlotOf(quint16(number)))] = value;
        const QString name = PutValues("verdict.tarn", file);
        const QString held = fresh->State().value(quint16(number));

        const auto bySteps = StartDrive({"--char-ms", "0"});
        const auto byLoad = StartDrive({"--char-ms", "0"});
        const auto byChanges = StartDrive({"--char-ms", "0"});
        QVERIFY(bySteps && byLoad && byChanges);
        if (pn904 != "0BB8") {
            QCOMPARE(
                RunTarnctl(QStringList{"-p", bySteps->Device(), "write", "904", "--raw", pn904} +
                           quick)
                    .code,
                0);
        }
        const QStringList write =
            typed.isEmpty() ? QStringList{"--raw", value} : QStringList{typed};
        const TarnctlResult steps = RunTarnctl(
            QStringList{"-p", bySteps->Device(), "write", QString::number(number)} + write + quick);
        const TarnctlResult load =
            RunTarnctl(QStringList{"-p", byLoad->Device(), "load", name} + quick);
        const TarnctlResult changes = RunTarnctl(
            QStringList{"-p", byChanges->Device(), "load", name, "--changed-only"} + quick);

        for (const auto& [result, sim] :
             {std::pair{&steps, bySteps.get()}, std::pair{&load, byLoad.get()},
              std::pair{&changes, byChanges.get()}}) {
            QCOMPARE(result->code, written ? 0 : 4);
            QCOMPARE(sim->State().value(quint16(number)), written ? value : held);
        }
        if (!written) {
            QCOMPARE(Writes(*byLoad), QList<quint16>{});
            QCOMPARE(load.ErrLines().last(),
                     byLoad->Device() + ": " +
                         RuleBreakLine(RuleBreaksOf({{quint16(number), value}}, pn904).front()));
        }
    }

    void ctrlCLeavesNoFileAndNamesWhatWasWritten() {
        const auto saving = StartDrive({});
        const auto loading = StartDrive({});
        QVERIFY(saving && loading);
        QDir folder(Path("interrupted"));
        QVERIFY(folder.mkpath("."));
        const QString old = folder.filePath("old.tarn");
        PutFile(old, "old contents\r\n");
        const QString file = PutValues("load.tarn", samples::DistinctValues());

        Tarnctl save({"-p", saving->Device(), "save", old});
        Tarnctl load({"-p", loading->Device(), "load", file, "--force"});
        QVERIFY(WaitFor([&] { return saving->Requests().size() > 20; }));
        QVERIFY(WaitFor([&] { return Writes(*loading).size() > 20; }));
        save.Interrupt();
        load.Interrupt();
        const TarnctlResult saved = save.Wait();
        const TarnctlResult loaded = load.Wait();

        QCOMPARE(saved.code, 130);
        QCOMPARE(FileBytes(old), QByteArray("old contents\r\n"));
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList{"old.tarn"});
        QVERIFY(saving->Requests().size() < SaveTraffic().size());

        QCOMPARE(loaded.code, 130);
        const QList<quint16> written = Writes(*loading);
        QVERIFY(written.size() < 307);
        QCOMPARE(loaded.err,
                 loading->Device() +
                     QStringLiteral(": 載入已停止：已中斷；已寫入 %1 個參數（Pn000 ~ %2），"
                                    "驅動器其餘參數未變更\n")
                         .arg(written.size())
                         .arg(PnName(written.last())));
    }
};

QTEST_GUILESS_MAIN(TestTarnctl)
#include "test_tarnctl.moc"
