// The change list as plain bookkeeping: rows, originals, the green mark,
// what 全部還原 picks, and the texts and CSV it shows and exports.
#include "support/TestDrive.h"
#include "changes/ChangeLog.h"
#include "changes/ChangeTexts.h"
#include "changes/ValueMarks.h"

#include <QtTest>

namespace {
const QTime kAt(9, 5, 7);
}

class TestChangeLog : public QObject {
    Q_OBJECT

    ChangeLog log;

    int Edit(quint16 number, const char* before, const char* after) {
        return log.AddWrite(ChangeKind::Edit, number, QString::fromLatin1(before),
                            QString::fromLatin1(after), kAt);
    }

private slots:
    void init() {
        log.Clear();
        ResetParameterRecords();
    }

    void rowResultFollowsTheWritesOfItsOwnText() {
        const int row = Edit(101, "0064", "00C8");
        QCOMPARE(log.Rows()[row].result, ChangeResult::Pending);
        log.NoteWrite(101, "00C8", false);
        QCOMPARE(log.Rows()[row].result, ChangeResult::Failed);
        QVERIFY(!log.IsConfirmedChange(101));
        // A sheet read put the drive's text in its place: that write is
        // not the edit's.
        log.NoteWrite(101, "0064", true);
        QCOMPARE(log.Rows()[row].result, ChangeResult::Failed);
        log.NoteWrite(101, "00C8", true);
        QCOMPARE(log.Rows()[row].result, ChangeResult::Written);
        QVERIFY(log.IsConfirmedChange(101));
        // A later write of another parameter leaves it alone.
        const int other = Edit(102, "0001", "0002");
        log.NoteWrite(102, "0002", false);
        QCOMPARE(log.Rows()[row].result, ChangeResult::Written);
        QCOMPARE(log.Rows()[other].result, ChangeResult::Failed);
    }

    void originalIsKeptFromTheFirstChange() {
        Edit(512, "0101", "0202");
        Edit(101, "0064", "00C8");
        Edit(101, "00C8", "012C");
        Edit(1, "0003", "0005");
        QCOMPARE(log.OriginalOf(101), std::optional<QString>("0064"));
        QCOMPARE(log.Rows()[2].originalText, QStringLiteral("00C8"));
        QCOMPARE(log.OriginalOf(102), std::nullopt);
        QCOMPARE(log.ChangedNumbers(), (QList<quint16>{1, 101, 512}));
    }

    void greenMarkGoesWhenTheOriginalIsWrittenBack() {
        Edit(101, "01f4", "0064");
        log.NoteWrite(101, "0064", true);
        QVERIFY(log.IsConfirmedChange(101));
        // The drive's lower-case text and an edit's upper-case one are the
        // same value.
        Edit(101, "0064", "01F4");
        log.NoteWrite(101, "01F4", true);
        QVERIFY(!log.IsConfirmedChange(101));
        QCOMPARE(log.OriginalOf(101), std::optional<QString>("01f4"));
    }

    void marksAndHints() {
        Edit(213, "FC18", "0064"); // signed: -1000 -> 100
        log.NoteWrite(213, "0064", true);
        QCOMPARE(ValueMarkOf(log, 213), ValueMark::Changed);
        QCOMPARE(ValueMarkHint(log, 213), QStringLiteral("本次已變更，原值 -1000"));
        // Waiting wins over changed.
        PendingWrite.Flag(213) = 1;
        QCOMPARE(ValueMarkOf(log, 213), ValueMark::Pending);
        QCOMPARE(ValueMarkHint(log, 213), QStringLiteral("等待寫入"));
        QCOMPARE(ValueMarkOf(log, 101), ValueMark::None);
        QCOMPARE(ValueMarkHint(log, 101), QString());
    }

