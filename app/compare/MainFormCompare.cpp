#include "app/Dialogs.h"
#include "app/MainDrive.h"
#include "app/TMainForm.h"
#include "app/TProgressForm.h"
#include "app/TTabControl.h"
#include "app/compare/TComparePmForm.h"
#include "app/compare/TCompareProgressForm.h"
#include "compare/Comparison.h"
#include "drive/DriveTransfer.h"
#include "files/ParameterFile.h"

// Comparing a parameter file with the drive. The comparison, the checks and
// the write with its read-backs live in the core; this handler only drives
// the windows around them.

void TMainForm::Compare1Click() {
    const QString fileName = Dialogs().OpenFileName(this, kFileFilter);
    if (fileName.isEmpty())
        return;
    // The load's whole-file check: a refused file throws before any read.
    const ParameterValues file = ReadParameterFile(fileName);
    const bool sheetShown = !ParaTabControl->isHidden();
    // The records keep each value as it comes, as a save's do; a drive
    // without a link answers from the values it holds.
    const ParameterValues drive = ReadAllShown(ShownDrive, CompareProgressForm);
    const std::vector<CompareRow> rows = CompareValues(drive, file);
    if (Offline()) {
        ShowOfflineComparison(rows, drive);
        return;
    }
    if (rows.empty()) {
        ShowMessage(tr("驅動器與檔案相同"));
        return;
    }
    ComparePmForm->ShowRows(rows, Pn904AfterComparedWrite(drive, file));
    // Each write of the window is one row of the change list.
    ComparePmForm->FileName = fileName;
    ComparePmForm->exec();
    // The grid shows its sheet as the drive now holds it.
    if (sheetShown)
        ParaTabControlChange();
}
