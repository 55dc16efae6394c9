// tarnctl through a real device server: ser2net on 127.0.0.1 forwarding a
// virtual drive's pty raw and as RFC 2217, started and stopped here; and a
// telnet peer that offers what the link does not want.
#include "TarnctlRun.h"
#include "files/ParameterFile.h"
#include "files/ParameterFileSamples.h"
#include "support/DriveSim.h"
#include "support/FileBytes.h"
#include "support/Ser2Net.h"

#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// Everything after log mark `from`: the requests in order.
QList<QByteArray> RequestsFrom(const DriveSim& sim, int from) {
    return sim.Requests().mid(from);
}

QByteArray Telnet(std::initializer_list<int> bytes) {
    QByteArray out;
    for (const int byte : bytes) {
        out += char(byte);
    }
    return out;
}

// A telnet peer on 127.0.0.1 that offers options the link does not want,
// takes COM-port control, and answers one read as a drive: what the client
// sent is kept for the test to judge.
class PushyTelnetPeer {
public:
    bool Listen() { return server_.listen(QHostAddress::LocalHost, 0); }
    QString Address() const {
        return QStringLiteral("rfc2217://127.0.0.1:%1").arg(server_.serverPort());
    }

    // Serves one client until it closes; false when none came.
    bool Serve() {
        if (!server_.waitForNewConnection(10000)) {
            return false;
        }
        std::unique_ptr<QTcpSocket> client(server_.nextPendingConnection());
        // Echo, status, terminal type, window size: all unwanted. Then what
        // a device server agrees to.
        client->write(Telnet({255, 251, 1,   255, 251, 5,   255, 253, 24,  255, 253, 31,  255, 253,
                              44,  255, 251, 0,   255, 253, 0,   255, 251, 3,   255, 253, 3}));
        client->flush();
        QByteArray line;
        while (client->state() == QAbstractSocket::ConnectedState &&
               (client->bytesAvailable() > 0 || client->waitForReadyRead(10000))) {
            const QByteArray bytes = client->readAll();
            received += bytes;
            for (const char c : bytes) {
                line += c;
                if (c != '\r') {
                    continue;
                }
                const qsizetype at = line.lastIndexOf(":P");
                const QByteArray request = at >= 0 ? line.mid(at) : line;
                line.clear();
                if (request == ":P000????\r") {
                    client->write(":P000=0x0001\r");
                } else if (request == ":P100????\r") {
                    // A late offer of echo, mid-stream, before the reply.
                    client->write(Telnet({255, 251, 1}) + ":P100=0x0005\r");
                }
                client->flush();
            }
        }
        return true;
    }

    QByteArray received;

private:
    QTcpServer server_;
};

} // namespace

class TestTarnctlNetwork : public QObject {
    Q_OBJECT

    QTemporaryDir dir{QDir::tempPath() + "/tarnctl-net-XXXXXX"};

    QString Path(const QString& name) const { return dir.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(!qEnvironmentVariableIsEmpty("TARNCTL"), "TARNCTL names the program under test");
        if (Ser2Net::Program().isEmpty()) {
            QSKIP("ser2net is not installed (scripts/test.sh installs it)");
        }
    }

    // Two drives with the same values, one on its pty, one through the
    // server: the same requests reach both, the files and the states that
    // come out are the same to the byte. Reply timing ends each wait when the
    // reply is in; the longer limit only keeps a busy test machine's
    // scheduling from being taken for a silent drive.
    void saveAndLoadAsOverThePty_data() {
        QTest::addColumn<bool>("rfc2217");
        QTest::addColumn<QString>("timing");
        QTest::newRow("raw, reply") << false << "reply";
        QTest::newRow("rfc2217, reply") << true << "reply";
    }
    void saveAndLoadAsOverThePty() {
        QFETCH(bool, rfc2217);
        QFETCH(QString, timing);
        PutFile(Path("base.tarn"), ParameterFileBytes(samples::DistinctValues()));
        const auto pty = StartDrive({"--load", Path("base.tarn")});
        const auto served = StartDrive({"--load", Path("base.tarn")});
        QVERIFY(pty && served);
        Ser2Net server({served->Device()});
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        const QString address = rfc2217 ? server.Rfc2217Address() : server.RawAddress();

        const TarnctlResult direct =
            RunTarnctl({"-p", pty->Device(), "--timing", timing, "--timeout", "200", "save", Path("pty.tarn")});
        const TarnctlResult remote =
            RunTarnctl({"-p", address, "--timing", timing, "--timeout", "200", "save", Path("net.tarn")});
        QCOMPARE(direct.code, 0);
        QCOMPARE(remote.code, 0);
        QCOMPARE(remote.out, QStringLiteral("已儲存 %1\n").arg(Path("net.tarn")));
        QCOMPARE(FileBytes(Path("net.tarn")), FileBytes(Path("pty.tarn")));
        QCOMPARE(served->Requests(), pty->Requests());

        ParameterValues changed = samples::DistinctValues();
        changed[0] = QStringLiteral("0171");
        changed[5] = QStringLiteral("0005");
        PutFile(Path("changed.tarn"), ParameterFileBytes(changed));
        const int ptyMark = int(pty->Requests().size());
        const int servedMark = int(served->Requests().size());
        // The distinct values break many rules: --force sends them as they are.
        QCOMPARE(RunTarnctl({"-p", pty->Device(), "--timing", timing, "--timeout", "200", "load", Path("changed.tarn"),
                             "--force"})
                     .code,
                 0);
        QCOMPARE(RunTarnctl({"-p", address, "--timing", timing, "--timeout", "200", "load", Path("changed.tarn"),
                             "--force"})
                     .code,
                 0);
        QCOMPARE(RequestsFrom(*served, servedMark), RequestsFrom(*pty, ptyMark));
        QCOMPARE(served->State(), pty->State());
    }

