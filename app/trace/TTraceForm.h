#pragma once

#include <QWidget>

class ExchangeHistory;
class QPushButton;
class QTableWidget;

// The wire's record (幫助 → 通訊記錄): this run's exchanges with the drive,
// one a row in the columns of a trace line, newest last, kept up to date
// while it is open. Not modal. 匯出 saves the same lines a trace file holds.
class TTraceForm : public QWidget {
    Q_OBJECT
public:
    explicit TTraceForm(QWidget* parent = nullptr);
    ~TTraceForm() override;

    QTableWidget* grdTrace = nullptr;
    QPushButton* btnExportTrace = nullptr;

    static constexpr const char* kTraceFilter = "通訊記錄 (*.log)|*.log";

public slots:
    // Saves the exchanges shown as trace lines through the save dialog.
    void btnExportTraceClick();

    // Every text of the window in the language chosen.
    void RetranslateUi();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowRows();

    long shownAdded_ = 0; // the history's Added() when the rows were last brought up to date
};

extern TTraceForm* TraceForm;

// The exchanges of the main window's drive in this run, kept whether or not
// the window is open (at most ExchangeHistory::kCapacity).
ExchangeHistory& MainExchanges();
