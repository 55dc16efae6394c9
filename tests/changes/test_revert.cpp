// Reverts through the edit's write path, against a scripted drive: what is
// written, in which order, what the records and flags hold afterwards, and
// the rows each revert adds.
#include "catalogue/ParameterRecords.h"
#include "changes/ChangeLog.h"
#include "changes/Revert.h"
#include "editing/EditRules.h"
#include "editing/WriteThrough.h"
#include "link/DriveLink.h"
#include "link/DriveProtocol.h"
#include "link/TMSComm.h"
#include "support/FakeSerialDevice.h"

#include <QtTest>
#include <memory>

class TestRevert : public QObject {
    Q_OBJECT

    std::unique_ptr<TMSComm> comm_;
    FakeSerialDevice* port_ = nullptr;
    QMap<quint16, QString> drive_;
    QSet<quint16> refused_;
    ChangeLog log_;

    // An accepted edit as the grid makes it, and its write-through.
    void Edit(quint16 number, const char* valueText) {
        const QString before = PmStringSheet.Value(number);
        StoreAcceptedEdit(*RecordOf(number), QString::fromLatin1(valueText));
        log_.AddWrite(ChangeKind::Edit, number, before, QString::fromLatin1(valueText));
        WritePending(number, [this](quint16 n, const QString& text, bool failed) {
            log_.NoteWrite(n, text, !failed);
        });
    }
    // Write requests from request `from` on.
    QList<QByteArray> WritesFrom(int from) const {
        QList<QByteArray> writes;
        for (const QByteArray& w : port_->Writes().mid(from))
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
        drive_.clear();
        refused_.clear();
        auto device = std::make_unique<FakeSerialDevice>();
        port_ = device.get();
        const FakeSerialDevice::Responder drive =
            FakeSerialDevice::EchoingDrive(kFormatMarked, &drive_);
        port_->SetResponder([this, drive](const QByteArray& request) -> QByteArray {
            if (refused_.contains(request.mid(2, 3).toUShort()))
                return request.left(5) + "=0xFFFF\r";
            return drive(request);
        });
        comm_ = std::make_unique<TMSComm>(std::move(device));
        comm_->SetPortOpen(true);
        SetDriveComm(comm_.get());
        ReplyFormat = kFormatMarked;
        for (quint16 n : {100, 101, 102, 213})
            PmStringSheet.Value(n) = drive_[n] = QStringLiteral("0064");
    }
    void cleanup() {
        SetDriveComm(nullptr);
        comm_.reset();
    }

    void selectedRowsGoBackNewestFirst() {
        Edit(101, "00C8");
        Edit(102, "0001");
        Edit(101, "012C");
        const int mark = port_->Writes().size();
        const RevertOutcome outcome = RevertRows(log_, {0, 2});
        QCOMPARE(outcome.failed, std::nullopt);
        QCOMPARE(WritesFrom(mark), (QList<QByteArray>{Write(101, "00C8"), Write(101, "0064")}));
        QCOMPARE(drive_.value(101), QStringLiteral("0064"));
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
        refused_ << 102;
        const int mark = port_->Writes().size();
        const RevertOutcome outcome = RevertAll(log_);
        QCOMPARE(outcome.failed, std::optional<quint16>(102));
        QCOMPARE(outcome.stored, (QList<quint16>{100, 101, 102}));
        QCOMPARE(WritesFrom(mark), (QList<QByteArray>{Write(100, "0064"), Write(101, "0064"),
                                                      Write(102, "0064")}));
        // Like a failed edit: the reverted text waits for the next commit.
        QCOMPARE(PmStringSheet.Value(102), QStringLiteral("0064"));
        QCOMPARE(PendingWrite.Flag(102), quint8(1));
        QCOMPARE(log_.Rows().last().result, ChangeResult::Failed);
        QCOMPARE(drive_.value(213), QStringLiteral("0004"));

        refused_.clear();
        QCOMPARE(RevertAll(log_).failed, std::nullopt);
        QCOMPARE(log_.NumbersToRevert(), QList<quint16>());
        for (quint16 n : {100, 101, 102, 213})
            QCOMPARE(drive_.value(n), QStringLiteral("0064"));
    }
};

QTEST_GUILESS_MAIN(TestRevert)
#include "test_revert.moc"