    void serverNotRunningIsNamed_data() {
        QTest::addColumn<QString>("scheme");
        QTest::newRow("raw") << "tcp";
        QTest::newRow("rfc2217") << "rfc2217";
    }
    void serverNotRunningIsNamed() {
        QFETCH(QString, scheme);
        const QString address =
            QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(Ser2Net::FreePort());
        const TarnctlResult result = RunTarnctl({"-p", address, "save", Path("none.tarn")});
        QCOMPARE(result.code, 3);
        QCOMPARE(result.err,
                 QStringLiteral("%1: Cannot open %1: Connection refused\n").arg(address));
        QVERIFY(!QFile::exists(Path("none.tarn")));
    }

    // The server goes away in the middle of a save: the run ends as on a
    // hung-up port, and the file that was there stays as it was.
    void serverStoppedMidSaveLeavesTheOldFile_data() {
        QTest::addColumn<bool>("rfc2217");
        QTest::newRow("raw") << false;
        QTest::newRow("rfc2217") << true;
    }
    void serverStoppedMidSaveLeavesTheOldFile() {
        QFETCH(bool, rfc2217);
        const auto drive = StartDrive({});
        QVERIFY(drive);
        Ser2Net server({drive->Device()});
        QVERIFY2(server.Start(), qPrintable(server.Error()));
        QTemporaryDir folder(Path("stopped-XXXXXX"));
        const QString file = folder.filePath("axis.tarn");
        const QByteArray old = ParameterFileBytes(samples::DistinctValues());
        PutFile(file, old);

        const QString address = rfc2217 ? server.Rfc2217Address() : server.RawAddress();
        Tarnctl save({"-p", address, "--timing", "reply", "save", file});
        const bool started = WaitFor([&] { return drive->Requests().size() >= 40; });
        server.Stop();
        const TarnctlResult result = save.Wait();
        QVERIFY2(started, qPrintable(result.err));
        QCOMPARE(result.code, 3);
        QVERIFY2(result.err.startsWith(address + QStringLiteral(": ") + address +
                                       QStringLiteral(" was lost")),
                 qPrintable(result.err));
        QCOMPARE(FileBytes(file), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"axis.tarn"});
    }

    void unwantedTelnetOptionsAreRefused() {
        PushyTelnetPeer peer;
        QVERIFY(peer.Listen());
        Tarnctl read({"-p", peer.Address(), "--timing", "reply", "read", "100"});
        QVERIFY(peer.Serve());
        const TarnctlResult result = read.Wait();
        QCOMPARE(result.code, 0);
        QVERIFY2(result.out.startsWith(QStringLiteral("Pn100 0005 ")), qPrintable(result.out));
        const QByteArray& sent = peer.received;
        for (const QByteArray& refusal : {Telnet({255, 254, 1}), Telnet({255, 254, 5}),
                                          Telnet({255, 252, 24}), Telnet({255, 252, 31})}) {
            QVERIFY2(sent.contains(refusal), refusal.toHex(' ').constData());
        }
        // The late echo offer is refused again, nothing unwanted is accepted,
        // and the line settings were asked for: 9600 baud, 8 data bits.
        QCOMPARE(sent.count(Telnet({255, 254, 1})), 2);
        QVERIFY(!sent.contains(Telnet({255, 253, 1})));
        QVERIFY(!sent.contains(Telnet({255, 251, 24})));
        QVERIFY(sent.contains(Telnet({255, 250, 44, 1, 0, 0, 0x25, 0x80, 255, 240})));
        QVERIFY(sent.contains(Telnet({255, 250, 44, 2, 8, 255, 240})));
    }
};

QTEST_GUILESS_MAIN(TestTarnctlNetwork)
#include "test_tarnctl_network.moc"
