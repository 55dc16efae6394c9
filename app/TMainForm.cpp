#include "app/TMainForm.h"

#include "app/Dialogs.h"
#include "app/ErrorHandler.h"
#include "app/FormGeometry.h"
#include "app/MainDrive.h"
#include "app/TOpenPmForm.h"
#include "app/TReadpmForm.h"
#include "app/TReportPmForm.h"
#include "app/TSavePmForm.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "app/WindowLanguage.h"
#include "app/changes/TChangeLogForm.h"
#include "app/compare/TComparePmForm.h"
#include "app/compare/TCompareProgressForm.h"
#include "app/connect/BusyWait.h"
#include "app/connect/TCommForm.h"
#include "app/grid/TFindForm.h"
#include "app/grid/TPmDataForm.h"
#include "app/trace/TTraceForm.h"
#include "changes/ChangeLog.h"
#include "core/Language.h"
#include "core/Version.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

TMainForm* MainForm = nullptr;
TCommForm* CommForm = nullptr;
TPmDataForm* PmDataForm = nullptr;
TSavePmForm* SavePmForm = nullptr;
TOpenPmForm* OpenPmForm = nullptr;
TReadpmForm* ReadpmForm = nullptr;
TCompareProgressForm* CompareProgressForm = nullptr;
TComparePmForm* ComparePmForm = nullptr;
TReportPmForm* ReportPmForm = nullptr;
TFindForm* FindForm = nullptr;

namespace {

// Texts come from TMainForm::RetranslateUi, their one home.
QAction* AddItem(QMenu* menu, const char* name) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(name);
    return menu;
}

void BuildMenu(TMainForm& form) {
    form.MainMenu1 = form.menuBar();
    form.MainMenu1->setObjectName("MainMenu1");
    QMenu* file = form.FileMenu = AddMenu(form.MainMenu1, "File");
    form.Open2 = AddItem(file, "Open2");
    form.Save2 = AddItem(file, "Save2");
    form.Compare1 = AddItem(file, "Compare1");
    form.Report1 = AddItem(file, "Report1");
    file->addSeparator()->setObjectName("N1");
    form.Exit1 = AddItem(file, "Exit1");
    QMenu* parameters = form.ParametersMenu = AddMenu(form.MainMenu1, "Parameters");
    form.Setup_Parameters = AddItem(parameters, "Setup_Parameters");
    form.ChangeLog1 = AddItem(parameters, "ChangeLog1");
    form.Find1 = AddItem(parameters, "Find1");
    form.Find1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    QMenu* help = form.HelpMenu = AddMenu(form.MainMenu1, "Help");
    form.Trace1 = AddItem(help, "Trace1");
    form.About1 = AddItem(help, "About1");
    form.Language1 = help->addMenu(QString());
    form.Language1->setObjectName("Language1");
    // Each language is named in its own words, whichever is on show.
    form.Chinese1 = AddItem(form.Language1, "Chinese1");
    form.Chinese1->setText(QStringLiteral("中文"));
    form.English1 = AddItem(form.Language1, "English1");
    form.English1->setText(QStringLiteral("English"));
    auto* languages = new QActionGroup(form.Language1);
    languages->setExclusive(true);
    for (QAction* action : {form.Chinese1, form.English1}) {
        action->setCheckable(true);
        languages->addAction(action);
    }
    (CurrentLanguage() == Language::English ? form.English1 : form.Chinese1)->setChecked(true);
}

void BuildSheetArea(TMainForm& form) {
    auto* centre = new QWidget(&form);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    form.ParaTabControl = new TTabControl(centre);
    form.ParaTabControl->setObjectName("ParaTabControl");
    form.ParaTabControl->SetTabs(
        {"Pn0xx", "Pn1xx", "Pn2xx", "Pn3xx", "Pn4xx", "Pn5xx", "Pn6xx", "Pn7xx", "Pn8xx", "Pn9xx"});
    layout->addWidget(form.ParaTabControl);
    form.grdPnxxxSheet = new TStringGrid();
    form.grdPnxxxSheet->setObjectName("grdPnxxxSheet");
    // The grid's columns are sized for a narrow sans-serif face; where that
    // face is missing, a condensed one keeps "Pn100" and "RPM/10ms" whole.
    QFont gridFont = PixelFont("MS Sans Serif", 16);
    gridFont.setStretch(QFont::SemiCondensed);
    form.grdPnxxxSheet->setFont(gridFont);
    form.grdPnxxxSheet->SetEditing(false);
    form.ParaTabControl->SetPage(form.grdPnxxxSheet);
    form.setCentralWidget(centre);
}

