#include "app/Dialogs.h"
#include "app/TMainForm.h"
#include "app/TProgressForm.h"
#include "app/TTabControl.h"
#include "catalogue/ParameterRecords.h"
#include "changes/BulkWrites.h"
#include "compare/Comparison.h"
#include "compare/TComparePmForm.h"
#include "compare/TComparingPmForm.h"
#include "files/DriveTransfer.h"
#include "files/ParameterFile.h"
#include "link/DriveLink.h"

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
    ParameterValues drive;
    {
        const ProgressShown progress(ComparingPmForm);
        // The records keep each value as it comes, as a save's do.
        drive = ReadAllParameters(*Link, progress.Bar(), [](quint16 number, const QString& value) {
            PmStringSheet.Value(number) = value;
        });
    }
    const std::vector<CompareRow> rows = CompareValues(drive, file);
    if (rows.empty()) {
        ShowMessage(QStringLiteral("驅動器與檔案相同"));
        return;
    }
    ComparePmForm->ShowRows(rows, drive[SlotOf(904)]);
    // Each write of the window is one row of the change list.
    ComparePmForm->OnWriteRun = [fileName, file](const VerifyResult& result) {
        NoteBulkWrite(SessionChangeLog(), QStringLiteral("寫入"), fileName, file,
                      AsLoadResult(result));
    };
    ComparePmForm->exec();
    // The grid shows its sheet as the drive now holds it.
    if (sheetShown)
        ParaTabControlChange();
}
