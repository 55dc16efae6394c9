// The network transport's plain parts: port addresses, the telnet / RFC 2217
// byte handling, and when a reply counts as whole.
#include "link/DriveProtocol.h"
#include "link/PortAddress.h"
#include "link/TelnetCodec.h"

#include <QtTest>

namespace {

using C = TelnetCodec;

QByteArray B(std::initializer_list<int> bytes) {
    QByteArray out;
    for (const int byte : bytes) {
        out += char(byte);
    }
    return out;
}

QByteArray Verb(int verb, int option) {
    return B({C::kIac, verb, option});
}

// The line settings a codec asks for when the server takes COM-port control.
QByteArray LineSettings9600N81() {
    return B({C::kIac, C::kSb, 44, 1, 0, 0, 0x25, 0x80, C::kIac, C::kSe}) +
           B({C::kIac, C::kSb, 44, 2, 8, C::kIac, C::kSe}) +
           B({C::kIac, C::kSb, 44, 3, 1, C::kIac, C::kSe}) +
           B({C::kIac, C::kSb, 44, 4, 1, C::kIac, C::kSe}) +
           B({C::kIac, C::kSb, 44, 5, 1, C::kIac, C::kSe});
}

// The answers of a codec that has started to everything in `server`, fed
// in one piece and byte by byte: both must come out the same.
struct Fed {
    QByteArray data;
    QByteArray replies;
};
Fed Feed(const QByteArray& server, bool byteByByte) {
    TelnetCodec codec;
    codec.Start();
    Fed fed;
    if (byteByByte) {
        for (const char c : server) {
            fed.data += codec.Receive(QByteArray(1, c));
            fed.replies += codec.TakeReplies();
        }
    } else {
        fed.data = codec.Receive(server);
        fed.replies = codec.TakeReplies();
    }
    return fed;
}

} // namespace