void BuildStatusBar(TMainForm& form) {
    form.StatusBar1 = form.statusBar();
    form.StatusBar1->setObjectName("StatusBar1");
    form.StatusBar1->setSizeGripEnabled(false);
    form.StatusPanel = new QLabel(form.StatusBar1);
    form.StatusPanel->setObjectName("StatusPanel");
    form.StatusPanel->setFixedWidth(125);
    form.StatusBar1->addWidget(form.StatusPanel);
}

// Menu commands run guarded: an error ends the command, not the program.
void WireCommand(TMainForm& form, QAction* action, void (TMainForm::*handler)()) {
    QObject::connect(action, &QAction::triggered, &form,
                     [&form, handler] { RunGuarded([&] { (form.*handler)(); }); });
}

void WireMenu(TMainForm& form) {
    WireCommand(form, form.Open2, &TMainForm::Open2Click);
    WireCommand(form, form.Save2, &TMainForm::Save2Click);
    WireCommand(form, form.Compare1, &TMainForm::Compare1Click);
    WireCommand(form, form.Report1, &TMainForm::Report1Click);
    WireCommand(form, form.Exit1, &TMainForm::Exit1Click);
    WireCommand(form, form.Setup_Parameters, &TMainForm::Setup_ParametersClick);
    WireCommand(form, form.ChangeLog1, &TMainForm::ChangeLog1Click);
    WireCommand(form, form.Find1, &TMainForm::Find1Click);
    WireCommand(form, form.Trace1, &TMainForm::Trace1Click);
    WireCommand(form, form.About1, &TMainForm::About1Click);
    QObject::connect(form.Chinese1, &QAction::triggered, &form,
                     [] { RunGuarded([] { ChooseLanguage(Language::Chinese); }); });
    QObject::connect(form.English1, &QAction::triggered, &form,
                     [] { RunGuarded([] { ChooseLanguage(Language::English); }); });
}

void WireSheets(TMainForm& form) {
    TTabControl* tabs = form.ParaTabControl;
    tabs->OnChanging = [&form](bool& allowChange) {
        // A failing check keeps the sheet on show.
        if (!RunGuarded([&] { form.ParaTabControlChanging(allowChange); }))
            allowChange = false;
    };
    tabs->OnChange = [&form] { RunGuarded([&] { form.ParaTabControlChange(); }); };

    TStringGrid* grid = form.grdPnxxxSheet;
    grid->OnSelectCell = [&form](int col, int row, bool& canSelect) {
        RunGuarded([&] { form.grdPnxxxSheetSelectCell(col, row, canSelect); });
    };
    grid->OnGetEditMask = [&form](int col, int row, QString& value) {
        RunGuarded([&] { form.grdPnxxxSheetGetEditMask(col, row, value); });
    };
    grid->OnKeyPress = [&form](char& key) { RunGuarded([&] { form.grdPnxxxSheetKeyPress(key); }); };
    grid->OnSetEditText = [&form](int col, int row, const QString& value) {
        RunGuarded([&] { form.grdPnxxxSheetSetEditText(col, row, value); });
    };
    grid->OnEditAbandoned = [&form](int col, int row) {
        RunGuarded([&] { form.grdPnxxxSheetEditAbandoned(col, row); });
    };
    grid->OnEditorOpened = [&form](int col, int row) {
        RunGuarded([&] { form.grdPnxxxSheetEditorOpened(col, row); });
    };
    grid->OnGetCellMark = [&form](int col, int row, CellMark& mark) {
        RunGuarded([&] { form.grdPnxxxSheetGetCellMark(col, row, mark); });
    };
    // Write outcomes, reverts and loads move the marks of the sheet on show.
    QObject::connect(&form.ShownDrive.Changes(), &ChangeLog::Changed, grid,
                     [grid] { grid->RefreshCellMarks(); });
}

void ForgetWindows() {
    MainForm = nullptr;
    CommForm = nullptr;
    PmDataForm = nullptr;
    SavePmForm = nullptr;
    OpenPmForm = nullptr;
    ReadpmForm = nullptr;
    ChangeLogForm = nullptr;
    CompareProgressForm = nullptr;
    ComparePmForm = nullptr;
    ReportPmForm = nullptr;
    FindForm = nullptr;
    TraceForm = nullptr;
}

