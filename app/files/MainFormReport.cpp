#include "app/Dialogs.h"
#include "app/MainDrive.h"
#include "app/TMainForm.h"
#include "app/TReportPmForm.h"
#include "app/TTabControl.h"
#include "drive/Drive.h"
#include "files/TransferResult.h"
#include "report/ReportBuilder.h"
#include "report/ReportFormat.h"

#include <QSettings>

// A report of the drive: read as a save reads, the 報告資料 form asked, then
// written in the format the save dialog's filter or the chosen name asks
// for. The reads, the report and its files live in the core and the report
// library; this handler only drives the windows around them.

void TMainForm::Report1Click() {
    // Each value is stored as it comes, as a save stores it; a drive without
    // a link answers from the values it holds, with no reading window.
    bool read = false;
    const ParameterValues values = ReadAllShown(ShownDrive, ReportPmForm, [&] {
        ParaTabControl->hide();
        read = true;
    });
    // A report of a drive that gave nothing says nothing and could replace a
    // good one: refused as such a save is.
    if (read && NothingAnswered(ParametersWithoutValue(values))) {
        ShowMessage(NothingAnsweredMessage());
        return;
    }
    // 報告資料: the fields as last confirmed; cancelled, nothing is written,
    // the fields kept included.
    QSettings settings;
    // The report in the windows' language unless another is chosen.
    ReportInfo shown = LoadReportInfo(settings);
    shown.language = CurrentLanguage();
    const std::optional<ReportInfo> info = Dialogs().ReportInfoChoice(this, shown);
    if (!info) {
        return;
    }
    SaveReportInfo(settings, *info);
    // The reference goes through the whole-file check before a name is asked.
    std::optional<ReportReference> reference;
    if (!info->referenceFile.isEmpty()) {
        reference = ReadReference(info->referenceFile);
    }
    const SaveChoice choice = Dialogs().SaveFileChoice(this, kReportFilter);
    if (choice.fileName.isEmpty()) {
        return;
    }
    const ReportFile file = ReportFileOf(choice.fileName, choice.filter);
    WriteReport(BuildReport(SourceOf(values, info->language), values, info->handover, reference,
                            info->language),
                file.fileName, file.format);
}
