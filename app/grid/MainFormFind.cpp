#include "app/TMainForm.h"

#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "app/grid/TFindForm.h"
#include "catalogue/ParameterRecord.h"
#include "editing/EditMasks.h"

#include <QLineEdit>

// 參數 → 搜尋: the search window, and the jump to the parameter picked in it.

namespace {

// The tabs left once a drive is set up or a file opened: Pn0xx to Pn5xx.
constexpr int kSetUpTabCount = 6;

} // namespace

void TMainForm::Find1Click() {
    FindForm->show();
    FindForm->raise();
    FindForm->activateWindow();
    FindForm->edtFind->setFocus();
    FindForm->edtFind->selectAll();
}

bool TMainForm::ShowParameter(quint16 number) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || record->row == 0 || record->sheet >= kSetUpTabCount)
        return false;
    // Before 設定 the grid shows nothing: set up first, as the user would.
    if (ParaTabControl->isHidden() && ParaTabControl->TabCount() > kSetUpTabCount)
        Setup_ParametersClick();
    if (ParaTabControl->TabIndex() != record->sheet || ParaTabControl->isHidden()) {
        ParaTabControl->SetTabIndex(record->sheet);
        ParaTabControlChange();
        ParaTabControl->show();
    }
    activateWindow();
    raise();
    grdPnxxxSheet->setFocus();
    grdPnxxxSheet->SelectCell(kValueColumn, record->row);
    grdPnxxxSheet->scrollTo(grdPnxxxSheet->currentIndex());
    return true;
}
