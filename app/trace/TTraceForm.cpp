#include "app/trace/TTraceForm.h"

#include "app/Dialogs.h"
#include "app/ErrorHandler.h"
#include "app/FormGeometry.h"
#include "app/TMainForm.h"
#include "core/WholeFile.h"
#include "link/ExchangeTrace.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

TTraceForm* TraceForm = nullptr;

namespace {

constexpr std::array<int, 6> kWidths{280, 100, 130, 210, 80, 140};
const char* const kHeaders[] = {
    QT_TRANSLATE_NOOP("TTraceForm", "時間"),    QT_TRANSLATE_NOOP("TTraceForm", "通訊埠"),
    QT_TRANSLATE_NOOP("TTraceForm", "送出"),    QT_TRANSLATE_NOOP("TTraceForm", "收到"),
    QT_TRANSLATE_NOOP("TTraceForm", "等待 ms"), QT_TRANSLATE_NOOP("TTraceForm", "判定")};

} // namespace

ExchangeHistory& MainExchanges() {
    static ExchangeHistory history;
    return history;
}

TTraceForm::TTraceForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TraceForm");
    setFont(PixelFont("MS Sans Serif", 16));
    PlaceForm(this, 240, 180, 980, 460);

    grdTrace = new QTableWidget(0, 6, this);
    grdTrace->setObjectName("grdTrace");
    grdTrace->verticalHeader()->hide();
    grdTrace->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdTrace->horizontalHeader()->setStretchLastSection(true);
    grdTrace->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTrace->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTrace->setWordWrap(false);
    grdTrace->setTextElideMode(Qt::ElideNone);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnExportTrace = AddButton(this, buttons, "btnExportTrace", QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdTrace);
    layout->addLayout(buttons);

    connect(btnExportTrace, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnExportTraceClick(); }); });
    MainExchanges().SetChanged([this] { ShowRows(); });
    RetranslateUi();
}

void TTraceForm::RetranslateUi() {
    setWindowTitle(tr("通訊記錄"));
    QStringList headers;
    for (const char* header : kHeaders)
        headers << tr(header);
    SetColumnTitles(grdTrace, headers, kWidths.data());
    SetButtonText(btnExportTrace, tr("匯出"));
    // Every row again, its verdict in the language chosen.
    grdTrace->setRowCount(0);
    shownAdded_ = MainExchanges().Added() - long(MainExchanges().Records().size());
    ShowRows();
}

void TTraceForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

TTraceForm::~TTraceForm() {
    MainExchanges().SetChanged(nullptr);
}

void TTraceForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ShowRows();
}

void TTraceForm::ShowRows() {
    // Closed, the window does nothing per exchange: a run of thousands of
    // exchanges must not pay for rows nobody sees. It catches up when shown.
    if (!isVisible())
        return;
    const ExchangeHistory& history = MainExchanges();
    const auto& records = history.Records();
    // Only the exchanges added since the last look become rows; the oldest
    // rows go as the history lets them go, all in one step.
    const long fresh = std::min<long>(history.Added() - shownAdded_, long(records.size()));
    shownAdded_ = history.Added();
    int row = grdTrace->rowCount();
    grdTrace->setRowCount(row + int(fresh));
    for (long i = long(records.size()) - fresh; i < long(records.size()); ++i, ++row) {
        const QStringList columns = TraceColumns(records[size_t(i)]);
        for (int c = 0; c < columns.size(); ++c)
            grdTrace->setItem(row, c, new QTableWidgetItem(columns[c]));
    }
    const int surplus = grdTrace->rowCount() - int(records.size());
    if (surplus > 0)
        grdTrace->model()->removeRows(0, surplus);
    if (fresh > 0)
        grdTrace->scrollToBottom();
    btnExportTrace->setEnabled(!records.empty());
}

void TTraceForm::btnExportTraceClick() {
    const QString chosen = Dialogs().SaveFileName(this, kTraceFilter);
    if (chosen.isEmpty())
        return;
    QByteArray lines;
    for (const ExchangeRecord& record : MainExchanges().Records())
        lines += TraceLine(record);
    WriteWholeFile(chosen, lines);
}

void TMainForm::Trace1Click() {
    TraceForm->show();
    TraceForm->grdTrace->scrollToBottom(); // the newest exchange in sight
    TraceForm->raise();
    TraceForm->activateWindow();
}
