// The virtual drive itself, spoken to over its pty without the program: its
// commands, the faults tied to parameter numbers, and several drives at once.
#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "editing/EditRules.h"
#include "support/DriveSim.h"
#include "tools/drive-sim/DriveMemory.h"

#include <QDeadlineTimer>
#include <QtTest>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

const QByteArray kRead101 = ":P101????\r";

// Sends `request` to the drive on `device` and returns its reply up to its
// CR, or what had come when none ends within 2 s.
QByteArray Exchange(const QString& device, const QByteArray& request) {
    const int fd = open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0) {
        return {};
    }
    QByteArray reply;
    if (write(fd, request.constData(), size_t(request.size())) == request.size()) {
        QDeadlineTimer deadline(2000);
        pollfd readable{fd, POLLIN, 0};
        char buffer[64];
        while (!reply.endsWith('\r') && poll(&readable, 1, int(deadline.remainingTime())) > 0) {
            const ssize_t count = read(fd, buffer, sizeof buffer);
            if (count <= 0) {
                break;
            }
            reply.append(buffer, count);
        }
    }
    close(fd);
    return reply;
}

// The requests in the drive's traffic log, in order.
QList<QByteArray> Requests(const DriveSim& sim) {
    QList<QByteArray> requests;
    for (const DriveSim::LogEntry& entry : sim.Log()) {
        if (entry.direction == QLatin1String("RX")) {
            requests << entry.bytes;
        }
    }
    return requests;
}

} // namespace

class TestDriveSim : public QObject {
    Q_OBJECT

private slots:
    // A fresh drive holds, for every catalogued row with a rule, a value
    // the edit rule accepts (bounds from its own Pn904), so a report of a
    // fresh drive shows nothing out of range.
    void freshDriveKeepsEveryRule() {
        const DriveMemory memory;
        const QString pn904 = QString::fromStdString(memory.Value(kPn904));
        int rows = 0;
        QList<quint16> withoutRow;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const ParameterRecord* record = RecordOf(NumberOfSlot(slot));
            if (record == nullptr || !record->HasRule())
                continue;
            if (record->row > 0)
                ++rows;
            else
                withoutRow << record->number;
            const QString value = QString::fromStdString(memory.Value(record->number));
            QVERIFY2(StandingOf(*record, value, pn904) == ValueStanding::Within,
                     qPrintable(PnName(record->number) + ' ' + value));
        }
        // The 195 rows of the grid, and Pn724, catalogued without one.
        QCOMPARE(rows, 195);
        QCOMPARE(withoutRow, QList<quint16>{724});
    }

    void setTakesOnlyAFourDigitWord_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("held");
        QTest::newRow("word") << "0005" << true << "0005";
        QTest::newRow("lower case") << "abcd" << true << "ABCD";
        QTest::newRow("eight digits") << "FFFFFFFB" << false << "0003";
        QTest::newRow("three digits") << "005" << false << "0003";
        QTest::newRow("not hex") << "00G5" << false << "0003";
    }
    // A refused value leaves the old one, in memory and in the state file.
    void setTakesOnlyAFourDigitWord() {
        QFETCH(QString, value);
        QFETCH(bool, taken);
        QFETCH(QString, held);
        DriveSim sim;
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        QVERIFY(sim.Command("set 101 0003"));

        QCOMPARE(sim.Command("set 101 " + value), taken);
        QCOMPARE(Exchange(sim.Device(), kRead101), ":P101=0x" + held.toLatin1() + "\r");
        QCOMPARE(sim.State().value(101), held);
    }

    void keptWriteIsEchoedButNotStored_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("write");
        QTest::addColumn<QByteArray>("readBack");
        QTest::newRow("option, marked") << QStringList{"--keep", "7,101"} << ""
                                        << QByteArray(":P101=0x0005\r") << QByteArray(":P101=0x");
        QTest::newRow("option, plain") << QStringList{"--keep", "101", "--format", "0"} << ""
                                       << QByteArray(":P1010005\r") << QByteArray(":P101");
        QTest::newRow("command") << QStringList() << "keep 101" << QByteArray(":P101=0x0005\r")
                                 << QByteArray(":P101=0x");
    }
    // Until unkeep, the drive confirms the write exactly and still answers
    // reads with its old value; the request is logged as it came.
    void keptWriteIsEchoedButNotStored() {
        QFETCH(QStringList, options);
        QFETCH(QString, command);
        QFETCH(QByteArray, write);
        QFETCH(QByteArray, readBack);
        DriveSim sim(options);
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        QVERIFY(command.isEmpty() || sim.Command(command));

        QCOMPARE(Exchange(sim.Device(), write), write);
        QCOMPARE(Exchange(sim.Device(), kRead101), readBack + "0000\r");
        QCOMPARE(sim.State().value(101), QStringLiteral("0000"));
        QCOMPARE(Requests(sim), (QList<QByteArray>{write, kRead101}));

        QVERIFY(sim.Command("unkeep 101"));
        QCOMPARE(Exchange(sim.Device(), write), write);
        QCOMPARE(Exchange(sim.Device(), kRead101), readBack + "0005\r");
    }

    // Drives started side by side share no pty, log or state file.
    void severalDrivesRunApart() {
        DriveSim first;
        DriveSim second;
        QVERIFY2(first.Start(), qPrintable(first.Error()));
        QVERIFY2(second.Start(), qPrintable(second.Error()));
        QVERIFY(first.Device() != second.Device());
        QVERIFY(first.Command("set 101 1111"));
        QVERIFY(second.Command("set 101 2222"));

        const QByteArray write = ":P102=0x0007\r";
        QCOMPARE(Exchange(first.Device(), write), write);
        QCOMPARE(Exchange(second.Device(), kRead101), QByteArray(":P101=0x2222\r"));

        QCOMPARE(Requests(first), QList<QByteArray>{write});
        QCOMPARE(Requests(second), QList<QByteArray>{kRead101});
        QCOMPARE(first.State().value(101), QStringLiteral("1111"));
        QCOMPARE(first.State().value(102), QStringLiteral("0007"));
        QCOMPARE(second.State().value(101), QStringLiteral("2222"));
        QCOMPARE(second.State().value(102), QStringLiteral("0001"));
    }

    // Drives served by one process (--drives) are as apart, but for the
    // commands, which reach every one.
    void drivesOfOneProcessRunApart() {
        DriveSim sim({}, 2);
        QVERIFY2(sim.Start(), qPrintable(sim.Error()));
        QCOMPARE(sim.Devices().size(), 2);
        QVERIFY(sim.Devices()[0] != sim.Devices()[1]);
        const QByteArray write = ":P102=0x0007\r";
        QCOMPARE(Exchange(sim.Devices()[0], write), write);
        QVERIFY(sim.Command("set 101 2222"));
        QCOMPARE(Exchange(sim.Devices()[1], kRead101), QByteArray(":P101=0x2222\r"));

        QCOMPARE(sim.Requests(1), QList<QByteArray>{write});
        QCOMPARE(sim.Requests(2), QList<QByteArray>{kRead101});
        QCOMPARE(sim.State(1).value(102), QStringLiteral("0007"));
        QCOMPARE(sim.State(2).value(102), QStringLiteral("0001"));
        QCOMPARE(sim.State(1).value(101), QStringLiteral("2222"));
    }
};

QTEST_GUILESS_MAIN(TestDriveSim)
#include "test_drive_sim.moc"
