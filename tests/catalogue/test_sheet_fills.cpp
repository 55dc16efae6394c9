#include "SheetValues.h"

#include "app/TStringGrid.h"
#include "core/TarnError.h"
#include "catalogue/Catalogue.h"
#include "support/TestDrive.h"
#include "app/grid/TPmDataForm.h"
#include "editing/EditRules.h"
#include "values/ValueForms.h"
#include "values/ValueWords.h"

#include <QtTest>
#include <memory>

namespace {
constexpr std::array<int, 9> kGridRows{5, 22, 15, 40, 13, 38, 32, 38, 82};

QStringList HeaderTexts() {
    return {QString::fromUtf8("編號"),  QString::fromUtf8("說明"), QString::fromUtf8("控制模式"),
            QString::fromUtf8("數值"),  QString::fromUtf8("單位"), QString::fromUtf8("最小值"),
            QString::fromUtf8("最大值")};
}

QStringList RowTexts(const TStringGrid& grid, int row) {
    QStringList texts;
    for (int col = 0; col < 7; ++col) {
        texts << grid.Cell(col, row);
    }
    return texts;
}

// A bound text with Pn904 replaced by its value.
QString WithPn904(const char* bound, const char* pn904) {
    return QString::fromUtf8(bound).replace("Pn904", pn904);
}

void Store(quint16 number, const QString& valueText) {
    PmStringSheet.Value(number) = valueText;
    SplitDigits(number);
    UpdateSignedValue(number);
}
} // namespace

