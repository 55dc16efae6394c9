#pragma once

#include "compare/Comparison.h"
#include "compare/VerifyResult.h"

#include <QDialog>
#include <functional>
#include <vector>

class QPushButton;
class QTableWidget;

// The comparison window: one row per parameter whose value differs between
// the drive and a file, a tick for each to write, and the write of the
// ticked rows with their read-backs. It only shows rows and hands the write
// on to the core; the comparison and the judging are done there.
class TComparePmForm : public QDialog {
    Q_OBJECT
public:
    explicit TComparePmForm(QWidget* parent = nullptr);

    // The table's columns.
    enum Column {
        ColWrite,
        ColNumber,
        ColDescription,
        ColDrive,
        ColFile,
        ColUnit,
        ColRange,
        ColState,
        ColumnCount
    };

    QTableWidget* grdCompare = nullptr;
    QPushButton* btnSelectAll = nullptr;
    QPushButton* btnSelectNone = nullptr;
    QPushButton* btnWriteSelected = nullptr;
    QPushButton* btnCloseCompare = nullptr;

    // Fills the table with `rows`, ticked and enabled as each says; the
    // range column shows the bounds that follow Pn904 from `pn904Text`.
    void ShowRows(const std::vector<CompareRow>& rows, const QString& pn904Text);
    // The rows on show, in table order.
    const std::vector<CompareRow>& Rows() const { return rows_; }
    bool Ticked(int row) const;

    // The file compared: each write names it in the change list.
    QString FileName;

public slots:
    void btnSelectAllClick();
    void btnSelectNoneClick();
    // Writes the ticked rows in table order, reads them back, shows each
    // row's outcome and the summary.
    void btnWriteSelectedClick();
    void btnCloseCompareClick();

    // Every text of the window in the language chosen.
    void RetranslateUi();

protected:
    void changeEvent(QEvent* event) override;

private:
    void SetTicks(bool ticked);
    void ShowOutcome(int row, const VerifiedWrite& write);

    std::vector<CompareRow> rows_;
};
