#include "app/TMainForm.h"

#include "app/TProgressForm.h"
#include "app/TReadpmForm.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "app/grid/TPmDataForm.h"
#include "drive/Drive.h"

#include <optional>

void TMainForm::ParaTabControlChange() {
    grdPnxxxSheet->SetEditing(false);
    const int sheet = ParaTabControl->TabIndex();
    // The reading window shows only while the drive exchanges: a drive
    // without a link answers from the values it holds.
    {
        std::optional<WindowShown> reading;
        ShownDrive.ReadSheet(sheet, [&] { reading.emplace(ReadpmForm); });
    }
    PmDataForm->FillSheet(sheet);
}

void TMainForm::ParaTabControlChanging(bool& allowChange) {
    allowChange = true;
}
