// A drive's reads and writes of chosen parameters, with a link and without
// one: the exact requests each sends (Pn904 first, once, when a range follows
// it; a write read back only when asked), what it stores, and how it ends.
// Without a link not one request goes out and the held values answer.
#include "drive/Drive.h"
#include "support/LinkFixture.h"

#include <QtTest>

namespace {

QMap<quint16, QString> DriveState() {
    return {{100, "0064"}, {101, "0005"}, {304, "03E8"}, {904, "0BB8"}};
}

// The drive: over a scripted port answering as a drive holding DriveState,
// or without a link, holding the same values.
struct Held {
    std::unique_ptr<LinkFixture> fixture;
    Drive drive;
    qsizetype mark = 0; // requests before the test's own

    explicit Held(bool linked) {
        if (linked) {
            fixture = LinkFixture::Drive(kFormatMarked);
            fixture->values = DriveState();
            fixture->GiveTo(drive);
            // Held as read, as a drive without a link holds them.
            drive.Read({100, 101, 304, 904});
            mark = fixture->port->Writes().size();
            return;
        }
        ParameterValues values;
        const QMap<quint16, QString> state = DriveState();
        for (auto it = state.begin(); it != state.end(); ++it)
            values[size_t(SlotOf(it.key()))] = it.value();
        drive.SetValuesOffline(values);
    }
    QList<QByteArray> Requests() const {
        return fixture ? fixture->port->Writes().mid(mark) : QList<QByteArray>{};
    }
};

QByteArray R(quint16 number) {
    return ReadRequest(number);
}
QByteArray W(quint16 number, const char* value) {
    return WriteRequest(number, value, kFormatMarked);
}

} // namespace

class DriveRequestsTest : public QObject {
    Q_OBJECT

private slots:
    void readsPn904FirstOnce_data() {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<QList<quint16>>("numbers");
        QTest::addColumn<QList<QByteArray>>("requests");
        QTest::addColumn<QString>("pn904");
        QTest::newRow("no range follows Pn904")
            << true << QList<quint16>{101, 100} << QList<QByteArray>{R(101), R(100)} << "";
        QTest::newRow("Pn304 after Pn904") << true << QList<quint16>{101, 304}
                                           << QList<QByteArray>{R(904), R(101), R(304)} << "0BB8";
        QTest::newRow("Pn904 asked for too: read once")
            << true << QList<quint16>{304, 904} << QList<QByteArray>{R(904), R(304)} << "0BB8";
        QTest::newRow("without a link")
            << false << QList<quint16>{304, 904, 101} << QList<QByteArray>{} << "0BB8";
    }
    void readsPn904FirstOnce() {
        QFETCH(bool, linked);
        QFETCH(QList<quint16>, numbers);
        QFETCH(QList<QByteArray>, requests);
        QFETCH(QString, pn904);
        Held held(linked);
        const Drive::ReadResult read = held.drive.Read({numbers.begin(), numbers.end()});
        QCOMPARE(held.Requests(), requests);
        QCOMPARE(read.pn904, pn904);
        const QMap<quint16, QString> state = DriveState();
        std::vector<QString> expected;
        for (const quint16 number : numbers)
            expected.push_back(state.value(number));
        QCOMPARE(read.values, expected);
    }

    void writesAsAskedAndTellsHowItEnded_data() {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QList<quint16>>("refusedByDrive");
        QTest::addColumn<int>("end");
        QTest::addColumn<QList<QByteArray>>("requests");
        QTest::addColumn<QString>("held"); // the drive's stored text afterwards
        using E = Drive::WriteEnd;
        QTest::newRow("typed, read back") << true << 101 << "7"
                                          << "" << true << QList<quint16>{} << int(E::Written)
                                          << QList<QByteArray>{W(101, "0007"), R(101)} << "0007";
        QTest::newRow("raw, not read back")
            << true << 101 << ""
            << "0009" << false << QList<quint16>{} << int(E::Written)
            << QList<QByteArray>{W(101, "0009")} << "0009";
        QTest::newRow("range follows Pn904")
            << true << 304 << "3000"
            << "" << true << QList<quint16>{} << int(E::Written)
            << QList<QByteArray>{R(904), W(304, "0BB8"), R(304)} << "0BB8";
        QTest::newRow("outside Pn904's range: nothing written")
            << true << 304 << "3001"
            << "" << true << QList<quint16>{} << int(E::Refused) << QList<QByteArray>{R(904)}
            << "03E8";
        QTest::newRow("echo of another value")
            << true << 101 << "7"
            << "" << true << QList<quint16>{101} << int(E::WriteFailed)
            << QList<QByteArray>{W(101, "0007")} << "0005";
        QTest::newRow("without a link: stored, nothing sent")
            << false << 304 << "3000"
            << "" << true << QList<quint16>{} << int(E::Written) << QList<QByteArray>{} << "0BB8";
        QTest::newRow("without a link, outside the held Pn904's range")
            << false << 304 << "3001"
            << "" << true << QList<quint16>{} << int(E::Refused) << QList<QByteArray>{} << "03E8";
    }
    void writesAsAskedAndTellsHowItEnded() {
        QFETCH(bool, linked);
        QFETCH(int, number);
        QFETCH(QString, typed);
        QFETCH(QString, raw);
        QFETCH(bool, verify);
        QFETCH(QList<quint16>, refusedByDrive);
        QFETCH(int, end);
        QFETCH(QList<QByteArray>, requests);
        QFETCH(QString, held);
        Held drive(linked);
        if (drive.fixture)
            drive.fixture->faults.refused = {refusedByDrive.begin(), refusedByDrive.end()};
        const Drive::WriteResult result = drive.drive.Write({quint16(number), typed, raw, verify});
        QCOMPARE(int(result.end), end);
        QCOMPARE(drive.Requests(), requests);
        QCOMPARE(drive.drive.Values().PmStringSheet.Value(quint16(number)), held);
    }

    // A drive without a link greets, reads a sheet and reads all without an
    // exchange (it has no link to make one on) and changes nothing it holds;
    // the whole read still tells each value and the progress a read tells.
    void withoutALinkTheHeldValuesAnswer() {
        Held held(false);
        const DriveValues before = held.drive.Values();
        QCOMPARE(int(held.drive.Greet()), 0);
        bool exchanged = false;
        for (int sheet = 0; sheet <= 9; ++sheet)
            held.drive.ReadSheet(sheet, [&] { exchanged = true; });
        QVERIFY(!exchanged);
        QList<int> bars;
        QMap<quint16, QString> told;
        const ParameterValues all = held.drive.ReadAll(
            [&](int percent) { bars << percent; },
            [&](quint16 number, const QString& value) { told.insert(number, value); });
        QCOMPARE(all, before.PmStringSheet.Slots);
        QCOMPARE(bars, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 100}));
        QCOMPARE(told.size(), kSlotCount);
        for (auto it = told.begin(); it != told.end(); ++it)
            QCOMPARE(it.value(), before.PmStringSheet.Slots[size_t(SlotOf(it.key()))]);
        QVERIFY(held.drive.Values().PmStringSheet.Slots == before.PmStringSheet.Slots);
        QVERIFY(held.drive.Values().PmSignedValues == before.PmSignedValues);
    }
};

QTEST_GUILESS_MAIN(DriveRequestsTest)
#include "test_drive_requests.moc"
