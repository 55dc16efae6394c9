#include "app/TMainForm.h"

#include "app/TTabControl.h"
#include "app/MainDrive.h"
#include "app/grid/TPmDataForm.h"
#include "app/connect/MainLink.h"

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
    // Offline the values are the file's, already stored.
    if (!Offline()) {
        ReplyFormat = fgCommProtocolInit();
        Drive1.ReadSheet(0);
    }
    PmDataForm->FillPn0xxSheet();
    ParaTabControl->show();
}
