// The three exchanges and the wait, over the serial-port control with a
// scripted port underneath.
#include "link/DriveLink.h"
#include "link/DriveProtocol.h"
#include "link/TMSComm.h"
#include "support/FakeSerialDevice.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {
int beginCalls = 0;
int endCalls = 0;
void OnBegin() {
    ++beginCalls;
}
void OnEnd() {
    ++endCalls;
}
} // namespace

class DriveExchangesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TMSComm> comm_;
    FakeSerialDevice* port_ = nullptr;

private slots:
    void init() {
        auto device = std::make_unique<FakeSerialDevice>();
        port_ = device.get();
        comm_ = std::make_unique<TMSComm>(std::move(device));
        comm_->SetPortOpen(true);
        SetDriveComm(comm_.get());
        ReplyFormat = kFormatMarked;
    }
    void cleanup() {
        SetDriveComm(nullptr);
        SetExchangeHooks(nullptr, nullptr);
        comm_.reset();
    }

    void readSendsTheRequestAfterEmptyingTheBuffer() {
        port_->Inject(":P100=0x0064\r");
        port_->Script(":P987=0x0BB8\r");
        QCOMPARE(ReadParameter(987), QStringLiteral("0BB8"));
        QCOMPARE(port_->Writes(), QList<QByteArray>{":P987????\r"});
        QCOMPARE(port_->DiscardCount(), 1);
    }

    void readsInBothFormats_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << 0 << QByteArray(":P005ABCD\r") << "ABCD";
        QTest::newRow("marked") << 1 << QByteArray(":P005=0x00FF\r") << "00FF";
        QTest::newRow("marked expected, plain came") << 1 << QByteArray(":P005ABCD\r") << "None";
        QTest::newRow("undetermined")
            << int(kFormatUndetermined) << QByteArray(":P005=0x00FF\r") << "";
    }
    void readsInBothFormats() {
        QFETCH(int, format);
        QFETCH(QByteArray, reply);
        QFETCH(QString, value);
        ReplyFormat = quint8(format);
        port_->Script(reply);
        QCOMPARE(ReadParameter(5), value);
        QCOMPARE(port_->Writes().value(0), QByteArray(":P005????\r"));
    }

    void shortReplyIsNoAnswerAndStaysWaiting() {
        port_->Script(":P101=0x0");
        QCOMPARE(ReadParameter(101), QString());
        QCOMPARE(int(comm_->InBufferCount()), 9);
        port_->Script(":P102=0x0001\r");
        QCOMPARE(ReadParameter(102), QStringLiteral("0001"));
    }

    void lateReplyOfThePreviousParameterIsNotTaken() {
        port_->Script(":P100=0x0064\r", 45); // arrives after the first wait
        port_->Script(":P101=0x00FF\r", 15);
        QCOMPARE(ReadParameter(100), QString());
        QCOMPARE(ReadParameter(101), QStringLiteral("00FF"));
    }

    void lateReplyAloneGivesNone() {
        port_->Script(":P100=0x0064\r", 45);
        port_->Script(QByteArray());
        QCOMPARE(ReadParameter(100), QString());
        QCOMPARE(ReadParameter(101), QStringLiteral("None"));
    }

    void writeOutcomes_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QByteArray>("sent");
        using W = WriteOutcome;
        QTest::newRow("plain echoed") << 0 << "0005" << QByteArray(":P1010005\r") << int(W::Written)
                                      << false << QByteArray(":P1010005\r");
        QTest::newRow("plain echo differs")
            << 0 << "0005" << QByteArray(":P1010006\r") << int(W::EchoDiffers) << true
            << QByteArray(":P1010005\r");
        QTest::newRow("marked echoed") << 1 << "0005" << QByteArray(":P101=0x0005\r")
                                       << int(W::Written) << false << QByteArray(":P101=0x0005\r");
        QTest::newRow("no answer fails") << 1 << "0005" << QByteArray() << int(W::NoAnswer) << true
                                         << QByteArray(":P101=0x0005\r");
        QTest::newRow("short answer fails")
            << 1 << "0005" << QByteArray(":P101=0x0") << int(W::NoAnswer) << true
            << QByteArray(":P101=0x0005\r");
        QTest::newRow("None is not sent") << 1 << "None" << QByteArray(":P101=0x0005\r")
                                          << int(W::NotSent) << false << QByteArray();
        QTest::newRow("empty value is not sent")
            << 0 << "" << QByteArray(":P1010005\r") << int(W::NotSent) << false << QByteArray();
        QTest::newRow("undetermined format sends nothing")
            << int(kFormatUndetermined) << "0005" << QByteArray(":P1010005\r")
            << int(W::Undetermined) << true << QByteArray();
    }
    void writeOutcomes() {
        QFETCH(int, format);
        QFETCH(QString, value);
        QFETCH(QByteArray, reply);
        QFETCH(int, outcome);
        QFETCH(bool, failed);
        QFETCH(QByteArray, sent);
        ReplyFormat = quint8(format);
        port_->Script(reply);
        port_->Script(reply);
        QCOMPARE(int(WriteParameterOutcome(101, value)), outcome);
        QCOMPARE(WriteParameter(101, value), failed);
        QList<QByteArray> expected;
        if (!sent.isEmpty()) {
            expected = {sent, sent};
        }
        QCOMPARE(port_->Writes(), expected);
        QCOMPARE(port_->DiscardCount(), 2); // the buffer is emptied every time
    }

    void greetingJudgesAStaleReply() {
        port_->Inject(":P101=0x0005\r");
        port_->Script(":P0000000\r");
        QCOMPARE(int(GreetDrive()), 1);
        QCOMPARE(port_->DiscardCount(), 1); // emptied after judging, not before
        QCOMPARE(port_->Writes(), QList<QByteArray>{":P000????\r"});
    }

    void greetingWithoutAnswerLeavesTheBuffer() {
        port_->Inject(":P000=0x");
        QCOMPARE(GreetDrive(), kFormatUndetermined);
        QCOMPARE(int(comm_->InBufferCount()), 8);
        QCOMPARE(port_->DiscardCount(), 0);
    }

    void greetingSetsPlainFormat() {
        port_->Script(":P000=0X0000\r");
        QCOMPARE(int(GreetDrive()), 0);
    }

    void delayEndsOnlyAfterTheTime_data() {
        QTest::addColumn<int>("ms");
        QTest::newRow("0") << 0;
        QTest::newRow("1") << 1;
        QTest::newRow("40") << 40;
    }
    void delayEndsOnlyAfterTheTime() {
        QFETCH(int, ms);
        QElapsedTimer clock;
        clock.start();
        Delay(quint32(ms));
        QVERIFY(clock.nsecsElapsed() > qint64(ms) * 1000000);
    }

    void timersRunAndHooksPairDuringTheWait() {
        beginCalls = endCalls = 0;
        SetExchangeHooks(OnBegin, OnEnd);
        bool busyInside = false;
        int beginInside = -1;
        int endInside = -1;
        QTimer::singleShot(10, [&] {
            busyInside = ExchangeInProgress();
            beginInside = beginCalls;
            endInside = endCalls;
        });
        port_->Script(":P101=0x0005\r");
        QCOMPARE(ReadParameter(101), QStringLiteral("0005"));
        QVERIFY(busyInside);
        QCOMPARE(beginInside, 1);
        QCOMPARE(endInside, 0);
        QCOMPARE(endCalls, 1);
        QVERIFY(!ExchangeInProgress());
    }
};

QTEST_GUILESS_MAIN(DriveExchangesTest)
#include "test_drive_exchanges.moc"
