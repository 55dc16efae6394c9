// The string grid adapter: cell addressing with the fixed row and column,
// the editing switch, and the order and content of its events as the edit
// handlers rely on them.
#include "app/TGridEditor.h"
#include "app/TStringGrid.h"
#include "core/TarnError.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

class GridFixture : public QWidget {
public:
    GridFixture() {
        auto* layout = new QVBoxLayout(this);
        grid = new TStringGrid(this);
        other = new QLineEdit(this);
        layout->addWidget(grid);
        layout->addWidget(other);
        grid->SetColCount(7);
        grid->SetRowCount(40);
        for (int row = 1; row < 40; ++row)
            for (int col = 0; col < 7; ++col)
                grid->SetCell(col, row, QString("c%1r%2").arg(col).arg(row));
        grid->SetCell(3, 1, "12");
        // Editing follows the selected cell: only column 3 is editable.
        grid->OnSelectCell = [this](int col, int row, bool&) {
            log << QString("select %1,%2").arg(col).arg(row);
            grid->SetEditing(col == 3);
        };
        grid->OnGetEditMask = [this](int col, int row, QString& value) {
            log << QString("mask %1,%2").arg(col).arg(row);
            value = mask;
        };
        grid->OnKeyPress = [this](char& key) {
            log << QString("key %1").arg(key == '\r' ? QString("Enter") : QString(QChar(key)));
            if (!(key >= '0' && key <= '9') && key != '\b' && key != '\r' && key != '-')
                key = '\0';
        };
        grid->OnSetEditText = [this](int col, int row, const QString& value) {
            log << QString("text %1,%2 '%3' cell '%4'")
                       .arg(col)
                       .arg(row)
                       .arg(value, grid->Cell(col, row));
        };
        grid->OnEditAbandoned = [this](int col, int row) {
            log << QString("abandon %1,%2").arg(col).arg(row);
        };
        grid->OnEditorOpened = [this](int col, int row) {
            log << QString("opened %1,%2").arg(col).arg(row);
        };
        resize(900, 500);
    }

    TStringGrid* grid;
    QLineEdit* other;
    QStringList log;
    QString mask;
};

class TestStringGrid : public QObject {
    Q_OBJECT

    std::unique_ptr<GridFixture> f;

