#include "app/changes/TChangeLogForm.h"

#include "app/Dialogs.h"
#include "app/ErrorHandler.h"
#include "app/FormGeometry.h"
#include "app/MainDrive.h"
#include "app/TMainForm.h"
#include "catalogue/SheetRanges.h"
#include "changes/ChangeLog.h"
#include "changes/ChangeTexts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

TChangeLogForm* ChangeLogForm = nullptr;

namespace {

constexpr std::array<int, 6> kWidths{84, 60, 250, 80, 80, 80};

// The outcome of a revert, told the way an edit tells a failed write.
void ShowReverted(const RevertOutcome& outcome) {
    for (const quint16 number : outcome.stored)
        MainForm->ShowHeldValue(number);
    if (outcome.failed)
        ShowMessage(TChangeLogForm::tr("%1 寫入失敗").arg(PnName(*outcome.failed)));
    if (outcome.refused)
        ShowMessage(TChangeLogForm::tr("%1 不在允許範圍內，未還原").arg(outcome.refusedLine));
}

} // namespace

TChangeLogForm::TChangeLogForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("ChangeLogForm");
    setFont(PixelFont("MS Sans Serif", 16));
    PlaceForm(this, 300, 200, 720, 420);

    grdChanges = new QTableWidget(0, 6, this);
    grdChanges->setObjectName("grdChanges");
    grdChanges->verticalHeader()->hide();
    grdChanges->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdChanges->horizontalHeader()->setStretchLastSection(true);
    grdChanges->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdChanges->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdChanges->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdChanges->setWordWrap(false);
    grdChanges->setTextElideMode(Qt::ElideNone);

    auto* buttons = new QHBoxLayout;
    btnRevert = AddButton(this, buttons, "btnRevert", QString());
    btnRevertAll = AddButton(this, buttons, "btnRevertAll", QString());
    buttons->addStretch();
    btnExportLog = AddButton(this, buttons, "btnExportLog", QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdChanges);
    layout->addLayout(buttons);

    connect(btnRevert, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnRevertClick(); }); });
    connect(btnRevertAll, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnRevertAllClick(); }); });
    connect(btnExportLog, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnExportLogClick(); }); });
    connect(grdChanges, &QTableWidget::itemSelectionChanged, this, [this] { ShowButtons(); });
    connect(&MainDrive().Changes(), &ChangeLog::Changed, this, [this] { ShowRows(); });
    RetranslateUi();
}

void TChangeLogForm::RetranslateUi() {
    setWindowTitle(tr("變更記錄"));
    SetColumnTitles(grdChanges, ChangeLogHeaders(CurrentLanguage()), kWidths.data());
    SetButtonText(btnRevert, tr("還原"));
    SetButtonText(btnRevertAll, tr("全部還原"));
    SetButtonText(btnExportLog, tr("匯出"));
    ShowRows();
}

void TChangeLogForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void TChangeLogForm::ShowRows() {
    const QList<ChangeRow>& rows = MainDrive().Changes().Rows();
    const int shown = grdChanges->rowCount();
    // Rows already shown keep their items, and so the selection on them.
    grdChanges->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList texts = ChangeRowTexts(rows[r], CurrentLanguage());
        for (int c = 0; c < texts.size(); ++c) {
            if (QTableWidgetItem* item = grdChanges->item(r, c))
                item->setText(texts[c]);
            else
                grdChanges->setItem(r, c, new QTableWidgetItem(texts[c]));
        }
    }
    if (rows.size() > shown)
        grdChanges->scrollToBottom();
    ShowButtons();
}

void TChangeLogForm::ShowButtons() {
    const QList<ChangeRow>& rows = MainDrive().Changes().Rows();
    bool revertible = false;
    for (const QModelIndex& index : grdChanges->selectionModel()->selectedRows())
        revertible = revertible || rows.value(index.row()).revertible;
    btnRevert->setEnabled(revertible);
    btnRevertAll->setEnabled(!MainDrive().Changes().NumbersToRevert().isEmpty());
    btnExportLog->setEnabled(!rows.isEmpty());
}

void TChangeLogForm::btnRevertClick() {
    QList<int> chosen;
    for (const QModelIndex& index : grdChanges->selectionModel()->selectedRows())
        chosen << index.row();
    ShowReverted(MainDrive().RevertRows(chosen));
}

void TChangeLogForm::btnRevertAllClick() {
    ShowReverted(MainDrive().RevertAll());
}

void TChangeLogForm::btnExportLogClick() {
    const QString chosen = Dialogs().SaveFileName(this, kCsvFilter);
    if (chosen.isEmpty())
        return;
    WriteChangeLogCsv(WithCsvSuffix(chosen), MainDrive().Changes().Rows());
}
