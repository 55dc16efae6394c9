#include "app/TMainForm.h"

#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "catalogue/ParameterRecord.h"
#include "app/changes/TChangeLogForm.h"
#include "editing/EditMasks.h"
#include "drive/Drive.h"

// The change list window, and the cells it asks the main window to bring
// up to date after a revert.

void TMainForm::ChangeLog1Click() {
    ChangeLogForm->show();
    ChangeLogForm->raise();
    ChangeLogForm->activateWindow();
}

void TMainForm::ShowHeldValue(quint16 number) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || record->row == 0 || record->sheet != ParaTabControl->TabIndex())
        return;
    grdPnxxxSheet->SetCell(kValueColumn, record->row, ShownDrive.Values().DisplayText(record->form, number));
}
