// 搜尋參數 with a drive: picking a hit shows its sheet, read once as a tab
// change reads it, and selects its value cell; a hit without a row on the
// tabs cannot be picked.
#include "MainWindowFixture.h"

#include "app/grid/TFindForm.h"

#include <QLineEdit>
#include <QTableWidget>

namespace {

// The numbers read from write `from` on, in order.
QList<quint16> ReadsFrom(const FakeSerialDevice& device, int from) {
    QList<quint16> numbers;
    for (const QByteArray& request : device.Writes().mid(from))
        if (request.endsWith("????\r"))
            numbers << request.mid(2, 3).toUShort();
    return numbers;
}

QList<quint16> Sheet2Reads() {
    QList<quint16> numbers;
    for (quint16 n = 200; n <= 213; ++n)
        numbers << n;
    return numbers;
}

} // namespace

class TestFindWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    // Catches a jump to the wrong sheet or row, a sheet read twice or not
    // at all, and a read when the sheet is already on show.
    void enterPicksTheFirstHitAndReadsItsSheetOnce() {
        f->ConnectAndSetUp();
        QCOMPARE(MainForm->Find1->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        MainForm->Find1->trigger();
        QVERIFY(FindForm->isVisible());
        QCOMPARE(FindForm->windowTitle(), QStringLiteral("搜尋參數"));
        QVERIFY(!FindForm->isModal());

        QTest::keyClicks(FindForm->edtFind, QStringLiteral("encoder output"));
        QCOMPARE(FindForm->grdHits->rowCount(), 1);
        QCOMPARE(FindForm->grdHits->item(0, 0)->text(), QStringLiteral("Pn211"));
        QCOMPARE(FindForm->grdHits->item(0, 1)->text(), QStringLiteral("編碼器脈波輸出數"));
        QCOMPARE(FindForm->grdHits->item(0, 2)->text(), QStringLiteral("Pn2xx"));

        const int mark = f->Mark();
        QTest::keyClick(FindForm->edtFind, Qt::Key_Return);
        QCOMPARE(MainForm->ParaTabControl->TabIndex(), 2);
        QCOMPARE(f->Grid()->currentRow() + 1, f->RowOf(211));
        QCOMPARE(f->Grid()->currentColumn() + 1, 3);
        QCOMPARE(ReadsFrom(*f->device, mark), Sheet2Reads());

        // Another parameter of the sheet on show: no read.
        const int again = f->Mark();
        FindForm->edtFind->setText(QStringLiteral("Pn201"));
        QTest::keyClick(FindForm->edtFind, Qt::Key_Return);
        QCOMPARE(f->Grid()->currentRow() + 1, f->RowOf(201));
        QCOMPARE(ReadsFrom(*f->device, again), QList<quint16>());
    }

    // Catches a parameter without a row that can be picked, or a
    // double-click that does not pick.
    void hitsWithoutARowAreNotPickedAndADoubleClickPicks() {
        f->ConnectAndSetUp();
        MainForm->Find1->trigger();
        FindForm->edtFind->setText(QStringLiteral("Pn904"));
        QCOMPARE(FindForm->grdHits->item(0, 2)->text(), QStringLiteral("Pn9xx（不在表格中）"));
        QCOMPARE(FindForm->grdHits->item(0, 0)->flags(), Qt::NoItemFlags);
        const int mark = f->Mark();
        QTest::keyClick(FindForm->edtFind, Qt::Key_Return);
        FindForm->grdHitsActivated(0);
        QCOMPARE(MainForm->ParaTabControl->TabIndex(), 0);
        QCOMPARE(f->Mark(), mark);

        FindForm->edtFind->setText(QStringLiteral("Pn4"));
        QVERIFY(QTest::qWaitForWindowExposed(FindForm));
        const QRect cell = FindForm->grdHits->visualItemRect(FindForm->grdHits->item(3, 0));
        // A double-click is a click and then the second press.
        QTest::mouseClick(FindForm->grdHits->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(FindForm->grdHits->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(MainForm->ParaTabControl->TabIndex(), 4);
        QCOMPARE(f->Grid()->currentRow() + 1, f->RowOf(403));
    }

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TestFindWindow)
#include "test_find_window.moc"
