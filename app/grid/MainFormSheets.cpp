#include "app/TMainForm.h"

#include "app/TProgressForm.h"
#include "app/TReadpmForm.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "app/grid/TPmDataForm.h"
#include "drive/Drive.h"

void TMainForm::ParaTabControlChange() {
    grdPnxxxSheet->SetEditing(false);
    const int sheet = ParaTabControl->TabIndex();
    if (!Offline()) {
        const WindowShown reading(ReadpmForm);
        Drive1.ReadSheet(sheet);
    }
    PmDataForm->FillSheet(sheet);
}

void TMainForm::ParaTabControlChanging(bool& allowChange) {
    allowChange = true;
}
