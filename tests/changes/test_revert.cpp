// Reverts through the edit's write path, against a scripted drive: what is
// written, in which order, what the records and flags hold afterwards, and
// the rows each revert adds.
#include "support/TestDrive.h"
#include "changes/ChangeLog.h"
#include "editing/EditRules.h"
#include "support/LinkFixture.h"

#include <QtTest>
#include <memory>

class TestRevert : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkFixture> f_;
    ChangeLog& log_ = TestDrive().Changes();

    // An accepted edit as the grid makes it, and its write-through.
    void Edit(quint16 number, const char* valueText) {
        const QString before = PmStringSheet.Value(number);
        StoreAcceptedEdit(*RecordOf(number), QString::fromLatin1(valueText));
        log_.AddWrite(ChangeKind::Edit, number, before, QString::fromLatin1(valueText));
        WritePending(number); // the drive settles the row in its change list
    }
    // Write requests from request `from` on.
    QList<QByteArray> WritesFrom(int from) const {
        QList<QByteArray> writes;
        for (const QByteArray& w : f_->port->Writes().mid(from))
            if (!w.endsWith("????\r"))
                writes << w;
        return writes;
    }
    static QByteArray Write(quint16 number, const char* value) {
        return WriteRequest(number, QString::fromLatin1(value), kFormatMarked);
    }

private slots:
    void init() {
        ResetParameterRecords();
        log_.Clear();
        f_ = LinkFixture::Drive(kFormatMarked);
        f_->GiveTo(TestDrive());
        for (quint16 n : {100, 101, 102, 213})
            PmStringSheet.Value(n) = f_->values[n] = QStringLiteral("0064");
    }
    void cleanup() {
        TestDrive().SetLink(nullptr);
        f_.reset();
    }

    void selectedRowsGoBackNewestFirst() {
        Edit(101, "00C8");
        Edit(102, "0001");
        Edit(101, "012C");
        const int mark = f_->port->Writes().size();
        const RevertOutcome outcome = TestDrive().RevertRows({0, 2});
        QCOMPARE(outcome.failed, std::nullopt);
        QCOMPARE(WritesFrom(mark), (QList<QByteArray>{Write(101, "00C8"), Write(101, "0064")}));
        QCOMPARE(f_->values.value(101), QStringLiteral("0064"));
        QCOMPARE(PmStringSheet.Value(101), QStringLiteral("0064"));
        QCOMPARE(PendingWrite.Flag(101), quint8(0));
        QVERIFY(!log_.IsConfirmedChange(101));
        QVERIFY(log_.IsConfirmedChange(102));
        QCOMPARE(log_.Rows().size(), 5);
        const ChangeRow& last = log_.Rows().last();
        QCOMPARE(last.kind, ChangeKind::Revert);
        QCOMPARE(last.originalText, QStringLiteral("00C8"));
        QCOMPARE(last.newText, QStringLiteral("0064"));
        QCOMPARE(last.result, ChangeResult::Written);
    }

    void revertAllGoesInFileOrderAndStopsAtAFailure() {
        Edit(102, "0001");
        Edit(101, "0002");
        Edit(100, "0003");
        Edit(213, "0004");
        f_->faults.refused << 102;
        const int mark = f_->port->Writes().size();
        const RevertOutcome outcome = TestDrive().RevertAll();
        QCOMPARE(outcome.failed, std::optional<quint16>(102));
        QCOMPARE(outcome.stored, (QList<quint16>{100, 101, 102}));
        QCOMPARE(WritesFrom(mark),
                 (QList<QByteArray>{Write(100, "0064"), Write(101, "0064"), Write(102, "0064")}));
        // Like a failed edit: the reverted text waits for the next commit.
        QCOMPARE(PmStringSheet.Value(102), QStringLiteral("0064"));
        QCOMPARE(PendingWrite.Flag(102), quint8(1));
        QCOMPARE(log_.Rows().last().result, ChangeResult::Failed);
        QCOMPARE(f_->values.value(213), QStringLiteral("0004"));

        f_->faults.refused.clear();
        QCOMPARE(TestDrive().RevertAll().failed, std::nullopt);
        QCOMPARE(log_.NumbersToRevert(), QList<quint16>());
        for (quint16 n : {100, 101, 102, 213})
            QCOMPARE(f_->values.value(n), QStringLiteral("0064"));
    }
};

QTEST_GUILESS_MAIN(TestRevert)
#include "test_revert.moc"
