#pragma once

#include <QWidget>

class QPushButton;
class QTableWidget;

// The change list window (參數 → 變更記錄): the rows of this run's change
// list, kept up to date while it is open, and the buttons that put values
// back or export the list. Not modal. It only shows the list and hands the
// buttons on: what a revert writes and what the export holds are the
// change list's business.
class TChangeLogForm : public QWidget {
    Q_OBJECT
public:
    explicit TChangeLogForm(QWidget* parent = nullptr);

    QTableWidget* grdChanges = nullptr;
    QPushButton* btnRevert = nullptr;
    QPushButton* btnRevertAll = nullptr;
    QPushButton* btnExportLog = nullptr;

    static constexpr const char* kCsvFilter = "CSV (*.csv)|*.csv";

    // Every text of the window in the language chosen, the rows too.
    void RetranslateUi();

public slots:
    // Writes the originals of the selected rows back, newest row first.
    void btnRevertClick();
    // Puts every parameter changed in this run back to its original.
    void btnRevertAllClick();
    // Saves the list as CSV through the save dialog.
    void btnExportLogClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void ShowRows();
    void ShowButtons();
};

extern TChangeLogForm* ChangeLogForm;