// Faults in the grid layout and the sheet fills: a wrong row count or
// header, a cell in the wrong column, a bound from the wrong Pn904 word or
// in the wrong sign, a fill that goes on (or stops too early) after a bad
// value text.
class TestSheetFills : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetParameterRecords();
        grid_ = std::make_unique<TStringGrid>();
        form_ = std::make_unique<TPmDataForm>();
        form_->SetTargetGrid(grid_.get());
    }
    void cleanup() {
        form_.reset();
        grid_.reset();
    }

    void formIsHiddenAndSized() {
        QCOMPARE(form_->windowTitle(), QString("PmDataForm"));
        QCOMPARE(form_->size(), QSize(588, 435));
        QVERIFY(!form_->isVisible());
    }

    void layoutAndRowsOfEverySheet_data() {
        QTest::addColumn<int>("sheet");
        for (int sheet = 0; sheet < 8; ++sheet) {
            QTest::addRow("sheet %d", sheet) << sheet;
        }
    }
    void layoutAndRowsOfEverySheet() {
        QFETCH(int, sheet);
        StoreInRangeValues();
        grid_->SetRowCount(82);
        for (int row = 1; row < 82; ++row) {
            grid_->SetCellHint(1, row, "old");
        }
        form_->FillSheet(sheet);
        QCOMPARE(grid_->ColCount(), 7);
        QCOMPARE(grid_->RowCount(), kGridRows[sheet]);
        QCOMPARE(RowTexts(*grid_, 0), HeaderTexts());
        const QList<int> widths{50, 335, 100, 60, 85, 55, 55};
        for (int col = 0; col < 7; ++col) {
            QCOMPARE(grid_->ColWidth(col), widths[col]);
        }
        for (int row = 1; row < grid_->RowCount(); ++row) {
            const ParameterRecord* e = EntryAtRow(sheet, row);
            QVERIFY(e != nullptr);
            const QStringList expected{PnName(e->number),
                                       QString::fromUtf8(e->description),
                                       QString::fromUtf8(e->controlMode),
                                       DisplayText(e->form, e->number),
                                       QString::fromUtf8(e->unit),
                                       WithPn904(e->min.text, "3000"),
                                       WithPn904(e->max.text, "3000")};
            QCOMPARE(RowTexts(*grid_, row), expected);
            // The description's gloss is its tooltip; a row without one has none.
            QCOMPARE(grid_->CellHint(1, row), QString::fromUtf8(e->gloss));
            // The texts-only functions give what the grid shows.
            QCOMPARE(DisplayTextOfValue(e->form, PmStringSheet.Value(e->number)), expected[3]);
            QCOMPARE(BoundTextsOf(*e, PmStringSheet.Value(904)).minimum, expected[5]);
            QCOMPARE(BoundTextsOf(*e, PmStringSheet.Value(904)).maximum, expected[6]);
        }
    }

    void layoutOfSheetsWithoutCatalogue() {
        grid_->SetRowCount(17);
        form_->InitSheetGrid(8);
        QCOMPARE(grid_->RowCount(), 82);
        QCOMPARE(RowTexts(*grid_, 0), HeaderTexts());
        for (quint16 index : {9, 10, 200}) {
            grid_->SetRowCount(17);
            grid_->SetCell(1, 0, "old");
            form_->InitSheetGrid(index);
            QCOMPARE(grid_->RowCount(), 17);
            QCOMPARE(RowTexts(*grid_, 0), HeaderTexts());
        }
    }

    void sheetThreeThenSheetZeroLeavesFourRows() {
        StoreInRangeValues();
        form_->FillPn3xxSheet();
        QCOMPARE(grid_->RowCount(), 40);
        form_->FillPn0xxSheet();
        QCOMPARE(grid_->RowCount(), 5);
        for (int row = 1; row <= 4; ++row) {
            QCOMPARE(grid_->Cell(0, row), PnName(static_cast<quint16>(row - 1)));
        }
        QCOMPARE(RowTexts(*grid_, 0), HeaderTexts());
    }

    void valueColumnByForm_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("valueText");
        QTest::addColumn<QString>("shown");
        QTest::newRow("decimal") << 1 << "001E"
                                 << "30";
        QTest::newRow("decimal 8000") << 111 << "8000"
                                      << "32768";
        QTest::newRow("signed 8000") << 213 << "8000"
                                     << "-32768";
        QTest::newRow("signed negative") << 502 << "FC18"
                                         << "-1000";
        QTest::newRow("three-digit") << 0 << "0171"
                                     << "1-7-1";
        QTest::newRow("two-digit") << 109 << "0015"
                                   << "1-5";
        QTest::newRow("four-digit") << 415 << "1011"
                                    << "1-0-1-1";
        QTest::newRow("pair") << 512 << "0808"
                              << "08-08";
        QTest::newRow("signal 09-") << 525 << "0093"
                                    << "09-3";
        QTest::newRow("signal 10-") << 526 << "00A3"
                                    << "10-3";
        QTest::newRow("signal letter above 9") << 535 << "016B"
                                               << "22-B";
        QTest::newRow("sheet 7 row 14") << 726 << "7530"
                                        << "30000";
    }
    void valueColumnByForm() {
        QFETCH(int, number);
        QFETCH(QString, valueText);
        QFETCH(QString, shown);
        StoreInRangeValues();
        Store(static_cast<quint16>(number), valueText);
        const ParameterRecord* e = CatalogueEntryOf(static_cast<quint16>(number));
        form_->FillSheet(e->sheet);
        QCOMPARE(grid_->Cell(0, e->row), PnName(e->number));
        QCOMPARE(grid_->Cell(3, e->row), shown);
    }

    void boundsFollowPn904_data() {
        QTest::addColumn<QString>("pn904");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        for (int n = 304; n <= 311; ++n) {
            QTest::addRow("0BB8 Pn%d", n) << "0BB8" << n << "-3000"
                                          << "3000";
            QTest::addRow("8000 Pn%d", n) << "8000" << n << "-32768"
                                          << "-32768";
        }
        QTest::newRow("0BB8 Pn406") << "0BB8" << 406 << "0"
                                    << "3000";
        QTest::newRow("0BB8 Pn407") << "0BB8" << 407 << "-3000"
                                    << "0";
        QTest::newRow("0BB8 Pn708") << "0BB8" << 708 << "0"
                                    << "3000";
        QTest::newRow("8000 Pn406") << "8000" << 406 << "0"
                                    << "32768";
        QTest::newRow("8000 Pn407") << "8000" << 407 << "-32768"
                                    << "0";
        QTest::newRow("8000 Pn708") << "8000" << 708 << "0"
                                    << "32768";
        QTest::newRow("FFFF Pn406") << "FFFF" << 406 << "0"
                                    << "65535";
        QTest::newRow("FFFF Pn407") << "FFFF" << 407 << "1"
                                    << "0";
        QTest::newRow("fixed signed") << "0BB8" << 403 << "-3000"
                                      << "0";
    }
    void boundsFollowPn904() {
        QFETCH(QString, pn904);
        QFETCH(int, number);
        QFETCH(QString, min);
        QFETCH(QString, max);
        StoreInRangeValues();
        StorePn904(pn904.toLatin1().constData());
        const ParameterRecord* e = CatalogueEntryOf(static_cast<quint16>(number));
        form_->FillSheet(e->sheet);
        QCOMPARE(grid_->Cell(5, e->row), min);
        QCOMPARE(grid_->Cell(6, e->row), max);
        QCOMPARE(BoundTextsOf(*e, pn904).minimum, min);
        QCOMPARE(BoundTextsOf(*e, pn904).maximum, max);
    }

    void digitWiseBoundTexts_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::newRow("Pn000") << 0 << "0-0-0"
                               << "1-7-1";
        QTest::newRow("Pn114") << 114 << "0-0"
                               << "1-6";
        QTest::newRow("Pn415") << 415 << "0-0-0-0"
                               << "1-1-1-1";
        QTest::newRow("Pn512") << 512 << "00-00"
                               << "08-08";
        QTest::newRow("Pn525") << 525 << "00-0"
                               << "44-1";
        QTest::newRow("Pn534") << 534 << "00-0"
                               << "44-1";
        QTest::newRow("Pn535") << 535 << "00-0"
                               << "22-1";
        QTest::newRow("Pn539") << 539 << "00-0"
                               << "22-1";
    }
    void digitWiseBoundTexts() {
        QFETCH(int, number);
        QFETCH(QString, min);
        QFETCH(QString, max);
        StoreInRangeValues();
        const ParameterRecord* e = CatalogueEntryOf(static_cast<quint16>(number));
        form_->FillSheet(e->sheet);
        QCOMPARE(grid_->Cell(5, e->row), min);
        QCOMPARE(grid_->Cell(6, e->row), max);
    }

    // A sheet read that got no answers: the group row shows "--", the first
    // decimal row stops the fill after its first three cells.
    void fillStopsAtTheFirstBadDecimal_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("badNumber");
        QTest::addColumn<QString>("badText");
        QTest::addColumn<QString>("message");
        const QString bad = QStringLiteral("'%1' is not a valid integer value");
        QTest::newRow("sheet 0 unanswered") << 0 << -1 << "" << bad.arg("0x");
        QTest::newRow("sheet 1 None") << 1 << 105 << "None" << bad.arg("0xNone");
        QTest::newRow("sheet 5 signal select") << 5 << 530 << "" << bad.arg("0x");
        QTest::newRow("sheet 7 last row") << 7 << 749 << "12G4" << bad.arg("0x12G4");
    }
    void fillStopsAtTheFirstBadDecimal() {
        QFETCH(int, sheet);
        QFETCH(int, badNumber);
        QFETCH(QString, badText);
        QFETCH(QString, message);
        if (badNumber >= 0) {
            StoreInRangeValues();
            Store(static_cast<quint16>(badNumber), badText);
        }
        grid_->SetRowCount(kGridRows[sheet]);
        grid_->SetColCount(7);
        for (int row = 1; row < kGridRows[sheet]; ++row) {
            for (int col = 0; col < 7; ++col) {
                grid_->SetCell(col, row, "old");
            }
        }
        QString raised = "no error";
        try {
            form_->FillSheet(sheet);
        } catch (const EConvertError& e) {
            raised = e.Text();
        }
        QCOMPARE(raised, message);
        QCOMPARE(RowTexts(*grid_, 0), HeaderTexts());

        // The row of the failure: number, description and mode written.
        const int badRow = badNumber >= 0 ? CatalogueEntryOf(static_cast<quint16>(badNumber))->row : 2;
        const ParameterRecord* e = EntryAtRow(sheet, badRow);
        QCOMPARE(RowTexts(*grid_, badRow),
                 (QStringList{PnName(e->number), QString::fromUtf8(e->description),
                              QString::fromUtf8(e->controlMode), "old", "old", "old", "old"}));
        for (int row = 1; row < badRow; ++row) {
            QVERIFY(!RowTexts(*grid_, row).contains("old"));
        }
        for (int row = badRow + 1; row < kGridRows[sheet]; ++row) {
            QCOMPARE(RowTexts(*grid_, row), QStringList(7, "old"));
        }
        if (sheet == 0) {
            QCOMPARE(grid_->Cell(3, 1), QString("--"));
        }
    }

private:
    std::unique_ptr<TStringGrid> grid_;
    std::unique_ptr<TPmDataForm> form_;
};

QTEST_MAIN(TestSheetFills)
#include "test_sheet_fills.moc"
