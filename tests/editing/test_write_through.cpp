#include "support/TestDrive.h"
#include "support/LinkFixture.h"

#include <QtTest>
#include <memory>

// A drive that echoes writes in the marked format, except those of the
// numbers its faults refuse (a differing echo) or while it is silent.
class TestWriteThrough : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkFixture> f_;

    void Pending(quint16 number, const QString& valueText) {
        PmStringSheet.Value(number) = valueText;
        PendingWrite.Flag(number) = 1;
    }
    static QByteArray Write(quint16 number, const char* value) {
        return WriteRequest(number, QString::fromLatin1(value), kFormatMarked);
    }

private slots:
    void init() {
        ResetParameterRecords();
        f_ = LinkFixture::Drive(kFormatMarked);
        f_->GiveTo(TestDrive());
    }
    void cleanup() {
        TestDrive().SetLink(nullptr);
        f_.reset();
    }

    void writesPendingOfTheSheetInIncreasingOrder() {
        Pending(120, "0001");
        Pending(100, "0002");
        Pending(110, "0003");
        Pending(213, "FC18"); // another sheet waits for its own commit
        QCOMPARE(WriteThrough(1), std::optional<quint16>());
        QCOMPARE(f_->port->Writes(),
                 (QList<QByteArray>{Write(100, "0002"), Write(110, "0003"), Write(120, "0001")}));
        QCOMPARE(PendingWrite.Flag(100) + PendingWrite.Flag(110) + PendingWrite.Flag(120), 0);
        QCOMPARE(PendingWrite.Flag(213), quint8(1));
        QCOMPARE(f_->values.value(110), QString("0003"));
    }

    void firstRefusedStopsAndKeepsBothPending() {
        Pending(101, "0005");
        Pending(105, "0006");
        f_->faults.refused.insert(101);
        QCOMPARE(WriteThrough(1), std::optional<quint16>(101));
        QCOMPARE(f_->port->Writes(), QList<QByteArray>{Write(101, "0005")});
        QCOMPARE(PendingWrite.Flag(101), quint8(1));
        QCOMPARE(PendingWrite.Flag(105), quint8(1));

        f_->faults.refused.clear();
        QCOMPARE(WriteThrough(1), std::optional<quint16>());
        QCOMPARE(f_->port->Writes().mid(1),
                 (QList<QByteArray>{Write(101, "0005"), Write(105, "0006")}));
        QCOMPARE(PendingWrite.Flag(101), quint8(0));
        QCOMPARE(PendingWrite.Flag(105), quint8(0));
    }

    void noAnswerIsAFailure() {
        Pending(0, "0171");
        Pending(3, "0004");
        f_->faults.silent = true;
        QCOMPARE(WriteThrough(0), std::optional<quint16>(0));
        QCOMPARE(f_->port->Writes().size(), 1);
        QCOMPARE(PendingWrite.Flag(0), quint8(1));
        QCOMPARE(PendingWrite.Flag(3), quint8(1));
    }

    void laterFailureLowersTheEarlierFlags() {
        Pending(500, "0001");
        Pending(539, "02C1");
        f_->faults.refused.insert(539);
        QCOMPARE(WriteThrough(5), std::optional<quint16>(539));
        QCOMPARE(PendingWrite.Flag(500), quint8(0));
        QCOMPARE(PendingWrite.Flag(539), quint8(1));
    }

    void unreadValueIsNotSentAndCountsAsDone() {
        Pending(904, "None");
        Pending(905, "0001");
        QCOMPARE(WriteThrough(9), std::optional<quint16>());
        QCOMPARE(f_->port->Writes(), QList<QByteArray>{Write(905, "0001")});
        QCOMPARE(PendingWrite.Flag(904), quint8(0));
    }

    void sheetWithoutRecordsWritesNothing() {
        Pending(100, "0001");
        QCOMPARE(WriteThrough(8), std::optional<quint16>());
        QCOMPARE(WriteThrough(10), std::optional<quint16>());
        QVERIFY(f_->port->Writes().isEmpty());
        QCOMPARE(PendingWrite.Flag(100), quint8(1));
    }
};

QTEST_GUILESS_MAIN(TestWriteThrough)
#include "test_write_through.moc"
