// What tarnctl leaves on the wire and in its trace: input waiting before a
// run is not taken for a reply (over a pty and through ser2net), and
// --trace appends one whole line per exchange, from threads and processes.
#include "TarnctlRun.h"
#include "support/DriveSim.h"
#include "support/Ser2Net.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<QStringList> TraceRows(const QString& path) {
    QFile file(path);
    QList<QStringList> rows;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty()) {
                rows << QString::fromUtf8(line).split(QLatin1Char('\t'));
            }
        }
    }
    return rows;
}

// Time and wait vary; the rest of a row is exact.
QStringList Steady(const QStringList& row) {
    return {row.value(1), row.value(2), row.value(3), row.value(5)};
}

const QRegularExpression
    kTime(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}[+-]\\d\\d:\\d\\d$"));

} // namespace

class TarnctlWireTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // A plain drive, and a marked Pn000 reply of an earlier run waiting in
    // the port: judged, it would set the marked format and every read
    // would give None.
    void staleGreetingReplyIsThrownAwayOnOpening_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("pty") << "pty";
        QTest::newRow("ser2net raw") << "raw";
        QTest::newRow("ser2net rfc2217") << "rfc2217";
    }
    void staleGreetingReplyIsThrownAwayOnOpening() {
        QFETCH(QString, path);
        DriveSim sim({"--format", "1"});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        std::unique_ptr<Ser2Net> server;
        QString port = sim.Device();
        if (path != QLatin1String("pty")) {
            if (Ser2Net::Program().isEmpty()) {
                QSKIP("ser2net is not installed");
            }
            server = std::make_unique<Ser2Net>(QStringList{sim.Device()});
            QVERIFY2(server->Start(), qPrintable(server->Error()));
            port = path == QLatin1String("raw") ? server->RawAddress() : server->Rfc2217Address();
        }
        QVERIFY(sim.Command("late-param 0:150"));
        const TarnctlResult late = RunTarnctl({"-p", port, "read", "100"});
        QCOMPARE(late.code, 3);
        QVERIFY(sim.Command("late-param 0:0"));
        QVERIFY(sim.Command("format 0"));
        QTest::qWait(300); // the marked reply is in the port now
        const TarnctlResult result = RunTarnctl({"-p", port, "read", "100"});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, QStringLiteral("Pn100 0001 1 0.1Hz\n"));
        QCOMPARE(result.code, 0);
    }

    void traceHasOneLinePerExchange_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<QStringList>>("rows"); // port, sent, received, verdict
        const QString P = QStringLiteral("PORT");
        QTest::newRow("read") << QStringList{"--format", "0"}
                              << QStringList{"--timing", "reply", "--timeout", "300", "read", "101"}
                              << 0
                              << QList<QStringList>{
                                     {P, ":P000????\\r", ":P0000000\\r", "format 0"},
                                     {P, ":P101????\\r", ":P1010000\\r", "value 0000"}};
        QTest::newRow("write")
            << QStringList{}
            << QStringList{"--timing", "reply", "--timeout", "300", "write", "101", "5"} << 0
            << QList<QStringList>{{P, ":P000????\\r", ":P000=0x0000\\r", "format 1"},
                                  {P, ":P101=0x0005\\r", ":P101=0x0005\\r", "written"},
                                  {P, ":P101????\\r", ":P101=0x0005\\r", "value 0005"}};
        QTest::newRow("silent drive")
            << QStringList{"--silent"} << QStringList{"read", "101"} << 3
            << QList<QStringList>{{P, ":P000????\\r", "", "undetermined"}};
        // Pn100's reply comes after its 60 ms wait, inside Pn101's.
        QTest::newRow("stale frame skipped")
            << QStringList{"--late-param", "100:70"}
            << QStringList{"--timing", "reply", "--timeout", "60", "read", "100", "101"} << 3
            << QList<QStringList>{
                   {P, ":P000????\\r", ":P000=0x0000\\r", "format 1"},
                   {P, ":P100????\\r", "", "empty"},
                   {P, ":P101????\\r", ":P100=0x0001\\r:P101=0x0000\\r", "value 0000 stale 1"}};
    }
    void traceHasOneLinePerExchange() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QList<QStringList>, rows);
        DriveSim sim(options);
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        const QString trace = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()));
        const TarnctlResult result =
            RunTarnctl(QStringList{"-p", sim.Device(), "--trace", trace} + arguments);
        QVERIFY2(result.code == code, qPrintable(result.err));
        QList<QStringList> steady;
        for (const QStringList& row : TraceRows(trace)) {
            QCOMPARE(row.size(), 6);
            QVERIFY2(kTime.match(row[0]).hasMatch(), qPrintable(row[0]));
            QVERIFY2(row[4].toInt() >= 0 && row[4].toInt() < 1000, qPrintable(row[4]));
            steady << Steady(row);
        }
        for (QStringList& row : rows) {
            row[0] = sim.Device();
        }
        QCOMPARE(steady, rows);
    }

    // Two drives (two threads) of one run and a second run append to one
    // file at once: every line whole.
    void threadsAndProcessesShareOneTraceFile() {
        DriveSim a;
        DriveSim b;
        DriveSim c;
        for (DriveSim* sim : {&a, &b, &c}) {
            QVERIFY2(sim->Start(), qPrintable(sim->Error()));
        }
        const QString trace = dir_.filePath(QStringLiteral("shared.log"));
        const QStringList timing{"--timing", "reply", "--timeout", "300", "--trace", trace};
        Tarnctl two(QStringList{"-p", a.Device(), "-p", b.Device()} + timing +
                    QStringList{"save", dir_.filePath("{port}.tarn")});
        Tarnctl one(QStringList{"-p", c.Device()} + timing +
                    QStringList{"save", dir_.filePath("c.tarn")});
        QCOMPARE(two.Wait().code, 0);
        QCOMPARE(one.Wait().code, 0);
        QMap<QString, int> perPort;
        for (const QStringList& row : TraceRows(trace)) {
            QCOMPARE(row.size(), 6);
            QVERIFY2(kTime.match(row[0]).hasMatch(), qPrintable(row.join('|')));
            QVERIFY2(row[5].startsWith("value ") || row[5] == "format 1",
                     qPrintable(row.join('|')));
            ++perPort[row[1]];
        }
        // The greeting and 309 reads each.
        const QMap<QString, int> expected{{a.Device(), 310}, {b.Device(), 310}, {c.Device(), 310}};
        QCOMPARE(perPort, expected);
    }
};

QTEST_GUILESS_MAIN(TarnctlWireTest)
#include "test_tarnctl_wire.moc"