void CreateForms(TMainForm& form) {
    CommForm = new TCommForm(&form);
    CommForm->show();
    PmDataForm = new TPmDataForm(&form);
    PmDataForm->hide();
    SavePmForm = new TSavePmForm(&form);
    SavePmForm->hide();
    OpenPmForm = new TOpenPmForm(&form);
    OpenPmForm->hide();
    ReadpmForm = new TReadpmForm(&form);
    ReadpmForm->hide();
    ChangeLogForm = new TChangeLogForm(&form);
    ChangeLogForm->hide();
    CompareProgressForm = new TCompareProgressForm(&form);
    CompareProgressForm->hide();
    ComparePmForm = new TComparePmForm(&form);
    ComparePmForm->hide();
    ReportPmForm = new TReportPmForm(&form);
    ReportPmForm->hide();
    FindForm = new TFindForm(&form);
    FindForm->hide();
    TraceForm = new TTraceForm(&form);
    TraceForm->hide();
}

} // namespace

TMainForm::TMainForm(std::unique_ptr<ISerialDevice> device, QWidget* parent)
    : QMainWindow(parent), ShownDrive(MainDrive()) {
    // The windows created below reach the main window through the global.
    MainForm = this;
    try {
        setObjectName("MainForm");
        PlaceForm(this, 259, 146, 1246, 751);
        // A new main window is a new run: the change list starts empty.
        ShownDrive.Changes().Clear();
        BuildMenu(*this);
        BuildSheetArea(*this);
        BuildStatusBar(*this);
        ShownDrive.SetDevice(std::move(device));
        ShownDrive.SetWaitHooks(BusyWaitHooks());
        // A new main window is a new run for the wire's record too.
        MainExchanges() = ExchangeHistory();
        ShownDrive.SetExchangeObserver(
            [](const ExchangeRecord& record) { MainExchanges().Add(record); });
        MSComm1 = &ShownDrive.Comm();
        WireMenu(*this);
        WireSheets(*this);
        CreateForms(*this);
        ParaTabControl->hide();
        RetranslateUi();
    } catch (...) {
        // The child windows and the link go with the half-built main window.
        ShownDrive.SetLink(nullptr);
        ForgetWindows();
        throw;
    }
}

TMainForm::~TMainForm() {
    ShownDrive.SetLink(nullptr);
    ForgetWindows();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    bool goOn = true;
    if (!RunGuarded([&] { goOn = SaveOfflineFirst(); }) || !goOn) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    // Closing the main window, by 離開 or its close box, ends the program.
    QCoreApplication::quit();
}

void TMainForm::Exit1Click() {
    close();
}

void TMainForm::About1Click() {
    ShowMessage(QStringLiteral("Ver " TARN_VERSION));
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RunGuarded([this] { RetranslateUi(); });
    QMainWindow::changeEvent(event);
}

void TMainForm::RetranslateUi() {
    FileMenu->setTitle(tr("檔案"));
    Open2->setText(tr("載入檔案"));
    Save2->setText(tr("儲存檔案"));
    Compare1->setText(tr("比較檔案"));
    Report1->setText(tr("匯出報告"));
    Exit1->setText(tr("離開"));
    ParametersMenu->setTitle(tr("參數"));
    Setup_Parameters->setText(tr("設定"));
    ChangeLog1->setText(tr("變更記錄"));
    Find1->setText(tr("搜尋"));
    HelpMenu->setTitle(tr("幫助"));
    Trace1->setText(tr("通訊記錄"));
    About1->setText(tr("關於"));
    Language1->setTitle(tr("語言"));
    (CurrentLanguage() == Language::English ? English1 : Chinese1)->setChecked(true);
    ShowCaption();
    ShowStatus();
    // The sheet on show, from the values held: descriptions, control modes
    // and value words follow the language too.
    if (!ParaTabControl->isHidden())
        PmDataForm->FillSheet(ParaTabControl->TabIndex());
}

void TMainForm::ShowPortOpen(LinkSettings::Timing timing, int timeoutMs) {
    portState_ = PortState::Open;
    timing_ = timing;
    timeoutMs_ = timeoutMs;
    ShowStatus();
}

void TMainForm::ShowStatus() {
    switch (portState_) {
    case PortState::Closed:
        StatusPanel->setText(QStringLiteral("PortOpen"));
        break;
    case PortState::Open:
        StatusPanel->setText(QStringLiteral("PortOpen=") + ShownDrive.PortLabel() +
                             TimingNote(timing_, timeoutMs_));
        break;
    case PortState::Offline:
        StatusPanel->setText(tr("離線"));
        break;
    }
}

quint8 TMainForm::fgCommProtocolInit() {
    return ShownDrive.Greet();
}

void TMainForm::Delay(quint32 ms) {
    ShownDrive.Delay(ms);
}
