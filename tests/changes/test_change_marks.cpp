// The marks of value cells in the real grid: where they come from, that
// they follow the sheet on show and leave the text alone, and that 設定
// takes the waiting marks with the flags.
#include "changes/ChangeLog.h"
#include "app/MainWindowFixture.h"

#include <QImage>
#include <QMenu>

class TestChangeMarks : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    static CellMark MarkOf(quint16 number) {
        return MainWindowFixture::Grid()->CellMarkOf(3, MainWindowFixture::RowOf(number));
    }
    // The colour the grid paints in the middle of a value cell.
    static QColor Painted(quint16 number) {
        TStringGrid* grid = MainWindowFixture::Grid();
        const QRect cell =
            grid->visualItemRect(grid->item(MainWindowFixture::RowOf(number) - 1, 2));
        const QImage image = grid->viewport()->grab(cell).toImage();
        return image.pixelColor(image.width() - 3, 2);
    }

private slots:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        for (quint16 n = 100; n <= 120; ++n)
            f->values[n] = QStringLiteral("0001");
        f->ConnectAndSetUp();
        f->ShowSheet(1);
    }
    void cleanup() { f.reset(); }

    void marksFollowTheSheetOnShowAndLeaveTheText() {
        f->refused << 103;
        f->Type(101, "200");
        f->Type(103, "300");
        QCOMPARE(f->dialogs.messages, QStringList{"Pn103 寫入失敗"});
        QCOMPARE(f->ValueCell(101), QStringLiteral("200"));
        QCOMPARE(f->ValueCell(103), QStringLiteral("300"));
        QCOMPARE(MarkOf(101).background, TMainForm::kChangedMarkColour);
        QCOMPARE(MarkOf(101).hint, QStringLiteral("本次已變更，原值 1"));
        QCOMPARE(MarkOf(103).background, TMainForm::kPendingMarkColour);
        QCOMPARE(MarkOf(103).hint, QStringLiteral("等待寫入"));
        QCOMPARE(MarkOf(102).background, QColor());
        f->Select(1, f->RowOf(110)); // the current cell would be drawn highlighted
        QCOMPARE(Painted(101), TMainForm::kChangedMarkColour);
        QCOMPARE(Painted(103), TMainForm::kPendingMarkColour);
        QCOMPARE(Painted(102), MainWindowFixture::Grid()->palette().color(QPalette::Base));

        // The same rows on another sheet show other parameters: no marks.
        f->ShowSheet(2);
        for (int row = 1; row < f->Grid()->RowCount(); ++row)
            QVERIFY2(!f->Grid()->CellMarkOf(3, row).background.isValid(),
                     qPrintable(QString::number(row)));
        f->ShowSheet(1);
        QCOMPARE(MarkOf(101).background, TMainForm::kChangedMarkColour);
        QCOMPARE(MarkOf(103).background, TMainForm::kPendingMarkColour);

        // 設定 lowers the flags, and with them the waiting mark.
        MainForm->Setup_Parameters->trigger();
        f->ShowSheet(1);
        QCOMPARE(MarkOf(103).background, QColor());
        QCOMPARE(MarkOf(101).background, TMainForm::kChangedMarkColour);
    }

    void changeLogWindowComesAfterSetUpInTheMenu() {
        const QList<QAction*> items = MainForm->findChild<QMenu*>("Parameters")->actions();
        QCOMPARE(items.indexOf(MainForm->ChangeLog1),
                 items.indexOf(MainForm->Setup_Parameters) + 1);
        MainForm->ChangeLog1->trigger();
        QWidget* window = MainForm->findChild<QWidget*>("ChangeLogForm");
        QVERIFY(window && window->isVisible() && !window->isModal());
        QCOMPARE(window->windowTitle(), QStringLiteral("變更記錄"));
    }
};

QTEST_MAIN(TestChangeMarks)
#include "test_change_marks.moc"
