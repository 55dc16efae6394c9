#include "app/TMainForm.h"

#include "app/TReadpmForm.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "catalogue/TPmDataForm.h"
#include "editing/ReadSheet.h"

namespace {

// Hides the reading window when the tab change ends, also when an error
// ends it on its way to the top-level handler.
class ReadingWindowShown {
public:
    ReadingWindowShown() { ReadpmForm->show(); }
    ~ReadingWindowShown() { ReadpmForm->hide(); }
    ReadingWindowShown(const ReadingWindowShown&) = delete;
    ReadingWindowShown& operator=(const ReadingWindowShown&) = delete;
};

} // namespace

void TMainForm::ParaTabControlChange() {
    grdPnxxxSheet->SetEditing(false);
    const ReadingWindowShown reading;
    const int sheet = ParaTabControl->TabIndex();
    ReadSheet(sheet);
    PmDataForm->FillSheet(sheet);
}

void TMainForm::ParaTabControlChanging(bool& allowChange) {
    allowChange = true;
}
