#include "app/Dialogs.h"
#include "app/MainDrive.h"
#include "app/TMainForm.h"
#include "app/TOpenPmForm.h"
#include "app/TSavePmForm.h"
#include "app/TTabControl.h"
#include "drive/WriteRule.h"
#include "drive/DriveTransfer.h"
#include "files/ParameterFile.h"

#include <QProgressBar>

// Saving all parameters of the drive to a file, and loading a file into the
// drive. The file format and both runs of exchanges live in the core; these
// handlers only drive the windows around them.

void TMainForm::Save2Click() {
    if (Offline()) {
        SaveOffline();
        return;
    }
    ParaTabControl->hide();
    // Each value is stored as it comes: what was read stays stored when a
    // later read fails.
    const ParameterValues values = ReadAllShown(Drive1, SavePmForm);
    // A drive that gave nothing would leave a file of keys only, which could
    // replace a good one: the save is not offered then.
    const QList<quint16> withoutValue = ParametersWithoutValue(values);
    if (NothingAnswered(withoutValue)) {
        ShowMessage(NothingAnsweredMessage());
        return;
    }
    const QString chosen = Dialogs().SaveFileName(this, kFileFilter);
    if (chosen.isEmpty()) {
        return;
    }
    WriteParameterFile(WithTarnSuffix(chosen), values);
    if (!withoutValue.isEmpty()) {
        ShowMessage(SaveGapsMessage(withoutValue));
    }
}

void TMainForm::Open2Click() {
    if (Offline()) {
        OpenOfflineFile();
        return;
    }
    ParaTabControl->hide();
    OpenPmForm->ProgressBar1->setValue(0);
    const QString fileName = Dialogs().OpenFileName(this, kFileFilter);
    if (fileName.isEmpty()) {
        return;
    }
    // Checked whole first: a refused file throws here, before anything
    // is stored or sent.
    const ParameterValues values = ReadParameterFile(fileName);
    // Values outside their rule go only when the user says so; 否 leaves
    // the drive and the stored values as they were.
    const std::vector<RuleBreak> outside = Drive1.OutsideRule(LoadWrites(values));
    if (!outside.empty() && !Dialogs().AskYesNo(this, OutsideRuleQuestion(outside))) {
        return;
    }
    WriteRunOptions options;
    options.force = true;
    LoadResult result;
    {
        const ProgressShown progress(OpenPmForm);
        result = Drive1.Load(values, progress.Bar(), options, fileName);
    }
    ShowMessage(result.complete ? QStringLiteral("請重開驅動器") : LoadStoppedMessage(result));
}
