#include "app/trace/TTraceForm.h"

#include "app/Dialogs.h"
#include "app/ErrorHandler.h"
#include "app/FormGeometry.h"
#include "app/TMainForm.h"
#include "core/WholeFile.h"
#include "link/ExchangeTrace.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

TTraceForm* TraceForm = nullptr;

namespace {

constexpr std::array<int, 6> kWidths{280, 100, 130, 210, 80, 140};

} // namespace

ExchangeHistory& MainExchanges() {
    static ExchangeHistory history;
    return history;
}

TTraceForm::TTraceForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TraceForm");
    setWindowTitle(QStringLiteral("通訊記錄"));
    setFont(PixelFont("MS Sans Serif", 16));
    PlaceForm(this, 240, 180, 980, 460);

    grdTrace = new QTableWidget(0, 6, this);
    grdTrace->setObjectName("grdTrace");
    const QStringList headers{QStringLiteral("時間"),    QStringLiteral("通訊埠"),
                              QStringLiteral("送出"),    QStringLiteral("收到"),
                              QStringLiteral("等待 ms"), QStringLiteral("判定")};
    grdTrace->setHorizontalHeaderLabels(headers);
    grdTrace->setAccessibleName(headers.join(' '));
    grdTrace->verticalHeader()->hide();
    grdTrace->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdTrace->horizontalHeader()->setStretchLastSection(true);
    for (int col = 0; col < int(kWidths.size()); ++col)
        grdTrace->setColumnWidth(col, kWidths[col]);
    grdTrace->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTrace->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTrace->setWordWrap(false);
    grdTrace->setTextElideMode(Qt::ElideNone);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnExportTrace = AddButton(this, buttons, "btnExportTrace", QStringLiteral("匯出"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdTrace);
    layout->addLayout(buttons);

    connect(btnExportTrace, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnExportTraceClick(); }); });
    MainExchanges().SetChanged([this] { ShowRows(); });
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
