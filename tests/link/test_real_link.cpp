// Drive links over a real pty, against the virtual drive.
#include "core/TarnError.h"
#include "link/DriveLink.h"
#include "link/DriveProtocol.h"
#include "link/QtSerialDevice.h"
#include "link/TMSComm.h"
#include "support/DriveSim.h"
#include "support/ProcessCpu.h"

#include <QThread>
#include <QtTest>
#include <memory>

namespace {

// A link on COM `port`, which TARN_COM<port> points at `device`, opened as
// the connect dialog opens it.
std::unique_ptr<DriveLink> OpenLink(int port, const QString& device) {
    qputenv(qPrintable(QStringLiteral("TARN_COM%1").arg(port)), device.toLocal8Bit());
    auto link = std::make_unique<DriveLink>(std::make_unique<QtSerialDevice>());
    TMSComm& comm = link->Comm();
    comm.SetCommPort(quint16(port));
    comm.SetPortOpen(true);
    comm.SetInputMode(0);
    comm.SetInputLen(0);
    return link;
}

// What one thread did with a link of its own.
struct DriveRun {
    QString device;
    int port = 0;
    QString written; // the value it writes to Pn102
    quint8 format = 0xFF;
    QStringList read; // Pn101..Pn120
    WriteOutcome write = WriteOutcome::Undetermined;
    QString error;

    // Runs in the thread: greets, reads Pn101..Pn120, writes Pn102.
    void Exchange() {
        try {
            std::unique_ptr<DriveLink> link = OpenLink(port, device);
            format = link->Greet();
            link->SetReplyFormat(format);
            for (quint16 n = 101; n <= 120; ++n) {
                read << link->Read(n);
            }
            write = link->Write(102, written);
        } catch (const TarnError& e) {
            error = e.Text();
        }
    }
};

} // namespace

class RealLinkTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        qunsetenv("TARN_COM7");
        qunsetenv("TARN_COM8");
    }

    void readsAndWritesInBothFormats_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("plain") << 0;
        QTest::newRow("marked") << 1;
    }
    void readsAndWritesInBothFormats() {
        QFETCH(int, format);
        DriveSim sim({"--format", QString::number(format)});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto link = OpenLink(7, sim.Device());
        QCOMPARE(link->Comm().DeviceName(), sim.Device());

        link->SetReplyFormat(link->Greet());
        QCOMPARE(int(link->ReplyFormat()), format);
        QCOMPARE(link->Read(904), QStringLiteral("0BB8"));
        QCOMPARE(link->Write(101, QStringLiteral("0005")), WriteOutcome::Written);
        QCOMPARE(sim.State().value(101), QStringLiteral("0005"));
        QCOMPARE(link->Read(101), QStringLiteral("0005"));

        const QList<DriveSim::LogEntry> log = sim.Log();
        QVERIFY(log.size() >= 2);
        QCOMPARE(log[0].direction, QStringLiteral("RX"));
        QCOMPARE(log[0].bytes, QByteArray(":P000????\r"));
        const QByteArray writeFrame = format == 1 ? ":P101=0x0005\r" : ":P1010005\r";
        bool sawWrite = false;
        for (const DriveSim::LogEntry& entry : log) {
            sawWrite = sawWrite || (entry.direction == "RX" && entry.bytes == writeFrame);
        }
        QVERIFY(sawWrite);
    }

    // Reply timing only shortens the wait: with each drive behaviour the
    // greeting, a read and a write come out as with fixed waits.
    void replyTimingJudgesAsFixed_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("marked") << QStringList{};
        QTest::newRow("plain") << QStringList{"--format", "0"};
        QTest::newRow("noise before replies") << QStringList{"--garbage"};
        QTest::newRow("short replies") << QStringList{"--short"};
        QTest::newRow("replies in pieces") << QStringList{"--chunked"};
        QTest::newRow("rejected write") << QStringList{"--reject", "101"};
        QTest::newRow("unmarked read") << QStringList{"--unmarked", "904"};
        QTest::newRow("silent") << QStringList{"--silent"};
    }
    void replyTimingJudgesAsFixed() {
        QFETCH(QStringList, options);
        struct Outcome {
            quint8 format;
            QString read;
            WriteOutcome write;
            QString readBack;
        } outcomes[2];
        for (int i = 0; i < 2; ++i) {
            DriveSim sim(options);
            QVERIFY2(sim.Start(), qPrintable(sim.Error()));
            auto link = OpenLink(7, sim.Device());
            link->SetTiming(i == 0 ? LinkSettings::Timing::Fixed : LinkSettings::Timing::Reply, 40);
            link->SetReplyFormat(link->Greet());
            outcomes[i] = {link->ReplyFormat(), link->Read(904),
                           link->Write(101, QStringLiteral("0005")), link->Read(101)};
        }
        QCOMPARE(outcomes[1].format, outcomes[0].format);
        QCOMPARE(outcomes[1].read, outcomes[0].read);
        QCOMPARE(outcomes[1].write, outcomes[0].write);
        QCOMPARE(outcomes[1].readBack, outcomes[0].readBack);
    }

    void rejectedWriteIsReportedAndNotStored() {
        DriveSim sim({"--reject", "102"});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto link = OpenLink(7, sim.Device());
        link->SetReplyFormat(link->Greet());
        const QString before = sim.State().value(102);
        QCOMPARE(link->Write(102, QStringLiteral("0003")), WriteOutcome::EchoDiffers);
        QCOMPARE(sim.State().value(102), before);
    }

    void silentDriveLeavesFormatUndetermined() {
        DriveSim sim({"--silent"});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto link = OpenLink(7, sim.Device());
        link->SetReplyFormat(link->Greet());
        QCOMPARE(link->ReplyFormat(), kFormatUndetermined);
        QCOMPARE(link->Write(101, QStringLiteral("0005")), WriteOutcome::Undetermined);
        QCOMPARE(link->Read(101), QString());
    }

    void lateReplyIsNotTakenForTheNextParameter() {
        DriveSim sim;
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto link = OpenLink(7, sim.Device());
        link->SetReplyFormat(link->Greet());
        QVERIFY(sim.Command("set 101 1111"));
        QVERIFY(sim.Command("set 102 2222"));
        QVERIFY(sim.Command("late 30"));
        QCOMPARE(link->Read(101), QString()); // its reply comes after the wait
        QVERIFY(sim.Command("late 0"));
        QCOMPARE(link->Read(102), QStringLiteral("2222"));
    }

    // A reply that reached the driver while no event loop ran (the end of a
    // wait on a busy machine) must still be counted and taken, whether the
    // count is asked first or the bytes are looked at straight away.
    void replyNotYetSeenByTheEventLoopIsTaken_data() {
        QTest::addColumn<bool>("counted");
        QTest::newRow("counted") << true;
        QTest::newRow("peeked") << false;
    }
    void replyNotYetSeenByTheEventLoopIsTaken() {
        QFETCH(bool, counted);
        DriveSim sim({"--format", "0"});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto link = OpenLink(7, sim.Device());
        TMSComm& comm = link->Comm();
        QVERIFY(sim.Command("set 101 ABCD"));
        comm.SetOutput(ReadRequest(101));
        QDeadlineTimer deadline(5000);
        const auto arrived = [&] {
            if (counted)
                return comm.InBufferCount() >= kMinReplyLength;
            const QList<DriveSim::LogEntry> log = sim.Log();
            return !log.isEmpty() && log.last().direction == QLatin1String("TX");
        };
        while (!arrived() && !deadline.hasExpired()) {
            QThread::msleep(1);
        }
        QThread::msleep(20); // the drive has written it: it is in the driver
        QCOMPARE(comm.Peek(), QByteArray(":P101ABCD\r"));
    }

    void portThatCannotBeOpenedNamesTheDevice() {
        const QString missing = QStringLiteral("/dev/tarn-no-such-port");
        qputenv("TARN_COM7", missing.toLocal8Bit());
        TMSComm comm(std::make_unique<QtSerialDevice>());
        comm.SetCommPort(7);
        try {
            comm.SetPortOpen(true);
            QFAIL("opening a missing device must fail");
        } catch (const ECommError& error) {
            QVERIFY2(error.Text().contains(missing), qPrintable(error.Text()));
            QVERIFY2(error.Text().contains(QStringLiteral("COM7")), qPrintable(error.Text()));
        }
        QVERIFY(!comm.PortOpen());
    }

    void driveHangingUpMidExchangeClosesThePort() {
        DriveSim sim({"--hangup-after", "1"});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto link = OpenLink(7, sim.Device());
        link->SetReplyFormat(link->Greet());
        QCOMPARE(int(link->ReplyFormat()), 1);

        QVERIFY_THROWS_EXCEPTION(ECommError, link->Read(101));
        QVERIFY(!link->Comm().PortOpen());
        QVERIFY(!link->ExchangeInProgress());
        try {
            link->Comm().InBufferCount();
            QFAIL("a vanished port must keep failing");
        } catch (const ECommError& error) {
            QVERIFY2(error.Text().contains(sim.Device()), qPrintable(error.Text()));
        }

        // Qt reports a hung-up pty in a tight loop while it stays open; a
        // closed port lets the event loop sleep.
        const double used = CpuWhileIdle(1000);
        QVERIFY2(used < 0.3, qPrintable(QStringLiteral("%1 s of CPU in 1 s idle").arg(used)));
    }

    // Two links, each made and used in a thread of its own, talk to two
    // drives at once: each drive sees its own requests only, in its own
    // format, and each thread gets its own drive's values.
    void twoLinksInTwoThreadsExchangeAtTheSameTime() {
        DriveSim marked({"--format", "1"});
        DriveSim plain({"--format", "0"});
        QVERIFY2(marked.Start(), qPrintable(marked.Error()));
        QVERIFY2(plain.Start(), qPrintable(plain.Error()));
        QVERIFY(marked.Command("set 101 AAAA"));
        QVERIFY(plain.Command("set 101 BBBB"));
        DriveRun runs[2];
        runs[0].device = marked.Device();
        runs[0].port = 7;
        runs[0].written = QStringLiteral("0A0A");
        runs[1].device = plain.Device();
        runs[1].port = 8;
        runs[1].written = QStringLiteral("0B0B");

        std::unique_ptr<QThread> threads[2];
        for (int i = 0; i < 2; ++i) {
            threads[i].reset(QThread::create([&run = runs[i]] { run.Exchange(); }));
            threads[i]->start();
        }
        for (auto& thread : threads) {
            QVERIFY(thread->wait(30000));
        }

        DriveSim* sims[2] = {&marked, &plain};
        const QByteArray writes[2] = {":P102=0x0A0A\r", ":P1020B0B\r"};
        double first[2] = {};
        double last[2] = {};
        for (int i = 0; i < 2; ++i) {
            const DriveRun& run = runs[i];
            QVERIFY2(run.error.isEmpty(), qPrintable(run.error));
            QCOMPARE(int(run.format), i == 0 ? 1 : 0);
            QCOMPARE(run.read.size(), 20);
            QCOMPARE(run.read.first(), i == 0 ? QStringLiteral("AAAA") : QStringLiteral("BBBB"));
            QCOMPARE(run.write, WriteOutcome::Written);
            QCOMPARE(sims[i]->State().value(102), run.written);

            QList<QByteArray> expected{GreetingRequest()};
            for (quint16 n = 101; n <= 120; ++n) {
                expected << ReadRequest(n);
            }
            expected << writes[i];
            QCOMPARE(sims[i]->Requests(), expected);
            const QList<DriveSim::LogEntry> log = sims[i]->Log();
            first[i] = log.first().ms;
            last[i] = log.last().ms;
        }
        // The drives' clocks are the same monotonic clock: each run began
        // before the other ended.
        QVERIFY2(first[0] < last[1] && first[1] < last[0],
                 qPrintable(QStringLiteral("runs %1-%2 ms and %3-%4 ms")
                                .arg(first[0])
                                .arg(last[0])
                                .arg(first[1])
                                .arg(last[1])));
    }
};

QTEST_GUILESS_MAIN(RealLinkTest)
#include "test_real_link.moc"
