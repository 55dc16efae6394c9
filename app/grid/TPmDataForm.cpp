#include "app/grid/TPmDataForm.h"

#include "app/MainDrive.h"
#include "app/TMainForm.h"
#include "app/TStringGrid.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueTexts.h"
#include "catalogue/SheetRanges.h"
#include "report/ReportModel.h"

#include <array>

namespace {
constexpr int kColumns = 7;
// Sheet 8 has a layout of its own but no parameters to count rows from.
constexpr int kSheet8Rows = 82;
constexpr std::array<int, kColumns> kWidths{50, 335, 100, 60, 85, 55, 55};
} // namespace

TPmDataForm::TPmDataForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("PmDataForm"));
    resize(588, 435);
}

void TPmDataForm::SetTargetGrid(TStringGrid* grid) {
    target_ = grid;
}

TStringGrid* TPmDataForm::Grid() const {
    return target_ != nullptr ? target_ : MainForm->grdPnxxxSheet;
}

void TPmDataForm::InitSheetGrid(quint16 sheetIndex) {
    TStringGrid* grid = Grid();
    grid->SetColCount(kColumns);
    if (sheetIndex < 8) {
        grid->SetRowCount(CatalogueRowCount(sheetIndex) + 1);
    } else if (sheetIndex == 8) {
        grid->SetRowCount(kSheet8Rows);
    }
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    for (int col = 0; col < kColumns; ++col) {
        grid->SetColWidth(col, kWidths[col]);
    }
    // The report's column titles are the grid's, but for the bounds: their
    // 55-px columns hold the report's English words cut ("Minimu"), so the
    // grid says them short.
    QStringList headers = ReportWords(CurrentLanguage(), report_text::kGridColumns);
    headers[5] = tr("最小值", "the grid's narrow column");
    headers[6] = tr("最大值", "the grid's narrow column");
    for (int col = 0; col < kColumns; ++col) {
        grid->SetCell(col, 0, headers[col]);
    }
}

void TPmDataForm::FillCatalogueRows(int sheetIndex) {
    InitSheetGrid(static_cast<quint16>(sheetIndex));
    TStringGrid* grid = Grid();
    const DriveValues& values = MainDrive().Values();
    const Language language = CurrentLanguage();
    for (const ParameterRecord* e : CatalogueOfSheet(sheetIndex)) {
        if (e->row == 0) {
            continue; // held in the records, shown by no row
        }
        grid->SetCell(0, e->row, PnName(e->number));
        grid->SetCell(1, e->row, DescriptionIn(*e, language));
        // The other language's words one hover away: the gloss under the
        // Chinese, the Chinese under the English.
        grid->SetCellHint(
            1, e->row,
            QString::fromUtf8(language == Language::English ? e->description : e->gloss));
        grid->SetCell(2, e->row, ControlModeIn(*e, language));
        // The column is as wide as the Chinese needs; the English reads
        // whole on hover (and no hint is left behind in Chinese).
        grid->SetCellHint(2, e->row,
                          language == Language::English ? ControlModeIn(*e, language) : QString());
        // May throw: the row's later cells then keep their old texts.
        grid->SetCell(3, e->row, values.DisplayText(e->form, e->number));
        grid->SetCell(4, e->row, QString::fromUtf8(e->unit));
        grid->SetCell(5, e->row, values.ShownMinimum(*e));
        grid->SetCell(6, e->row, values.ShownMaximum(*e));
    }
}

void TPmDataForm::FillPn0xxSheet() {
    FillCatalogueRows(0);
}
void TPmDataForm::FillPn1xxSheet() {
    FillCatalogueRows(1);
}
void TPmDataForm::FillPn2xxSheet() {
    FillCatalogueRows(2);
}
void TPmDataForm::FillPn3xxSheet() {
    FillCatalogueRows(3);
}
void TPmDataForm::FillPn4xxSheet() {
    FillCatalogueRows(4);
}
void TPmDataForm::FillPn5xxSheet() {
    FillCatalogueRows(5);
}
void TPmDataForm::FillPn6xxSheet() {
    FillCatalogueRows(6);
}
void TPmDataForm::FillPn7xxSheet() {
    FillCatalogueRows(7);
}

void TPmDataForm::FillSheet(int sheetIndex) {
    switch (sheetIndex) {
    case 0:
        FillPn0xxSheet();
        break;
    case 1:
        FillPn1xxSheet();
        break;
    case 2:
        FillPn2xxSheet();
        break;
    case 3:
        FillPn3xxSheet();
        break;
    case 4:
        FillPn4xxSheet();
        break;
    case 5:
        FillPn5xxSheet();
        break;
    case 6:
        FillPn6xxSheet();
        break;
    case 7:
        FillPn7xxSheet();
        break;
    default:
        break; // no catalogue, nothing to show
    }
}
