#include "app/compare/TComparePmForm.h"

#include "app/Dialogs.h"
#include "app/ErrorHandler.h"
#include "app/FormGeometry.h"
#include "app/MainDrive.h"
#include "app/TMainForm.h"
#include "app/TOpenPmForm.h"
#include "app/TProgressForm.h"
#include "catalogue/CatalogueTexts.h"
#include "catalogue/ParameterRecord.h"
#include "compare/CompareTexts.h"
#include "values/ValueWords.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRowsShown = 20;

const char* const kHeaders[] = {QT_TRANSLATE_NOOP("TComparePmForm", "寫入"),
                                QT_TRANSLATE_NOOP("TComparePmForm", "編號"),
                                QT_TRANSLATE_NOOP("TComparePmForm", "說明"),
                                QT_TRANSLATE_NOOP("TComparePmForm", "驅動器數值"),
                                QT_TRANSLATE_NOOP("TComparePmForm", "檔案數值"),
                                QT_TRANSLATE_NOOP("TComparePmForm", "單位"),
                                QT_TRANSLATE_NOOP("TComparePmForm", "範圍"),
                                QT_TRANSLATE_NOOP("TComparePmForm", "狀態")};
constexpr int kWidths[] = {44, 56, 300, 120, 120, 72, 132, 150};

QTableWidgetItem* TextItem(const QString& text, bool enabled) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(enabled ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* TickItem(const CompareRow& row) {
    auto* item = new QTableWidgetItem();
    item->setFlags(row.writable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                                : Qt::ItemIsSelectable);
    item->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
    item->setData(Qt::AccessibleTextRole, TComparePmForm::tr(kHeaders[0]));
    return item;
}

} // namespace

TComparePmForm::TComparePmForm(QWidget* parent) : QDialog(parent) {
    setObjectName("ComparePmForm");
    setModal(true);
    setSizeGripEnabled(true);

    grdCompare = new QTableWidget(0, ColumnCount, this);
    grdCompare->setObjectName("grdCompare");
    QFont font = PixelFont("MS Sans Serif", 16);
    font.setStretch(QFont::SemiCondensed);
    grdCompare->setFont(font);
    grdCompare->verticalHeader()->hide();
    grdCompare->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCompare->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCompare->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QHBoxLayout();
    btnSelectAll = AddButton(this, buttons, "btnSelectAll", QString());
    btnSelectNone = AddButton(this, buttons, "btnSelectNone", QString());
    buttons->addStretch();
    btnWriteSelected = AddButton(this, buttons, "btnWriteSelected", QString());
    btnCloseCompare = AddButton(this, buttons, "btnCloseCompare", QString());
    RetranslateUi();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdCompare);
    layout->addLayout(buttons);

    const int rowHeight = grdCompare->verticalHeader()->defaultSectionSize();
    const int tableHeight = grdCompare->horizontalHeader()->sizeHint().height() +
                            kRowsShown * rowHeight + 2 * grdCompare->frameWidth();
    int width = 0;
    for (int col = 0; col < ColumnCount; ++col)
        width += grdCompare->columnWidth(col);
    resize(width + 2 * grdCompare->frameWidth() + 24,
           tableHeight + btnCloseCompare->sizeHint().height() + 36);

    const auto wire = [this](QPushButton* button, void (TComparePmForm::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
    };
    wire(btnSelectAll, &TComparePmForm::btnSelectAllClick);
    wire(btnSelectNone, &TComparePmForm::btnSelectNoneClick);
    wire(btnWriteSelected, &TComparePmForm::btnWriteSelectedClick);
    wire(btnCloseCompare, &TComparePmForm::btnCloseCompareClick);
}

void TComparePmForm::RetranslateUi() {
    setWindowTitle(tr("比較檔案"));
    QStringList headers;
    for (const char* header : kHeaders)
        headers << tr(header);
    SetColumnTitles(grdCompare, headers, kWidths);
    SetButtonText(btnSelectAll, tr("全選"));
    SetButtonText(btnSelectNone, tr("全不選"));
    SetButtonText(btnWriteSelected, tr("寫入勾選參數"));
    SetButtonText(btnCloseCompare, tr("關閉"));
}

void TComparePmForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(event);
}

void TComparePmForm::ShowRows(const std::vector<CompareRow>& rows, const QString& pn904Text) {
    rows_ = rows;
    grdCompare->clearContents();
    grdCompare->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < grdCompare->rowCount(); ++i) {
        const CompareRow& row = rows_[i];
        const ParameterRecord* record = RecordOf(row.number);
        const bool catalogued = record != nullptr && record->HasRule();
        const auto put = [&](int col, const QString& text) {
            grdCompare->setItem(i, col, TextItem(text, row.writable));
        };
        grdCompare->setItem(i, ColWrite, TickItem(row));
        put(ColNumber, PnName(row.number));
        put(ColDescription, catalogued ? DescriptionIn(*record, CurrentLanguage()) : QString());
        put(ColDrive, ValueInWordsWithHex(row.number, row.driveText));
        put(ColFile, ValueInWordsWithHex(row.number, row.fileText));
        put(ColUnit, catalogued ? QString::fromUtf8(record->unit) : QString());
        put(ColRange, RangeText(row.number, pn904Text));
        put(ColState, RowStateText(row.state));
    }
}

bool TComparePmForm::Ticked(int row) const {
    const QTableWidgetItem* item = grdCompare->item(row, ColWrite);
    return item != nullptr && item->checkState() == Qt::Checked;
}

void TComparePmForm::SetTicks(bool ticked) {
    for (int i = 0; i < grdCompare->rowCount(); ++i) {
        if (rows_[i].writable)
            grdCompare->item(i, ColWrite)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void TComparePmForm::btnSelectAllClick() {
    SetTicks(true);
}

void TComparePmForm::btnSelectNoneClick() {
    SetTicks(false);
}

void TComparePmForm::btnWriteSelectedClick() {
    std::vector<ValueToWrite> requests;
    std::vector<int> tableRows;
    for (int i = 0; i < grdCompare->rowCount(); ++i) {
        if (rows_[i].writable && Ticked(i)) {
            requests.push_back({rows_[i].number, rows_[i].fileText});
            tableRows.push_back(i);
        }
    }
    if (requests.empty())
        return;
    VerifyResult result;
    {
        const ProgressShown progress(OpenPmForm);
        result = MainDrive().WriteAndVerify(requests, progress.Bar(), {}, FileName);
    }
    for (std::size_t i = 0; i < tableRows.size(); ++i)
        ShowOutcome(tableRows[i], result.writes[i]);
    ShowMessage(VerifySummary(result));
}

void TComparePmForm::ShowOutcome(int row, const VerifiedWrite& write) {
    grdCompare->item(row, ColState)->setText(VerifyOutcomeText(write));
    if (write.readDone) {
        rows_[row].driveText = write.readBack;
        grdCompare->item(row, ColDrive)->setText(ValueInWordsWithHex(write.number, write.readBack));
    }
    if (write.outcome != VerifyOutcome::WriteFailed && write.outcome != VerifyOutcome::NotRun)
        grdCompare->item(row, ColWrite)->setCheckState(Qt::Unchecked);
}

void TComparePmForm::btnCloseCompareClick() {
    accept();
}