    void revertAllPicksWhatIsNotBack() {
        Edit(100, "0001", "0002"); // back: confirmed at its original
        log.NoteWrite(100, "0002", true);
        log.AddWrite(ChangeKind::Revert, 100, "0002", "0001", kAt);
        log.NoteWrite(100, "0001", true);
        Edit(101, "0064", "00C8"); // changed and confirmed
        log.NoteWrite(101, "00C8", true);
        Edit(102, "0001", "0009"); // never reached the drive
        log.NoteWrite(102, "0009", false);
        Edit(103, "None", "0005"); // no original to write back
        log.NoteWrite(103, "0005", true);
        Edit(104, "0001", "0002"); // back, but a newer value is waiting
        log.NoteWrite(104, "0002", true);
        log.AddWrite(ChangeKind::Revert, 104, "0002", "0001", kAt);
        log.NoteWrite(104, "0001", true);
        Edit(104, "0001", "0003");
        QCOMPARE(log.NumbersToRevert(), (QList<quint16>{101, 102, 104}));
        QVERIFY(!log.Rows()[4].revertible); // Pn103's "None"
    }

    void bulkRowMovesOnlyTrackedMarks() {
        Edit(101, "0064", "00C8");
        log.NoteWrite(101, "00C8", true);
        log.AddBulk(BulkNote("載入", "/tmp/x/abc.tarn", 307), ChangeResult::Written,
                    {{101, "0064"}, {102, "0005"}}, kAt);
        QVERIFY(!log.IsConfirmedChange(101));
        QCOMPARE(log.OriginalOf(102), std::nullopt);
        const ChangeRow& bulk = log.Rows().last();
        QVERIFY(!bulk.revertible);
        QCOMPARE(ChangeRowTexts(bulk),
                 (QStringList{"09:05:07", "", "載入 abc.tarn：307 個參數", "", "", "已寫入"}));
    }

    void rowTextsUseDisplayForms_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("texts");
        const int E = int(ChangeKind::Edit);
        const int R = int(ChangeKind::Revert);
        QTest::newRow("three-digit group")
            << E << 0 << "0010"
            << "0171" << QStringList{"09:05:07", "Pn000", "", "0-1-0", "1-7-1", "等待寫入"};
        QTest::newRow("signed revert")
            << R << 213 << "0064"
            << "FC18" << QStringList{"09:05:07", "Pn213", "還原：", "100", "-1000", "等待寫入"};
        QTest::newRow("failed read shown as it is")
            << E << 101 << "None"
            << "0005" << QStringList{"09:05:07", "Pn101", "", "None", "5", "等待寫入"};
    }
    void rowTextsUseDisplayForms() {
        QFETCH(int, kind);
        QFETCH(int, number);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QStringList, texts);
        const quint16 n = quint16(number);
        log.AddWrite(ChangeKind(kind), n, before, after, kAt);
        QStringList shown = ChangeRowTexts(log.Rows().last());
        // The description is the catalogue's; only what is put before it is
        // this list's.
        const QString description = QString::fromUtf8(RecordOf(n)->description);
        QVERIFY(!description.isEmpty());
        QVERIFY(shown[2].endsWith(description));
        shown[2].chop(description.size());
        QCOMPARE(shown, texts);
    }

    void csvHasBomHeaderQuotingAndCrLf() {
        Edit(101, "0064", "00C8");
        log.NoteWrite(101, "00C8", true);
        log.AddBulk(QStringLiteral("寫入 a,\"b\".tarn：2 個參數"), ChangeResult::Failed, {}, kAt);
        const QByteArray csv = ChangeLogCsv(log.Rows());
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QList<QByteArray> lines = csv.mid(3).split('\n');
        QCOMPARE(lines.size(), 4); // three lines and what follows the last LF
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < 3; ++i)
            QVERIFY2(lines[i].endsWith('\r'), lines[i].constData());
        QCOMPARE(QString::fromUtf8(lines[0]), QStringLiteral("時間,編號,說明,原值,新值,結果\r"));
        QCOMPARE(QString::fromUtf8(lines[1]),
                 QStringLiteral("09:05:07,Pn101,%1,100,200,已寫入\r")
                     .arg(QString::fromUtf8(RecordOf(101)->description)));
        QCOMPARE(QString::fromUtf8(lines[2]),
                 QStringLiteral("09:05:07,,\"寫入 a,\"\"b\"\".tarn：2 個參數\",,,寫入失敗\r"));
        QCOMPARE(WithCsvSuffix("x"), QStringLiteral("x.csv"));
        QCOMPARE(WithCsvSuffix("x.CSV"), QStringLiteral("x.CSV"));
    }
};

QTEST_GUILESS_MAIN(TestChangeLog)
#include "test_change_log.moc"
