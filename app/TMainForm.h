#pragma once

#include "compare/Comparison.h"
#include "files/OfflineFile.h"
#include "link/LinkSettings.h"
#include "report/ReportBuilder.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QColor;
class QCloseEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class Drive;
class TMSComm;
class TStringGrid;
class TTabControl;
class ISerialDevice;
struct CellMark;

// The main window: menu, tab control with the parameter grid, status bar,
// and the serial-port control. Handlers are named after the component and
// the event; each lives in the folder of its window family:
//   app/TMainForm.cpp               constructor, Exit1Click, About1Click,
//                                   fgCommProtocolInit, Delay (calls on ShownDrive)
//   app/connect/MainFormSetup.cpp   Setup_ParametersClick
//   app/grid/MainFormSheets.cpp     ParaTabControlChange, ParaTabControlChanging
//   app/grid/MainFormGrid.cpp       grdPnxxxSheetSelectCell, ...GetEditMask,
//                                   ...KeyPress, ...SetEditText, ...EditAbandoned
//   app/files/MainFormFiles.cpp     Save2Click, Open2Click
//   app/files/MainFormReport.cpp    Report1Click
//   app/changes/MainFormChanges.cpp ChangeLog1Click, ShowHeldValue
//   app/compare/MainFormCompare.cpp Compare1Click
//   app/files/MainFormOffline.cpp   OpenOffline and the file commands offline
//   app/grid/MainFormFind.cpp       Find1Click, ShowParameter
//   app/trace/TTraceForm.cpp        Trace1Click
// Everything they do to the drive is an operation of the main window's drive
// (MainDrive()); the handlers only drive the windows around it.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // `device` is the byte pipe under MSComm1 (QSerialPort in the program,
    // a test double in tests). Makes a link with the drive's settings and
    // gives it to the main drive (MainDrive) for the window's lifetime; a
    // new main window starts a new change list. Creates CommForm (shown)
    // and PmDataForm, SavePmForm, OpenPmForm, ReadpmForm, ChangeLogForm,
    // CompareProgressForm, ComparePmForm, ReportPmForm (hidden), and hides
    // ParaTabControl.
    explicit TMainForm(std::unique_ptr<ISerialDevice> device, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Components, by their names.
    QMenuBar* MainMenu1 = nullptr;
    QAction* Open2 = nullptr;
    QAction* Save2 = nullptr;
    QAction* Compare1 = nullptr;
    QAction* Report1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Setup_Parameters = nullptr;
    QAction* ChangeLog1 = nullptr;
    QAction* Find1 = nullptr;
    QAction* Trace1 = nullptr;
    QAction* About1 = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* ParametersMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    // 語言: 中文 and English, each named in its own language, one checked.
    QMenu* Language1 = nullptr;
    QAction* Chinese1 = nullptr;
    QAction* English1 = nullptr;
    TTabControl* ParaTabControl = nullptr;
    TStringGrid* grdPnxxxSheet = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel = nullptr; // the status bar's one panel
    // The drive this window shows and edits (the main drive; without a
    // link while a file is edited offline), its link and serial-port control.
    Drive& ShownDrive;
    TMSComm* MSComm1 = nullptr;

    static constexpr const char* kFileFilter = "Text Documents (*.tarn)|*.tarn";
    // The backgrounds of value cells waiting to be written and of values
    // changed in this run; light enough that the text reads as on any cell.
    static const QColor kPendingMarkColour;
    static const QColor kChangedMarkColour;
    // Offline: a value outside its rule, as a report marks it "!".
    static const QColor kOutsideRuleMarkColour;
    static constexpr const char* kReportFilter =
        "PDF (*.pdf)|*.pdf|HTML (*.html)|*.html|CSV (*.csv)|*.csv";

public slots:
    void Open2Click();
    void Save2Click();
    void Compare1Click();
    void Report1Click();
    void Exit1Click();
    void Setup_ParametersClick();
    void ChangeLog1Click();
    void Find1Click();
    void Trace1Click();
    void About1Click();
    void ParaTabControlChange();
    void ParaTabControlChanging(bool& allowChange);

    void grdPnxxxSheetSelectCell(int aCol, int aRow, bool& canSelect);
    void grdPnxxxSheetGetEditMask(int aCol, int aRow, QString& value);
    void grdPnxxxSheetKeyPress(char& key);
    void grdPnxxxSheetSetEditText(int aCol, int aRow, const QString& value);
    // Editing ended without Enter: the cell gets the stored value back.
    void grdPnxxxSheetEditAbandoned(int aCol, int aRow);
    // An editor opened: lowers CommitRequested.
    void grdPnxxxSheetEditorOpened(int aCol, int aRow);
    // The mark of a value cell: waiting to be written, or changed in this run.
    void grdPnxxxSheetGetCellMark(int aCol, int aRow, CellMark& mark);

public:
    // When the sheet of `number` is on show, its value cell shows the value
    // text the records now hold for it (after a revert).
    void ShowHeldValue(quint16 number);

    // Offline editing: the main drive gives up its link and holds the values
    // of `fileName` (checked whole first: a refused file throws before
    // anything changes), the grid shows them as 設定 would, and the file
    // commands work on them. True from then on.
    void OpenOffline(const QString& fileName);
    bool Offline() const;
    // The file being edited offline.
    OfflineFile OfflineFile1;

    // Shows the sheet of `number` (read as a tab change reads it, unless it
    // is on show; offline at once) and selects its value cell. False, and
    // nothing done, for a parameter without a row on the tabs Pn0xx..Pn5xx.
    bool ShowParameter(quint16 number);

    quint8 fgCommProtocolInit();
    void Delay(quint32 ms);

    // The port is open (after the connect dialog's OK) with this timing:
    // the status bar's panel says so, in the language on show.
    void ShowPortOpen(LinkSettings::Timing timing, int timeoutMs);

    // Every text of the window in the language chosen; the sheet on show
    // refills from the values held, without a word to the drive.
    void RetranslateUi();

protected:
    void changeEvent(QEvent* event) override;
    // Closing the main window ends the program; offline with unsaved
    // changes it asks first.
    void closeEvent(QCloseEvent* event) override;

private:
    // Offline with unsaved changes: asks whether to save first. False when
    // the command should stop (取消, or the save was not made).
    bool SaveOfflineFirst();
    // Offline 儲存檔案: the values on show to a file; false when cancelled.
    bool SaveOffline();
    // `values` to the file the save dialog names (.tarn added); offline the
    // dialog starts at the opened file, which the saved one becomes. False
    // when cancelled.
    bool SaveShown(const ParameterValues& values);
    void OpenOfflineFile();
    // The opened file's comparison window: nothing to write to.
    void ShowOfflineComparison(const std::vector<CompareRow>& rows, const ParameterValues& shown);
    // Where the values on show came from, for a report: the drive, or the
    // file opened offline (marked, in the report's `language`, when they are
    // no longer the file's).
    ReportSource SourceOf(const ParameterValues& values, Language language) const;
    void ShowCaption();
    void ShowStatus();
    // What the status bar's panel tells: nothing opened yet, the port open
    // with a timing, or a file edited offline.
    enum class PortState { Closed, Open, Offline };
    PortState portState_ = PortState::Closed;
    LinkSettings::Timing timing_ = LinkSettings::Timing::Fixed;
    int timeoutMs_ = 0;
};

// The window globals, alive from start-up to exit.
class TCommForm;
class TPmDataForm;
class TSavePmForm;
class TOpenPmForm;
class TReadpmForm;
class TCompareProgressForm;
class TComparePmForm;
class TReportPmForm;
class TFindForm;
extern TMainForm* MainForm;
extern TCommForm* CommForm;
extern TPmDataForm* PmDataForm;
extern TSavePmForm* SavePmForm;
extern TOpenPmForm* OpenPmForm;
extern TReadpmForm* ReadpmForm;
extern TCompareProgressForm* CompareProgressForm;
extern TComparePmForm* ComparePmForm;
extern TReportPmForm* ReportPmForm;
extern TFindForm* FindForm;
