#include "app/Dialogs.h"
#include "app/MainDrive.h"
#include "app/TMainForm.h"
#include "app/TOpenPmForm.h"
#include "app/TSavePmForm.h"
#include "app/TTabControl.h"
#include "drive/DriveTransfer.h"
#include "drive/WriteRule.h"
#include "files/ParameterFile.h"

#include <QProgressBar>

// Saving all parameters of the drive to a file, and loading a file into the
// drive. The file format and both runs of exchanges live in the core; these
// handlers only drive the windows around them.

void TMainForm::Save2Click() {
    // Each value is stored as it comes: what was read stays stored when a
    // later read fails. A drive without a link answers from the values it
    // holds, with no reading window and nothing that did not answer.
    bool read = false;
    const ParameterValues values = ReadAllShown(ShownDrive, SavePmForm, [&] {
        ParaTabControl->hide();
        read = true;
    });
    // A drive that gave nothing would leave a file of keys only, which could
    // replace a good one: the save is not offered then.
    const QList<quint16> withoutValue = read ? ParametersWithoutValue(values) : QList<quint16>();
    if (read && NothingAnswered(withoutValue)) {
        ShowMessage(NothingAnsweredMessage());
        return;
    }
    if (!SaveShown(values)) {
        return;
    }
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
    const std::vector<RuleBreak> outside = ShownDrive.OutsideRule(LoadWrites(values));
    if (!outside.empty() && !Dialogs().AskYesNo(this, OutsideRuleQuestion(outside))) {
        return;
    }
    WriteRunOptions options;
    options.force = true;
    LoadResult result;
    {
        const ProgressShown progress(OpenPmForm);
        result = ShownDrive.Load(values, progress.Bar(), options, fileName);
    }
    ShowMessage(result.complete ? tr("請重開驅動器") : LoadStoppedMessage(result));
}
