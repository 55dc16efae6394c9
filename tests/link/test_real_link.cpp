// The serial-port control and the protocol over a real pty, against the
// virtual drive.
#include "core/TarnError.h"
#include "link/DriveLink.h"
#include "link/DriveProtocol.h"
#include "link/QtSerialDevice.h"
#include "link/TMSComm.h"
#include "support/DriveSim.h"
#include "support/ProcessCpu.h"

#include <QtTest>
#include <memory>

class RealLinkTest : public QObject {
    Q_OBJECT

private:
    // A control on COM7, which TARN_COM7 points at `device`.
    std::unique_ptr<TMSComm> OpenComm(const QString& device) {
        qputenv("TARN_COM7", device.toLocal8Bit());
        auto comm = std::make_unique<TMSComm>(std::make_unique<QtSerialDevice>());
        comm->SetCommPort(7);
        comm->SetPortOpen(true);
        comm->SetInputMode(0);
        comm->SetInputLen(0);
        SetDriveComm(comm.get());
        return comm;
    }

private slots:
    void cleanup() {
        SetDriveComm(nullptr);
        qunsetenv("TARN_COM7");
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
        auto comm = OpenComm(sim.Device());
        QCOMPARE(comm->DeviceName(), sim.Device());

        ReplyFormat = GreetDrive();
        QCOMPARE(int(ReplyFormat), format);
        QCOMPARE(ReadParameter(904), QStringLiteral("0BB8"));
        QCOMPARE(WriteParameterOutcome(101, QStringLiteral("0005")), WriteOutcome::Written);
        QCOMPARE(sim.State().value(101), QStringLiteral("0005"));
        QCOMPARE(ReadParameter(101), QStringLiteral("0005"));

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

    void rejectedWriteIsReportedAndNotStored() {
        DriveSim sim({"--reject", "102"});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto comm = OpenComm(sim.Device());
        ReplyFormat = GreetDrive();
        const QString before = sim.State().value(102);
        QCOMPARE(WriteParameterOutcome(102, QStringLiteral("0003")), WriteOutcome::EchoDiffers);
        QVERIFY(WriteParameter(102, QStringLiteral("0003")));
        QCOMPARE(sim.State().value(102), before);
    }

    void silentDriveLeavesFormatUndetermined() {
        DriveSim sim({"--silent"});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto comm = OpenComm(sim.Device());
        ReplyFormat = GreetDrive();
        QCOMPARE(ReplyFormat, kFormatUndetermined);
        QVERIFY(WriteParameter(101, QStringLiteral("0005")));
        QCOMPARE(ReadParameter(101), QString());
    }

    void lateReplyIsNotTakenForTheNextParameter() {
        DriveSim sim;
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto comm = OpenComm(sim.Device());
        ReplyFormat = GreetDrive();
        QVERIFY(sim.Command("set 101 1111"));
        QVERIFY(sim.Command("set 102 2222"));
        QVERIFY(sim.Command("late 30"));
        QCOMPARE(ReadParameter(101), QString()); // its reply comes after the wait
        QVERIFY(sim.Command("late 0"));
        QCOMPARE(ReadParameter(102), QStringLiteral("2222"));
    }

    // A reply that reached the driver while no event loop ran (the end of a
    // wait on a busy machine) must still be counted and taken.
    void replyNotYetSeenByTheEventLoopIsCounted() {
        DriveSim sim({"--format", "0"});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        auto comm = OpenComm(sim.Device());
        QVERIFY(sim.Command("set 101 ABCD"));
        comm->SetOutput(ReadRequest(101));
        QDeadlineTimer deadline(5000);
        while (comm->InBufferCount() < kMinReplyLength && !deadline.hasExpired()) {
            QThread::msleep(1);
        }
        QCOMPARE(comm->Input(), QByteArray(":P101ABCD\r"));
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
        auto comm = OpenComm(sim.Device());
        ReplyFormat = GreetDrive();
        QCOMPARE(int(ReplyFormat), 1);

        QVERIFY_THROWS_EXCEPTION(ECommError, ReadParameter(101));
        QVERIFY(!comm->PortOpen());
        QVERIFY(!ExchangeInProgress());
        try {
            comm->InBufferCount();
            QFAIL("a vanished port must keep failing");
        } catch (const ECommError& error) {
            QVERIFY2(error.Text().contains(sim.Device()), qPrintable(error.Text()));
        }

        // Qt reports a hung-up pty in a tight loop while it stays open; a
        // closed port lets the event loop sleep.
        const double used = CpuWhileIdle(1000);
        QVERIFY2(used < 0.3, qPrintable(QStringLiteral("%1 s of CPU in 1 s idle").arg(used)));
    }
};

QTEST_GUILESS_MAIN(RealLinkTest)
#include "test_real_link.moc"