class NetworkTransportTest : public QObject {
    Q_OBJECT

private slots:
    void addressesParseToOneForm_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("text"); // empty: refused
        QTest::addColumn<QString>("fileTag");
        QTest::newRow("tcp") << "tcp://10.0.0.5:4001"
                             << "tcp://10.0.0.5:4001"
                             << "10.0.0.5_4001";
        QTest::newRow("socket is tcp") << "socket://10.0.0.5:4001"
                                       << "tcp://10.0.0.5:4001"
                                       << "10.0.0.5_4001";
        QTest::newRow("rfc2217, upper case") << "RFC2217://Box.Local:23"
                                             << "rfc2217://Box.Local:23"
                                             << "Box.Local_23";
        QTest::newRow("ipv6") << "tcp://[::1]:4001"
                              << "tcp://[::1]:4001"
                              << "--1_4001";
        QTest::newRow("no port") << "tcp://10.0.0.5"
                                 << ""
                                 << "";
        QTest::newRow("port 0") << "tcp://10.0.0.5:0"
                                << ""
                                << "";
        QTest::newRow("port too high") << "rfc2217://h:65536"
                                       << ""
                                       << "";
        QTest::newRow("no host") << "tcp://:4001"
                                 << ""
                                 << "";
        QTest::newRow("path after it") << "tcp://h:4001/x"
                                       << ""
                                       << "";
        QTest::newRow("other scheme") << "ssh://h:22"
                                      << ""
                                      << "";
        QTest::newRow("device path") << "/dev/ttyUSB0"
                                     << ""
                                     << "";
    }
    void addressesParseToOneForm() {
        QFETCH(QString, given);
        QFETCH(QString, text);
        QFETCH(QString, fileTag);
        const std::optional<PortAddress> address = ParsePortAddress(given);
        QCOMPARE(address.has_value(), !text.isEmpty());
        if (address) {
            QCOMPARE(address->Text(), text);
            QCOMPARE(address->FileTag(), fileTag);
        }
    }

    void sameServerInEitherFormHasOneKey() {
        QCOMPARE(ParsePortAddress("tcp://Box:4001")->Key(),
                 ParsePortAddress("rfc2217://box:4001")->Key());
        QVERIFY(ParsePortAddress("tcp://box:4001")->Key() !=
                ParsePortAddress("tcp://box:4002")->Key());
        QVERIFY(IsNetworkAddress("TCP://nonsense"));
        QVERIFY(!IsNetworkAddress("/dev/tcp"));
    }

    void replyIsWholeAtACrFromItsEnd_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("whole");
        QTest::newRow("marked reply") << QByteArray(":P101=0x0005\r") << 13 << true;
        QTest::newRow("one short") << QByteArray(":P101=0x000\r") << 13 << false;
        QTest::newRow("no CR yet") << QByteArray(":P101=0x0005") << 13 << false;
        QTest::newRow("plain reply") << QByteArray(":P1010005\r") << 10 << true;
        QTest::newRow("noise moves the end on") << QByteArray("#~%:P101=0x0005\r") << 13 << true;
        QTest::newRow("early CR, then more") << QByteArray("ab\r:P101=0x0") << 13 << false;
        QTest::newRow("early CR, then a late one")
            << QByteArray("ab\r:P101=0x0005\r") << 13 << true;
        QTest::newRow("greeting") << QByteArray(":P000=0x0001\r") << 10 << true;
        QTest::newRow("empty") << QByteArray() << 10 << false;
    }
    void replyIsWholeAtACrFromItsEnd() {
        QFETCH(QByteArray, received);
        QFETCH(int, length);
        QFETCH(bool, whole);
        QCOMPARE(ReplyIsWhole(received, length), whole);
    }

    void replyEndsWhereTheFormatSays() {
        QCOMPARE(ReplyEndLength(kFormatPlain), 10);
        QCOMPARE(ReplyEndLength(kFormatMarked), 13);
        QCOMPARE(ReplyEndLength(kFormatUndetermined), 10);
    }

    void clientOffersWhatItNeeds() {
        TelnetCodec codec;
        QCOMPARE(codec.Start(), Verb(C::kWill, 0) + Verb(C::kWill, 3) + Verb(C::kWill, 44) +
                                    Verb(C::kDo, 0) + Verb(C::kDo, 3));
        QVERIFY(!codec.ComPortAnswered());
        QVERIFY(codec.PurgeReceived().isEmpty());
    }

    // What a server says and what the client answers, in one piece and
    // split at every byte.
    void negotiationAnswersOnlyWhatIsOwed_data() {
        QTest::addColumn<QByteArray>("server");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("replies");
        QTest::newRow("takes COM-port control: line settings follow")
            << Verb(C::kDo, 44) << QByteArray() << LineSettings9600N81();
        QTest::newRow("agrees to what was asked: nothing owed")
            << Verb(C::kDo, 0) + Verb(C::kWill, 0) + Verb(C::kDo, 3) + Verb(C::kWill, 3)
            << QByteArray() << QByteArray();
        QTest::newRow("asked twice: answered once")
            << Verb(C::kDo, 44) + Verb(C::kDo, 44) << QByteArray() << LineSettings9600N81();
        QTest::newRow("echo, terminal type, window size refused")
            << Verb(C::kWill, 1) + Verb(C::kDo, 24) + Verb(C::kDo, 31) + Verb(C::kWill, 5)
            << QByteArray()
            << Verb(C::kDont, 1) + Verb(C::kWont, 24) + Verb(C::kWont, 31) + Verb(C::kDont, 5);
        QTest::newRow("binary taken back: acknowledged")
            << Verb(C::kWill, 0) + Verb(C::kWont, 0) << QByteArray() << Verb(C::kDont, 0);
        QTest::newRow("refusal of an offer: not answered")
            << Verb(C::kDont, 44) << QByteArray() << QByteArray();
        QTest::newRow("doubled 0xFF is one data byte")
            << B({'a', 0xFF, 0xFF, 'b'}) << B({'a', 0xFF, 'b'}) << QByteArray();
        QTest::newRow("NOP, GA and data around them")
            << B({'x', C::kIac, 241, 'y', C::kIac, 249, '\r'}) << QByteArray("xy\r")
            << QByteArray();
        QTest::newRow("CR NUL before binary is CR")
            << B({':', '\r', 0, 'z'}) << QByteArray(":\rz") << QByteArray();
        QTest::newRow("server notifications skipped")
            << B({'a', C::kIac, C::kSb, 44, 106, 0x60, C::kIac, C::kSe, 'b'}) << QByteArray("ab")
            << QByteArray();
        QTest::newRow("0xFF inside a subnegotiation")
            << B({C::kIac, C::kSb, 44, 107, 0xFF, 0xFF, C::kIac, C::kSe, 'q'}) << QByteArray("q")
            << QByteArray();
    }
    void negotiationAnswersOnlyWhatIsOwed() {
        QFETCH(QByteArray, server);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, replies);
        for (const bool split : {false, true}) {
            const Fed fed = Feed(server, split);
            QCOMPARE(fed.data, data);
            QCOMPARE(fed.replies, replies);
        }
    }

    void comPortStateAndBaudReport() {
        TelnetCodec codec;
        codec.Start();
        codec.Receive(Verb(C::kDont, 44));
        QVERIFY(codec.ComPortAnswered());
        QVERIFY(!codec.ComPortOn());

        TelnetCodec taken;
        taken.Start();
        taken.Receive(Verb(C::kDo, 44) +
                      B({C::kIac, C::kSb, 44, 101, 0, 0, 0x25, 0x80, C::kIac, C::kSe}));
        QVERIFY(taken.ComPortOn());
        QCOMPARE(taken.ServerBaudRate(), quint32(9600));
        QCOMPARE(taken.PurgeReceived(), B({C::kIac, C::kSb, 44, 12, 1, C::kIac, C::kSe}));
    }

    void dataIsEncodedForTheWire() {
        TelnetCodec codec;
        codec.Start();
        // Before the server agrees to binary from the client, CR is CR NUL.
        QCOMPARE(codec.Encode(B({':', 0xFF, '\r'})), B({':', 0xFF, 0xFF, '\r', 0}));
        codec.Receive(Verb(C::kDo, 0));
        QCOMPARE(codec.Encode(B({':', 0xFF, '\r'})), B({':', 0xFF, 0xFF, '\r'}));
    }

    void whatIsKeptStaysBounded() {
        TelnetCodec codec;
        codec.Start();
        // An endless subnegotiation, then endless option requests.
        QByteArray flood = B({C::kIac, C::kSb, 44, 101});
        flood += QByteArray(100000, 'x');
        flood += B({C::kIac, C::kSe});
        for (int i = 0; i < 10000; ++i) {
            flood += Verb(C::kWill, 1);
        }
        QVERIFY(codec.Receive(flood + "ok") == "ok");
        QVERIFY(codec.TakeReplies().size() <= TelnetCodec::kMaxReplies + 2);
        QCOMPARE(codec.ServerBaudRate(), quint32(0));
    }
};

QTEST_GUILESS_MAIN(NetworkTransportTest)
#include "test_network_transport.moc"
