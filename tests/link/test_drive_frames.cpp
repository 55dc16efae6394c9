// The frames and the reading of replies, as text in and text out.
#include "link/DriveProtocol.h"

#include <QtTest>

class DriveFramesTest : public QObject {
    Q_OBJECT

private slots:
    void addressesCarryThreeDigits_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("address");
        QTest::newRow("0") << 0 << QByteArray(":P000");
        QTest::newRow("5") << 5 << QByteArray(":P005");
        QTest::newRow("100") << 100 << QByteArray(":P100");
        QTest::newRow("987") << 987 << QByteArray(":P987");
    }
    void addressesCarryThreeDigits() {
        QFETCH(int, number);
        QFETCH(QByteArray, address);
        QCOMPARE(AddressFrame(quint16(number)), address);
        QCOMPARE(ReadRequest(quint16(number)), address + "????\r");
    }

    void writeRequestsFollowTheFormat_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("plain") << 101 << "0005" << 0 << QByteArray(":P1010005\r");
        QTest::newRow("marked") << 101 << "0005" << 1 << QByteArray(":P101=0x0005\r");
        QTest::newRow("marked low number") << 5 << "00FF" << 1 << QByteArray(":P005=0x00FF\r");
        QTest::newRow("eight digits sent whole")
            << 101 << "FFFFFFFB" << 0 << QByteArray(":P101FFFFFFFB\r");
        QTest::newRow("undetermined is empty")
            << 101 << "0005" << int(kFormatUndetermined) << QByteArray();
    }
    void writeRequestsFollowTheFormat() {
        QFETCH(int, number);
        QFETCH(QString, value);
        QFETCH(int, format);
        QFETCH(QByteArray, request);
        QCOMPARE(WriteRequest(quint16(number), value, quint8(format)), request);
    }

    void greetingIsTheReadOfParameterZero() {
        QCOMPARE(GreetingRequest(), QByteArray(":P000????\r"));
    }

    void readRepliesAreTakenFromTheAskedFrame_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QByteArray(":P101ABCD\r") << 101 << 0 << "ABCD";
        QTest::newRow("marked") << QByteArray(":P101=0x00FF\r") << 101 << 1 << "00FF";
        QTest::newRow("marked expected, plain came")
            << QByteArray(":P101ABCD\r") << 101 << 1 << "None";
        QTest::newRow("marked, exactly ten characters")
            << QByteArray(":P101=0x00") << 101 << 1 << "None";
        QTest::newRow("nine characters is no answer") << QByteArray(":P101ABC\r") << 101 << 0 << "";
        QTest::newRow("undetermined format")
            << QByteArray(":P101ABCD\r") << 101 << int(kFormatUndetermined) << "";
        QTest::newRow("late reply before the right one")
            << QByteArray(":P100=0x0064\r:P101=0x00FF\r") << 101 << 1 << "00FF";
        QTest::newRow("late reply and no right one: no answer")
            << QByteArray(":P100=0x0064\r") << 101 << 1 << "";
        QTest::newRow("late plain reply and no right one: no answer")
            << QByteArray(":P1000064\r") << 101 << 0 << "";
        QTest::newRow("noise before the frame")
            << QByteArray("#~%:P987=0x0BB8\r") << 987 << 1 << "0BB8";
        QTest::newRow("low number") << QByteArray(":P0051234\r") << 5 << 0 << "1234";
        QTest::newRow("frame cut short after noise")
            << QByteArray("#~%:P101AB") << 101 << 0 << "None";
        QTest::newRow("marked frame cut short after noise")
            << QByteArray("#~%:P100=0x0") << 100 << 1 << "None";
        QTest::newRow("marked frame without its CR")
            << QByteArray(":P101=0x00FF") << 101 << 1 << "None";
        QTest::newRow("garbled digit") << QByteArray(":P101=0x0G64\r") << 101 << 1 << "None";
        QTest::newRow("plain, blank among the digits")
            << QByteArray(":P1010 64\r") << 101 << 0 << "None";
        QTest::newRow("the drive's own letter case")
            << QByteArray(":P101=0x00ff\r") << 101 << 1 << "00ff";
    }
    void readRepliesAreTakenFromTheAskedFrame() {
        QFETCH(QByteArray, received);
        QFETCH(int, number);
        QFETCH(int, format);
        QFETCH(QString, value);
        QCOMPARE(ParseReadReply(received, quint16(number), quint8(format)), value);
    }

    void echoesAreComparedOverTheFixedRange_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("differs");
        const QByteArray plain = ":P1010005\r";
        const QByteArray marked = ":P101=0x0005\r";
        QTest::newRow("plain echo") << plain << plain << 0 << false;
        QTest::newRow("plain other value") << plain << QByteArray(":P1010006\r") << 0 << true;
        QTest::newRow("colon and CR not compared")
            << plain << QByteArray("xP1010005y") << 0 << false;
        QTest::newRow("plain too short") << plain << QByteArray(":P101000") << 0 << true;
        QTest::newRow("marked echo") << marked << marked << 1 << false;
        QTest::newRow("marked other value") << marked << QByteArray(":P101=0x0006\r") << 1 << true;
        QTest::newRow("marked echo without mark")
            << marked << QByteArray(":P1010005\r\r\r") << 1 << true;
        QTest::newRow("marked too short to hold the range")
            << marked << QByteArray(":P101=0x000") << 1 << true;
        QTest::newRow("eight digits: only the first four compared")
            << QByteArray(":P101FFFFFFFB\r") << QByteArray(":P101FFFF0000\r") << 0 << false;
        QTest::newRow("late reply before the echo")
            << marked << QByteArray(":P100=0x0064\r:P101=0x0005\r") << 1 << false;
        QTest::newRow("late reply and no echo")
            << marked << QByteArray(":P100=0x0064\r") << 1 << true;
        QTest::newRow("other parameter echoed") << plain << QByteArray(":P1020005\r") << 0 << true;
    }
    void echoesAreComparedOverTheFixedRange() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, received);
        QFETCH(int, format);
        QFETCH(bool, differs);
        QCOMPARE(EchoDiffers(request, received, quint8(format)), differs);
    }

    void greetingJudgesTheMarkOfTheFirstFrame_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("format");
        QTest::newRow("marked") << QByteArray(":P000=0x0000\r") << 1;
        QTest::newRow("plain") << QByteArray(":P0000000\r") << 0;
        QTest::newRow("capital X is not the mark") << QByteArray(":P000=0X0000\r") << 0;
        QTest::newRow("stale marked reply skipped") << QByteArray(":P101=0x0005\r:P0000000\r") << 0;
        QTest::newRow("noise before the frame") << QByteArray("#~%:P000=0x0000\r") << 1;
        QTest::newRow("noise, plain") << QByteArray("#~%:P0000000\r") << 0;
        QTest::newRow("no frame") << QByteArray("#~%xxx=0x0000\r") << 0;
        QTest::newRow("nine characters") << QByteArray(":P000=0x0") << int(kFormatUndetermined);
    }
    void greetingJudgesTheMarkOfTheFirstFrame() {
        QFETCH(QByteArray, received);
        QFETCH(int, format);
        QCOMPARE(int(JudgeGreeting(received)), format);
    }
};

QTEST_GUILESS_MAIN(DriveFramesTest)
#include "test_drive_frames.moc"
