#pragma once

#include "catalogue/ParameterSearch.h"

#include <QWidget>
#include <vector>

class QLineEdit;
class QTableWidget;

// 搜尋參數 (參數 → 搜尋, Ctrl+F): a line edit and the hits of the search as
// it is typed, 編號, 說明 (the English gloss as its tooltip) and the sheet.
// Not modal. Enter or a double-click on a hit shows that parameter in the
// grid; Enter in the line edit the first hit that can be shown. Hits
// without a row on the tabs Pn0xx..Pn5xx say so and cannot be picked. The
// search itself is the core's (FindParameters).
class TFindForm : public QWidget {
    Q_OBJECT
public:
    explicit TFindForm(QWidget* parent = nullptr);

    QLineEdit* edtFind = nullptr;
    QTableWidget* grdHits = nullptr;

    // The hits on show, in list order.
    const std::vector<SearchHit>& Hits() const { return hits_; }

public slots:
    // The list follows the text.
    void edtFindChange();
    // Enter in the line edit: the first hit that can be shown.
    void edtFindReturnPressed();
    // Enter or a double-click on row `row` of the list.
    void grdHitsActivated(int row);

    // Every text of the window in the language chosen.
    void RetranslateUi();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::vector<SearchHit> hits_;
};
