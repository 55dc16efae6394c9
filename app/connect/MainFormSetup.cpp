#include "app/TMainForm.h"

#include "app/MainDrive.h"
#include "app/TTabControl.h"
#include "app/connect/MainLink.h"
#include "app/grid/TPmDataForm.h"

namespace {

// Sheets Pn6xx to Pn9xx are not offered once the drive is set up.
constexpr int kFirstRemovedTab = 6;
constexpr int kLastRemovedTab = 9;

} // namespace

void TMainForm::Setup_ParametersClick() {
    // Only the tabs still there are removed, so 設定 can run again, also
    // after one that the drive did not answer.
    for (int index = kLastRemovedTab; index >= kFirstRemovedTab; --index) {
        if (index < ParaTabControl->TabCount())
            ParaTabControl->DeleteTab(index);
    }
    ParaTabControl->SetTabIndex(0);
    PendingWrite.LowerAll();
    // Without a link the drive answers from the file's values it holds.
    ReplyFormat = fgCommProtocolInit();
    ShownDrive.ReadSheet(0);
    PmDataForm->FillPn0xxSheet();
    ParaTabControl->show();
}
