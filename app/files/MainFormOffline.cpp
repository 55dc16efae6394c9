#include "app/Dialogs.h"
#include "app/TMainForm.h"
#include "app/TTabControl.h"
#include "app/compare/TComparePmForm.h"
#include "app/connect/TCommForm.h"
#include "compare/Comparison.h"
#include "drive/Drive.h"
#include "files/ParameterFile.h"
#include "report/ReportBuilder.h"
#include "report/ReportFormat.h"
#include "report/ReportInfo.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>

// Offline editing: a parameter file's values in the grid without a drive.
// The main drive has no link then; its edits store and mark without a write
// (Drive::SetValuesOffline, Drive::WritePending), and the file commands work
// on the values on show instead of reading a drive.

namespace {

ParameterValues ShownValues(const Drive& drive) {
    return drive.Values().PmStringSheet.Slots;
}

} // namespace

bool TMainForm::Offline() const {
    return !ShownDrive.HasLink();
}

void TMainForm::OpenOffline(const QString& fileName) {
    // Checked whole first: a refused file changes nothing.
    const ParameterValues values = ReadParameterFile(fileName);
    if (ShownDrive.HasLink()) {
        ShownDrive.SetLink(nullptr);
        MSComm1 = nullptr;
    }
    ShownDrive.SetValuesOffline(values);
    OfflineFile1 = {fileName, values};
    portState_ = PortState::Offline;
    ShowCaption();
    ShowStatus();
    StatusPanel->setToolTip(QString());
    StatusBar1->setToolTip(QString());
    // The main window takes the connect dialog's place, as after OK.
    if (CommForm != nullptr)
        CommForm->hide();
    show();
    Setup_ParametersClick();
}

void TMainForm::ShowCaption() {
    if (portState_ != PortState::Offline) {
        setWindowTitle(QStringLiteral("TARN/B"));
        return;
    }
    setWindowTitle(tr("TARN/B - %1（離線）").arg(QFileInfo(OfflineFile1.fileName).fileName()));
}

bool TMainForm::SaveOfflineFirst() {
    if (!Offline() || !OfflineFile1.Unsaved(ShownValues(ShownDrive)))
        return true;
    switch (Dialogs().AskSave(this, tr("檔案已修改，是否儲存？"))) {
    case SaveAnswer::Save:
        return SaveOffline();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool TMainForm::SaveOffline() {
    return SaveShown(ShownValues(ShownDrive));
}

bool TMainForm::SaveShown(const ParameterValues& values) {
    // Offline the dialog starts at the opened file, which the saved one
    // then replaces, caption and all.
    const QString chosen = Offline()
                               ? Dialogs().SaveFileNameAt(this, kFileFilter, OfflineFile1.fileName)
                               : Dialogs().SaveFileName(this, kFileFilter);
    if (chosen.isEmpty())
        return false;
    const QString fileName = WithTarnSuffix(chosen);
    WriteParameterFile(fileName, values);
    if (Offline()) {
        OfflineFile1 = {fileName, values};
        ShowCaption();
    }
    return true;
}

void TMainForm::OpenOfflineFile() {
    if (!SaveOfflineFirst())
        return;
    const QString fileName = Dialogs().OpenFileName(this, kFileFilter);
    if (!fileName.isEmpty())
        OpenOffline(fileName);
}

void TMainForm::ShowOfflineComparison(const std::vector<CompareRow>& rows,
                                      const ParameterValues& shown) {
    if (rows.empty()) {
        ShowMessage(tr("數值與檔案相同"));
        return;
    }
    // Both columns as with a drive; there is nothing to write to.
    ComparePmForm->grdCompare->horizontalHeaderItem(TComparePmForm::ColDrive)
        ->setText(tr("目前數值"));
    ComparePmForm->btnWriteSelected->setEnabled(false);
    ComparePmForm->btnWriteSelected->setToolTip(tr("離線時不可用"));
    ComparePmForm->ShowRows(rows, shown[size_t(SlotOf(904))]);
    ComparePmForm->FileName.clear();
    ComparePmForm->exec();
}

ReportSource TMainForm::SourceOf(const ParameterValues& values, Language language) const {
    if (!Offline())
        return DriveSource(ShownDrive.PortLabel(), ShownDrive.DeviceName(),
                           ShownDrive.ReplyFormat());
    // Values changed since the file was read are not the file's: the source
    // names it without its time and checksum then.
    ReportSource source = FileSource(OfflineFile1.fileName);
    if (OfflineFile1.Unsaved(values)) {
        source.fileName += Translated(language, "TMainForm",
                                      QT_TRANSLATE_NOOP("TMainForm", "（離線編輯，未儲存）"));
        source.fileModified = QDateTime();
        source.fileSha256.clear();
    }
    return source;
}