    // Selects the value cell of row 1 and forgets the events so far.
    void SelectValueCell() {
        f->grid->setFocus();
        f->grid->SelectCell(3, 1);
        f->log.clear();
    }
    void OpenWithEnter() {
        QTest::keyClick(f->grid, Qt::Key_Return);
        QVERIFY(f->grid->EditorOpen());
    }

private slots:
    void init() {
        f = std::make_unique<GridFixture>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    void cleanup() { f.reset(); }

    void cellsAddressFixedRowAndColumnLikeCells() {
        TStringGrid* g = f->grid;
        QCOMPARE(g->RowCount(), 40);
        QCOMPARE(g->ColCount(), 7);
        QCOMPARE(g->rowCount(), 39); // the header row is Qt's header, not a row
        g->SetCell(0, 0, "編號");
        g->SetCell(3, 0, "數值");
        QCOMPARE(g->Cell(0, 0), QString("編號"));
        QCOMPARE(g->Cell(3, 0), QString("數值"));
        QCOMPARE(g->horizontalHeaderItem(2)->text(), QString("數值"));
        QCOMPARE(g->Cell(0, 5), QString("c0r5"));
        QCOMPARE(g->verticalHeaderItem(4)->text(), QString("c0r5"));
        QCOMPARE(g->Cell(3, 5), QString("c3r5"));
        QCOMPARE(g->Cell(7, 1), QString());
        QCOMPARE(g->Cell(1, 40), QString());
        QVERIFY_THROWS_EXCEPTION(EToolkitError, g->SetCell(7, 1, "x"));
        QVERIFY_THROWS_EXCEPTION(EToolkitError, g->SetCell(1, 40, "x"));
        QVERIFY_THROWS_EXCEPTION(EToolkitError, g->SetFixedRows(2));
    }

    void rowCountShrinksAndGrowsWithBlankHeaders() {
        TStringGrid* g = f->grid;
        g->SetRowCount(5);
        QCOMPARE(g->RowCount(), 5);
        QCOMPARE(g->Cell(1, 5), QString());
        g->SetRowCount(8);
        // A new row's header is blank, not Qt's row number.
        QCOMPARE(g->Cell(0, 7), QString());
        QCOMPARE(g->model()->headerData(6, Qt::Vertical).toString(), QString());
        g->SetCell(0, 7, "Pn006");
        QCOMPARE(g->Cell(0, 7), QString("Pn006"));
    }

    void columnWidthsIncludeTheFixedColumn() {
        TStringGrid* g = f->grid;
        const int widths[] = {50, 335, 100, 60, 85, 55, 55};
        for (int c = 0; c < 7; ++c)
            g->SetColWidth(c, widths[c]);
        for (int c = 0; c < 7; ++c)
            QCOMPARE(g->ColWidth(c), widths[c]);
        QCOMPARE(g->verticalHeader()->width(), 50);
    }

    void headersStayPutWhileCellsScroll() {
        TStringGrid* g = f->grid;
        const int headerTop = g->horizontalHeader()->mapTo(f.get(), QPoint(0, 0)).y();
        const int rowTop = g->visualRect(g->model()->index(0, 0)).top();
        g->verticalScrollBar()->setValue(g->verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
        QVERIFY(g->visualRect(g->model()->index(0, 0)).top() < rowTop);
        QCOMPARE(g->horizontalHeader()->mapTo(f.get(), QPoint(0, 0)).y(), headerTop);
        QVERIFY(g->horizontalHeader()->isVisible());
    }

    void enterOpensEditsAndDeliversInOrder() {
        SelectValueCell();
        OpenWithEnter();
        QCOMPARE(f->grid->Editor()->text(), QString("12"));
        QTest::keyClicks(f->grid->Editor(), "50");
        QTest::keyClick(f->grid->Editor(), Qt::Key_Return);
        const QStringList expected = {
            "key Enter",
            "mask 3,1",
            "opened 3,1",
            "key 5",
            "text 3,1 '5' cell '12'",
            "key 0",
            "text 3,1 '50' cell '12'",
            "key Enter",
            "text 3,1 '50' cell '50'",
        };
        QCOMPARE(f->log, expected);
        QVERIFY(!f->grid->EditorOpen());
        QCOMPARE(f->grid->Cell(3, 1), QString("50"));
    }

    void cellWrittenDuringDeliveryIsKept() {
        // The handler puts the stored value back on a rejection; the grid
        // must not overwrite it afterwards.
        f->grid->OnSetEditText = [this](int col, int row, const QString&) {
            f->grid->SetCell(col, row, "restored");
        };
        SelectValueCell();
        OpenWithEnter();
        QTest::keyClicks(f->grid->Editor(), "7");
        QTest::keyClick(f->grid->Editor(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(f->grid->Cell(3, 1), QString("restored"));
    }

    void digitOnSelectedCellStartsEditingWithIt() {
        SelectValueCell();
        QTest::keyClick(f->grid, '7');
        QVERIFY(f->grid->EditorOpen());
        QCOMPARE(f->grid->Editor()->text(), QString("7"));
        const QStringList expected = {"key 7", "mask 3,1", "opened 3,1", "text 3,1 '7' cell '12'"};
        QCOMPARE(f->log, expected);
    }

    void swallowedKeysChangeNothing() {
        SelectValueCell();
        QTest::keyClicks(f->grid, "a+. ");
        QVERIFY(!f->grid->EditorOpen());
        OpenWithEnter();
        QTest::keyClicks(f->grid->Editor(), "4a+. 2");
        QCOMPARE(f->grid->Editor()->text(), QString("42"));
    }

    void keysWithoutCharacterBypassFilter_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Delete") << int(Qt::Key_Delete);
        QTest::newRow("Left") << int(Qt::Key_Left);
        QTest::newRow("Right") << int(Qt::Key_Right);
        QTest::newRow("F2") << int(Qt::Key_F2);
        QTest::newRow("Home") << int(Qt::Key_Home);
    }
    void keysWithoutCharacterBypassFilter() {
        QFETCH(int, key);
        SelectValueCell();
        OpenWithEnter();
        f->log.clear();
        QTest::keyClick(f->grid->Editor(), Qt::Key(key));
        QTest::keyClick(f->grid, Qt::Key(key)); // the editor's or, once moved, the grid's
        QVERIFY(f->log.filter("key ").isEmpty());
    }

    void editingOnlyWhereSwitchedOn() {
        f->grid->setFocus();
        f->grid->SelectCell(2, 1);
        QVERIFY(!f->grid->Editing());
        QTest::keyClick(f->grid, '5');
        QTest::keyClick(f->grid, Qt::Key_Return);
        QVERIFY(!f->grid->EditorOpen());
        QCOMPARE(f->grid->Cell(2, 1), QString("c2r1"));
        QTest::keyClick(f->grid, Qt::Key_Right); // onto column 3
        QCOMPARE(f->grid->Col(), 3);
        QVERIFY(f->grid->Editing());
        QTest::keyClick(f->grid, '5');
        QVERIFY(f->grid->EditorOpen());
        QVERIFY(f->log.contains("select 3,1"));
    }

    void abandonDeliversNoText_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("escape") << "escape";
        QTest::newRow("arrow down") << "down";
        QTest::newRow("click another cell") << "click";
        QTest::newRow("focus lost") << "focus";
        QTest::newRow("editing switched off") << "off";
    }
    void abandonDeliversNoText() {
        QFETCH(QString, how);
        SelectValueCell();
        QTest::keyClick(f->grid, '9');
        QVERIFY(f->grid->EditorOpen());
        f->log.clear();
        TGridEditor* editor = f->grid->Editor();
        if (how == "escape") {
            QTest::keyClick(editor, Qt::Key_Escape);
        } else if (how == "down") {
            QTest::keyClick(editor, Qt::Key_Down);
            QCOMPARE(f->grid->Row(), 2);
        } else if (how == "click") {
            const QRect cell = f->grid->visualRect(f->grid->model()->index(2, 1));
            QTest::mouseClick(f->grid->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(f->grid->Row(), 3);
        } else if (how == "focus") {
            f->other->setFocus();
        } else {
            f->grid->SetEditing(false);
        }
        QCoreApplication::processEvents();
        QVERIFY(!f->grid->EditorOpen());
        QCOMPARE(f->log.filter("abandon").size(), 1);
        QCOMPARE(f->log.filter("abandon").first(), QString("abandon 3,1"));
        QVERIFY(f->log.filter("text").isEmpty());
        QCOMPARE(f->grid->Cell(3, 1), QString("12"));
    }

    void maskedTextKeepsDashesAndBlanks_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("delivered");
        QTest::newRow("three digits, all typed") << "0-0-0"
                                                 << "123"
                                                 << "1-2-3";
        QTest::newRow("three digits, one typed") << "0-0-0"
                                                 << "4"
                                                 << "4- - ";
        QTest::newRow("dash typed over literal") << "0-0-0"
                                                 << "1-2"
                                                 << "1-2- ";
        QTest::newRow("pair group") << "00-0"
                                    << "123"
                                    << "12-3";
        QTest::newRow("pair group short") << "00-0"
                                          << "1"
                                          << "1 - ";
        QTest::newRow("four digits") << "0-0-0-0"
                                     << "9876"
                                     << "9-8-7-6";
    }
    void maskedTextKeepsDashesAndBlanks() {
        QFETCH(QString, mask);
        QFETCH(QString, typed);
        QFETCH(QString, delivered);
        f->mask = mask;
        SelectValueCell();
        QTest::keyClick(f->grid, typed.at(0).toLatin1());
        QTest::keyClicks(f->grid->Editor(), typed.mid(1));
        QTest::keyClick(f->grid->Editor(), Qt::Key_Return);
        QCOMPARE(f->log.last(), QString("text 3,1 '%1' cell '%1'").arg(delivered));
    }

    void maskedEditorStartsFromCellText() {
        f->mask = "0-0-0";
        f->grid->SetCell(3, 1, "1-2-3");
        SelectValueCell();
        OpenWithEnter();
        QCOMPARE(f->grid->Editor()->displayText(), QString("1-2-3"));
        QTest::keyClick(f->grid->Editor(), Qt::Key_Return);
        QCOMPARE(f->log.last(), QString("text 3,1 '1-2-3' cell '1-2-3'"));
    }

    void pastePassesOnlyFilteredCharacters() {
        SelectValueCell();
        OpenWithEnter();
        QApplication::clipboard()->setText("1a2-b.3\r\n4");
        f->log.clear();
        QTest::keyClick(f->grid->Editor(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->grid->Editor()->text(), QString("12-34"));
        // The line break is never a key: pasting does not commit.
        QVERIFY(!f->log.contains("key Enter"));
        QVERIFY(f->grid->EditorOpen());
        QCOMPARE(f->log.last(), QString("text 3,1 '12-34' cell '12'"));
    }

    void doubleClickOpensEditorOnEditableCell() {
        SelectValueCell();
        const QRect cell = f->grid->visualRect(f->grid->currentIndex());
        QTest::mouseDClick(f->grid->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(f->grid->EditorOpen());
        QCOMPARE(f->log.filter("opened").size(), 1);
    }
};

QTEST_MAIN(TestStringGrid)
#include "test_string_grid.moc"
