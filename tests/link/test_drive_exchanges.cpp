// The three exchanges and the wait of a link, over the serial-port control
// with a scripted port underneath.
#include "link/TMSComm.h"
#include "support/LinkFixture.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <memory>

class DriveExchangesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkFixture> f_;
    FakeSerialDevice* port_ = nullptr;
    DriveLink* link_ = nullptr;

private slots:
    void init() {
        f_ = std::make_unique<LinkFixture>(kFormatMarked);
        port_ = f_->port;
        link_ = &f_->link;
    }
    void cleanup() { f_.reset(); }

    void readSendsTheRequestAfterEmptyingTheBuffer() {
        port_->Inject(":P100=0x0064\r");
        port_->Script(":P987=0x0BB8\r");
        QCOMPARE(link_->Read(987), QStringLiteral("0BB8"));
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
        QTest::newRow("cut short after noise") << 1 << QByteArray("#~%:P005=0x0") << "None";
        QTest::newRow("undetermined")
            << int(kFormatUndetermined) << QByteArray(":P005=0x00FF\r") << "";
    }
    void readsInBothFormats() {
        QFETCH(int, format);
        QFETCH(QByteArray, reply);
        QFETCH(QString, value);
        link_->SetReplyFormat(quint8(format));
        port_->Script(reply);
        QCOMPARE(link_->Read(5), value);
        QCOMPARE(port_->Writes().value(0), QByteArray(":P005????\r"));
    }

    void shortReplyIsNoAnswerAndStaysWaiting() {
        port_->Script(":P101=0x0");
        QCOMPARE(link_->Read(101), QString());
        QCOMPARE(int(link_->Comm().InBufferCount()), 9);
        port_->Script(":P102=0x0001\r");
        QCOMPARE(link_->Read(102), QStringLiteral("0001"));
    }

    void lateReplyOfThePreviousParameterIsNotTaken() {
        port_->Script(":P100=0x0064\r", 45); // arrives after the first wait
        port_->Script(":P101=0x00FF\r", 15);
        QCOMPARE(link_->Read(100), QString());
        QCOMPARE(link_->Read(101), QStringLiteral("00FF"));
    }

    void lateReplyAloneIsNoAnswer() {
        port_->Script(":P100=0x0064\r", 45);
        port_->Script(QByteArray());
        QCOMPARE(link_->Read(100), QString());
        QCOMPARE(link_->Read(101), QString());
    }

    // What is in the buffer when judged: `first` 5 ms after the request,
    // `then` 25 ms after it, so a reply-timed wait that ended on a stale
    // frame would judge without the reply.
    void theReplyToThisRequest_data() {
        QTest::addColumn<char>("exchange"); // r: read Pn100, w: write Pn101, g: greeting
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("then");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("stale frame, then the read's")
            << 'r' << QByteArray(":P099=0x0001\r") << QByteArray(":P100=0x01F4\r")
            << "value 01F4 stale 1";
        QTest::newRow("stale read reply, then the echo")
            << 'w' << QByteArray(":P100=0x01F4\r") << QByteArray(":P101=0x0005\r")
            << "written stale 1";
        QTest::newRow("stale plain frame, then the greeting's")
            << 'g' << QByteArray(":P1000005\r") << QByteArray(":P000=0x0010\r")
            << "format 1 stale 1";
        QTest::newRow("noise, then the read's")
            << 'r' << QByteArray("#~%") << QByteArray(":P100=0x01F4\r") << "value 01F4";
        QTest::newRow("only a stale frame: read")
            << 'r' << QByteArray(":P099=0x0001\r") << QByteArray() << "empty stale 1";
        QTest::newRow("only a stale frame: write")
            << 'w' << QByteArray(":P099=0x0001\r") << QByteArray() << "no-answer stale 1";
        QTest::newRow("only a stale frame: greeting")
            << 'g' << QByteArray(":P099=0x0001\r") << QByteArray() << "undetermined stale 1";
    }
    void theReplyToThisRequest() {
        QFETCH(char, exchange);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, then);
        QFETCH(QString, verdict);
        for (const auto timing : {LinkSettings::Timing::Fixed, LinkSettings::Timing::Reply}) {
            link_->SetTiming(timing, 40);
            QStringList verdicts;
            qint64 waitMs = 0;
            link_->SetExchangeObserver([&](const ExchangeRecord& record) {
                verdicts << TraceColumns(record).last();
                waitMs = record.waitMs;
            });
            port_->Script(first, 5);
            QTimer::singleShot(25, Qt::PreciseTimer, [&] { port_->Inject(then); });
            if (exchange == 'r') {
                link_->Read(100);
            } else if (exchange == 'w') {
                link_->Write(101, QStringLiteral("0005"));
            } else {
                link_->Greet();
                link_->Comm().SetInBufferCount(0);
            }
            QCOMPARE(verdicts, QStringList{verdict});
            if (then.isEmpty()) {
                QVERIFY2(waitMs >= 40, "with no reply the wait runs to its limit");
            }
        }
    }

    void historyKeepsTheNewestUpToItsCapacity() {
        ExchangeHistory history(3);
        int told = 0;
        history.SetChanged([&] { ++told; });
        for (int i = 1; i <= 5; ++i)
            history.Add(ExchangeRecord{{}, "COM1", QByteArray::number(i), {}, 0, "empty", 0});
        QStringList kept;
        for (const ExchangeRecord& record : history.Records())
            kept << QString::fromLatin1(record.sent);
        QCOMPARE(kept, (QStringList{"3", "4", "5"}));
        QCOMPARE(history.Added(), 5L);
        QCOMPARE(told, 5);
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
        link_->SetReplyFormat(quint8(format));
        port_->Script(reply);
        port_->Script(reply);
        QCOMPARE(int(link_->Write(101, value)), outcome);
        QCOMPARE(WriteFailed(link_->Write(101, value)), failed);
        QList<QByteArray> expected;
        if (!sent.isEmpty()) {
            expected = {sent, sent};
        }
        QCOMPARE(port_->Writes(), expected);
        QCOMPARE(port_->DiscardCount(), 2); // the buffer is emptied every time
    }

    void greetingSkipsAStaleReply() {
        port_->Inject(":P101=0x0005\r");
        port_->Script(":P0000000\r");
        QCOMPARE(int(link_->Greet()), 0);
        QCOMPARE(port_->DiscardCount(), 1); // emptied after judging, not before
        QCOMPARE(port_->Writes(), QList<QByteArray>{":P000????\r"});
    }

    void greetingWithoutAnswerLeavesTheBuffer() {
        port_->Inject(":P000=0x");
        QCOMPARE(link_->Greet(), kFormatUndetermined);
        QCOMPARE(int(link_->Comm().InBufferCount()), 8);
        QCOMPARE(port_->DiscardCount(), 0);
    }

    void greetingSetsPlainFormat() {
        port_->Script(":P000=0X0000\r");
        QCOMPARE(int(link_->Greet()), 0);
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
        link_->Delay(quint32(ms));
        QVERIFY(clock.nsecsElapsed() > qint64(ms) * 1000000);
    }

    void timersRunAndHooksPairDuringTheWait() {
        int beginCalls = 0;
        int endCalls = 0;
        link_->SetWaitHooks({[&] { ++beginCalls; }, [&] { ++endCalls; }});
        bool busyInside = false;
        int beginInside = -1;
        int endInside = -1;
        QTimer::singleShot(10, [&] {
            busyInside = link_->ExchangeInProgress();
            beginInside = beginCalls;
            endInside = endCalls;
        });
        port_->Script(":P101=0x0005\r");
        QCOMPARE(link_->Read(101), QStringLiteral("0005"));
        QVERIFY(busyInside);
        QCOMPARE(beginInside, 1);
        QCOMPARE(endInside, 0);
        QCOMPARE(endCalls, 1);
        QVERIFY(!link_->ExchangeInProgress());
    }

    // Each link opens its port with its own settings and waits its own times.
    void settingsReachThePortAndTheWaits() {
        LinkSettings settings;
        settings.line.baudRate = 19200;
        settings.line.parity = LinkSettings::Parity::Even;
        settings.readWaitMs = 60;
        auto device = std::make_unique<FakeSerialDevice>();
        FakeSerialDevice* port = device.get();
        DriveLink link(std::move(device), settings);
        link.Comm().SetPortOpen(true);
        QCOMPARE(port->OpenedLine().baudRate, 19200);
        QCOMPARE(port->OpenedLine().parity, LinkSettings::Parity::Even);
        QCOMPARE(port->OpenedLine().dataBits, 8);
        // Later than the drive's usual 40 ms wait, within this link's own.
        port->Script(":P1010005\r", 45);
        QCOMPARE(link.Read(101), QStringLiteral("0005"));
    }
};

QTEST_GUILESS_MAIN(DriveExchangesTest)
#include "test_drive_exchanges.moc"
