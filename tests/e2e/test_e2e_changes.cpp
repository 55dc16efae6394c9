// The change list driven by clicks against the virtual drive: marks in the
// grid, the rows of the list, reverting one row and all of them, the
// export, and the row of a load. The drive's log and state are the judge.
#include "E2eFixture.h"
#include "changes/ChangeLog.h"
#include "app/changes/TChangeLogForm.h"
#include "changes/ValueMarks.h"
#include "files/ParameterFile.h"
#include "link/DriveProtocol.h"

#include <QTableWidget>
#include <QTemporaryDir>

namespace {

QStringList TableRow(int row) {
    QStringList texts;
    for (int col = 0; col < ChangeLogForm->grdChanges->columnCount(); ++col)
        texts << ChangeLogForm->grdChanges->item(row, col)->text();
    return texts;
}

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

QByteArray Write(int format, quint16 number, const char* value) {
    return WriteRequest(number, QString::fromLatin1(value), quint8(format));
}

} // namespace

class TestE2eChanges : public QObject {
    Q_OBJECT

private slots:
    void editsMarksRevertsAndExport_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("plain") << 0;
        QTest::newRow("marked") << 1;
    }
    void editsMarksRevertsAndExport() {
        QFETCH(int, format);
        E2eFixture f({"--format", QString::number(format), "--reject", "102"});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        f.ShowSheet(1);
        const QMap<quint16, QString> start = f.sim.State();
        QCOMPARE(start.value(101), QStringLiteral("0000"));
        QCOMPARE(start.value(102), QStringLiteral("0001"));

        f.Type(101, "200");
        f.Type(102, "300");
        QCOMPARE(f.dialogs.messages, QStringList{"Pn102 寫入失敗"});
        QCOMPARE(f.sim.State().value(101), QStringLiteral("00C8"));
        QCOMPARE(ValueMarkOf(SessionChangeLog(), 101), ValueMark::Changed);
        QCOMPARE(ValueMarkOf(SessionChangeLog(), 102), ValueMark::Pending);
        QCOMPARE(f.Grid()->CellMarkOf(3, f.RowOf(101)).background, TMainForm::kChangedMarkColour);
        QCOMPARE(f.Grid()->CellMarkOf(3, f.RowOf(102)).background, TMainForm::kPendingMarkColour);
        QCOMPARE(f.Grid()->Cell(3, f.RowOf(102)), QStringLiteral("300"));

        MainForm->ChangeLog1->trigger();
        QVERIFY(ChangeLogForm->isVisible());
        QCOMPARE(ChangeLogForm->grdChanges->rowCount(), 2);
        QCOMPARE(TableRow(0).mid(1), (QStringList{"Pn101", "TI1", "0", "200", "已寫入"}));
        QCOMPARE(TableRow(1).mid(1), (QStringList{"Pn102", "KPP1", "1", "300", "寫入失敗"}));

        // One row back: the old value is written and shown.
        QVERIFY(f.sim.Command("unreject 102"));
        int mark = f.Mark();
        ChangeLogForm->grdChanges->selectRow(0);
        Click(ChangeLogForm->btnRevert);
        QCOMPARE(f.WritesFrom(mark), QList<QByteArray>{Write(format, 101, "0000")});
        QCOMPARE(f.sim.State().value(101), QStringLiteral("0000"));
        QCOMPARE(f.Grid()->Cell(3, f.RowOf(101)), QStringLiteral("0"));
        QCOMPARE(ValueMarkOf(SessionChangeLog(), 101), ValueMark::None);
        QCOMPARE(ChangeLogForm->grdChanges->rowCount(), 3);
        QCOMPARE(TableRow(2).mid(1), (QStringList{"Pn101", "還原：TI1", "200", "0", "已寫入"}));

        // All back: the value that never reached the drive is forgotten,
        // and nothing of it is written then or by a later commit.
        mark = f.Mark();
        Click(ChangeLogForm->btnRevertAll);
        f.Type(103, "10"); // unchanged: the commit writes what still waits
        QCOMPARE(f.WritesFrom(mark), QList<QByteArray>{Write(format, 102, "0001")});
        QCOMPARE(f.sim.State(), start);
        QCOMPARE(f.Grid()->Cell(3, f.RowOf(102)), QStringLiteral("1"));
        QCOMPARE(ValueMarkOf(SessionChangeLog(), 102), ValueMark::None);
        QCOMPARE(f.dialogs.messages, QStringList{"Pn102 寫入失敗"});

        // The export holds exactly the rows shown.
        QTemporaryDir dir;
        f.dialogs.saveAnswers << dir.filePath("changes");
        Click(ChangeLogForm->btnExportLog);
        const QByteArray csv = FileBytes(dir.filePath("changes.csv"));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QStringList expected{"時間,編號,說明,原值,新值,結果"};
        for (int row = 0; row < ChangeLogForm->grdChanges->rowCount(); ++row)
            expected << TableRow(row).join(',');
        QCOMPARE(expected.size(), 5);
        QCOMPARE(QString::fromUtf8(csv.mid(3)), expected.join("\r\n") + "\r\n");
    }

    void loadAddsOneRowThatCannotBeReverted() {
        E2eFixture f({"--reject", "2"});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        QTemporaryDir dir;
        const QString path = dir.filePath("abc.tarn");
        ParameterValues values;
        values.fill(QStringLiteral("0001"));
        QVERIFY(PutFile(path, ParameterFileBytes(values)));
        f.dialogs.openAnswers << path;
        f.dialogs.yesNoAnswers << true;
        MainForm->Open2->trigger();
        const QString stopped =
            "載入已停止：Pn002 寫入失敗；已寫入 2 個參數（Pn000 ~ Pn001），驅動器其餘參數未變更";
        QCOMPARE(f.dialogs.messages, QStringList{stopped});

        MainForm->ChangeLog1->trigger();
        QCOMPARE(ChangeLogForm->grdChanges->rowCount(), 1);
        QCOMPARE(TableRow(0).mid(1),
                 (QStringList{"", "載入 abc.tarn：" + stopped, "", "", "寫入失敗"}));
        ChangeLogForm->grdChanges->selectRow(0);
        QVERIFY(!ChangeLogForm->btnRevert->isEnabled());
        QVERIFY(!ChangeLogForm->btnRevertAll->isEnabled());
    }
};

QTEST_MAIN(TestE2eChanges)
#include "test_e2e_changes.moc"
