// The serial-port control's properties and failures, over a scripted port.
#include "core/TarnError.h"
#include "link/TMSComm.h"
#include "support/FakeSerialDevice.h"

#include <QtTest>
#include <functional>
#include <memory>

class TMSCommTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TMSComm> comm_;
    FakeSerialDevice* port_ = nullptr;

    // The text of the ECommError `action` throws; fails the test if none.
    static QString CommErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const ECommError& error) {
            return error.Text();
        }
        return {};
    }

private slots:
    void init() {
        auto device = std::make_unique<FakeSerialDevice>();
        port_ = device.get();
        comm_ = std::make_unique<TMSComm>(std::move(device));
    }
    void cleanup() {
        comm_.reset();
        qunsetenv("TARN_COM4");
    }

    void comPortNamesADevice() {
#ifdef Q_OS_WIN
        QCOMPARE(ComDeviceName(3), QStringLiteral("COM3"));
#else
        QCOMPARE(ComDeviceName(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(ComDeviceName(9), QStringLiteral("/dev/ttyS8"));
        qputenv("TARN_COM4", "/dev/ttyUSB0");
        QCOMPARE(ComDeviceName(4), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(ComDeviceName(3), QStringLiteral("/dev/ttyS2"));
#endif
    }

    void openingUsesTheChosenPort() {
        qputenv("TARN_COM4", "/dev/ttyUSB0");
        comm_->SetCommPort(4);
        comm_->SetPortOpen(true);
        QVERIFY(comm_->PortOpen());
        QCOMPARE(comm_->CommPort(), quint16(4));
        QCOMPARE(port_->OpenedDevices(), QStringList{"/dev/ttyUSB0"});
        QCOMPARE(comm_->DeviceName(), QStringLiteral("/dev/ttyUSB0"));
    }

    void openFailureCarriesThePortMessage() {
        qputenv("TARN_COM4", "/dev/ttyUSB7");
        port_->FailOpen(QStringLiteral("Permission denied"));
        comm_->SetCommPort(4);
        const QString text = CommErrorOf([&] { comm_->SetPortOpen(true); });
        QVERIFY2(text.contains("Permission denied"), qPrintable(text));
        QVERIFY2(text.contains("/dev/ttyUSB7"), qPrintable(text));
        QVERIFY(!comm_->PortOpen());
        // The user may pick another port and try again.
        port_->FailOpen({});
        comm_->SetCommPort(5);
        comm_->SetPortOpen(true);
        QVERIFY(comm_->PortOpen());
    }

    // A program given a device path opens it as it is, whatever CommPort
    // says, and its messages name the path.
    void aDevicePathIsOpenedAsGiven() {
        comm_->SetCommPort(4);
        comm_->SetDevicePath(QStringLiteral("/dev/ttyUSB3"));
        port_->FailOpen(QStringLiteral("Permission denied"));
        const QString text = CommErrorOf([&] { comm_->SetPortOpen(true); });
        QVERIFY2(text.startsWith("Cannot open /dev/ttyUSB3: Permission denied"), qPrintable(text));
        port_->FailOpen({});
        comm_->SetPortOpen(true);
        QCOMPARE(port_->OpenedDevices(), (QStringList{"/dev/ttyUSB3", "/dev/ttyUSB3"}));
        QCOMPARE(comm_->DeviceName(), QStringLiteral("/dev/ttyUSB3"));
        QVERIFY(!CommErrorOf([&] { comm_->SetDevicePath({}); }).isEmpty());
    }

    void operationsOnAClosedPortFail_data() {
        QTest::addColumn<int>("operation");
        QTest::newRow("InBufferCount read") << 0;
        QTest::newRow("InBufferCount set") << 1;
        QTest::newRow("Output") << 2;
        QTest::newRow("Input") << 3;
    }
    void operationsOnAClosedPortFail() {
        QFETCH(int, operation);
        const std::function<void()> actions[] = {
            [&] { comm_->InBufferCount(); },
            [&] { comm_->SetInBufferCount(0); },
            [&] { comm_->SetOutput(":P000????\r"); },
            [&] { comm_->Input(); },
        };
        QVERIFY(!CommErrorOf(actions[operation]).isEmpty());
        QVERIFY(port_->Writes().isEmpty());
    }

    void vanishedPortFailsWithItsMessageAndStaysClosed() {
        comm_->SetPortOpen(true);
        port_->Vanish(QStringLiteral("Input/output error"));
        QVERIFY(!comm_->PortOpen());
        const QString text = CommErrorOf([&] { comm_->InBufferCount(); });
        QVERIFY2(text.contains("Input/output error"), qPrintable(text));
        QVERIFY(!CommErrorOf([&] { comm_->SetOutput(":P000????\r"); }).isEmpty());
    }

    void portCannotChangeWhileOpen() {
        comm_->SetCommPort(2);
        comm_->SetPortOpen(true);
        QVERIFY(!CommErrorOf([&] { comm_->SetCommPort(3); }).isEmpty());
        QCOMPARE(comm_->CommPort(), quint16(2));
        comm_->SetPortOpen(false);
        QVERIFY(!comm_->PortOpen());
        comm_->SetCommPort(3);
        QCOMPARE(comm_->CommPort(), quint16(3));
    }

    void inputTakesWhatIsWaiting() {
        comm_->SetPortOpen(true);
        port_->Inject(":P101=0x0005\r");
        QCOMPARE(int(comm_->InBufferCount()), 13);
        comm_->SetInputLen(5);
        QCOMPARE(comm_->Input(), QByteArray(":P101"));
        QCOMPARE(int(comm_->InBufferCount()), 8);
        comm_->SetInputLen(0);
        QCOMPARE(comm_->Input(), QByteArray("=0x0005\r"));
        QCOMPARE(int(comm_->InBufferCount()), 0);
    }

    void settingTheCountToZeroDiscards() {
        comm_->SetPortOpen(true);
        port_->Inject("stale");
        comm_->SetInputLen(2);
        comm_->Input(); // leaves three taken but unread characters
        comm_->SetInBufferCount(0);
        QCOMPARE(int(comm_->InBufferCount()), 0);
        QVERIFY(!CommErrorOf([&] { comm_->SetInBufferCount(3); }).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TMSCommTest)
#include "test_tms_comm.moc"
