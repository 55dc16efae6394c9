#include "app/Dialogs.h"
#include "app/MainDrive.h"
#include "app/TMainForm.h"
#include "app/TReportPmForm.h"
#include "app/TTabControl.h"
#include "files/DriveTransfer.h"
#include "link/DriveLink.h"
#include "link/TMSComm.h"
#include "report/ReportBuilder.h"
#include "report/ReportFormat.h"

// A report of the drive: read as a save reads, then written in the format
// the save dialog's filter or the chosen name asks for. The reads, the
// report and its files live in the core and the report library; this
// handler only drives the windows around them.

void TMainForm::Report1Click() {
    ParaTabControl->hide();
    // Each value is stored as it comes, as a save stores it.
    const ParameterValues values = ReadAllShown(Drive1, ReportPmForm);
    // A report of a drive that gave nothing says nothing and could replace a
    // good one: refused as such a save is.
    if (NothingAnswered(ParametersWithoutValue(values))) {
        ShowMessage(NothingAnsweredMessage());
        return;
    }
    const SaveChoice choice = Dialogs().SaveFileChoice(this, kReportFilter);
    if (choice.fileName.isEmpty()) {
        return;
    }
    const ReportFile file = ReportFileOf(choice.fileName, choice.filter);
    const ReportSource source = DriveSource(QStringLiteral("COM%1").arg(MSComm1->CommPort()),
                                            MSComm1->DeviceName(), Link->ReplyFormat());
    WriteReport(BuildReport(source, values), file.fileName, file.format);
}
