// Drive::Open on every form a port is given in, against a virtual drive on
// a pty (reached directly, through COM n, and through a device server as
// raw TCP and as RFC 2217): the drive is greeted in the format the virtual
// drive answers in, the port is named as the user gave it, and the first
// read after it reaches the same drive. A port nobody serves throws.
#include "core/TarnError.h"
#include "drive/Drive.h"
#include "link/DriveProtocol.h"
#include "support/DriveSim.h"
#include "support/Ser2Net.h"

#include <QtTest>

namespace {

enum class Form { Com, Device, Raw, Rfc2217 };

} // namespace

Q_DECLARE_METATYPE(Form)

class DriveOpenTest : public QObject {
    Q_OBJECT

private slots:
    void opensAndGreetsOnEveryForm_data() {
        QTest::addColumn<Form>("form");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("timing");
        QTest::newRow("COM n, plain") << Form::Com << 0 << 0;
        QTest::newRow("device path, marked, reply timing") << Form::Device << 1 << 1;
        QTest::newRow("tcp://, marked") << Form::Raw << 1 << 0;
        QTest::newRow("rfc2217://, plain, reply timing") << Form::Rfc2217 << 0 << 1;
    }
    void opensAndGreetsOnEveryForm() {
        QFETCH(Form, form);
        QFETCH(int, format);
        QFETCH(int, timing);
        if (form >= Form::Raw && Ser2Net::Program().isEmpty())
            QSKIP("ser2net is not installed (scripts/test.sh installs it)");
        DriveSim sim({"--format", QString::number(format)});
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        QVERIFY(sim.Command("set 101 0123"));
        Ser2Net server({sim.Device()});
        DrivePort port;
        QString label;
        switch (form) {
        case Form::Com:
            qputenv("TARN_COM6", sim.Device().toLocal8Bit());
            port = DrivePort::Com(6);
            label = QStringLiteral("COM6");
            break;
        case Form::Device:
            port = DrivePort::Device(sim.Device());
            label = sim.Device();
            break;
        case Form::Raw:
        case Form::Rfc2217:
            QVERIFY2(server.Start(), qPrintable(server.Error()));
            label = form == Form::Raw ? server.RawAddress() : server.Rfc2217Address();
            port = DrivePort::Network(*ParsePortAddress(label));
            break;
        }
        LinkSettings settings;
        settings.timing = LinkSettings::Timing(timing);
        Drive drive;
        QCOMPARE(int(drive.Open(port, settings)), format);
        QCOMPARE(int(drive.ReplyFormat()), format);
        QCOMPARE(drive.PortLabel(), label);
        QCOMPARE(drive.Read({101}).values, std::vector<QString>{QStringLiteral("0123")});
        const QList<QByteArray> requests = sim.Requests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.first(), GreetingRequest());
    }

    void aPortNobodyServesThrows() {
        if (Ser2Net::Program().isEmpty())
            QSKIP("ser2net is not installed (scripts/test.sh installs it)");
        const QString nobody = QStringLiteral("tcp://127.0.0.1:%1").arg(Ser2Net::FreePort());
        Drive drive;
        QVERIFY_THROWS_EXCEPTION(ECommError,
                                 drive.Open(DrivePort::Network(*ParsePortAddress(nobody)), {}));
    }
};

QTEST_GUILESS_MAIN(DriveOpenTest)
#include "test_drive_open.moc"
