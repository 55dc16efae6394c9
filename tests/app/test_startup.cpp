// Start-up, the main window's commands and the top-level error handler:
// what the user sees first, 關於 and 離開, connecting, and errors that end
// a command (or, at start-up, the program) but never escape the loop.
#include "app/Startup.h"
#include "app/TApplication.h"
#include "app/TMainForm.h"
#include "app/TOpenPmForm.h"
#include "app/TReadpmForm.h"
#include "app/TSavePmForm.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "app/grid/TPmDataForm.h"
#include "core/TarnError.h"
#include "link/DriveProtocol.h"
#include "app/connect/MainLink.h"
#include "app/connect/TCommForm.h"
#include "link/TMSComm.h"
#include "support/FakeSerialDevice.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedDialogs> dialogs;
    FakeSerialDevice* device = nullptr; // owned by MainForm's MSComm1

    void Start() {
        auto fake = std::make_unique<FakeSerialDevice>();
        device = fake.get();
        CreateWindows(std::move(fake));
        QVERIFY(MainForm && CommForm);
    }
    void Connect(int item) {
        CommForm->ComboBox1->setCurrentIndex(item);
        QTest::mouseClick(CommForm->btnConnect, Qt::LeftButton);
    }
    // Runs the whole program over a scripted port. A watchdog ends a loop
    // that does not end by itself after 5 s and sets `watchdog`, so such a
    // test fails instead of hanging; it goes with the run, so it cannot end
    // a later test's loop.
    static int RunWatched(bool& watchdog) {
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            watchdog = true;
            QCoreApplication::quit();
        });
        timer.start(5000);
        return RunProgram(*qApp, [] { CreateWindows(std::make_unique<FakeSerialDevice>()); });
    }

private slots:
    void init() { dialogs = std::make_unique<ScriptedDialogs>(); }
    void cleanup() {
        DestroyWindows();
        dialogs.reset();
    }

    void onlyTheConnectDialogIsVisibleAtStart() {
        Start();
        QVERIFY(CommForm->isVisible());
        QVERIFY(!MainForm->isVisible());
        QVERIFY(MainForm->ParaTabControl->isHidden());
        QVERIFY(PmDataForm && PmDataForm->isHidden());
        for (QWidget* w : {static_cast<QWidget*>(SavePmForm), static_cast<QWidget*>(OpenPmForm),
                           static_cast<QWidget*>(ReadpmForm)})
            QVERIFY(w && !w->isVisible());
        QCOMPARE(QApplication::topLevelWidgets().size() > 0, true);
        for (QWidget* w : QApplication::topLevelWidgets())
            QCOMPARE(w->isVisible(), w == CommForm);
    }

    void mainWindowHasItsComponents() {
        Start();
        QCOMPARE(MainForm->windowTitle(), QString("TARN/B"));
        QCOMPARE(MainForm->pos(), QPoint(259, 146));
        QCOMPARE(MainForm->ParaTabControl->Tabs(),
                 QStringList({"Pn0xx", "Pn1xx", "Pn2xx", "Pn3xx", "Pn4xx", "Pn5xx", "Pn6xx",
                              "Pn7xx", "Pn8xx", "Pn9xx"}));
        QCOMPARE(MainForm->ParaTabControl->TabIndex(), 0);
        QVERIFY(!MainForm->grdPnxxxSheet->Editing());
        QCOMPARE(MainForm->grdPnxxxSheet->parentWidget()->parentWidget(),
                 static_cast<QWidget*>(MainForm->ParaTabControl));
        QCOMPARE(MainForm->StatusPanel->text(), QString("PortOpen"));
        QCOMPARE(MainForm->StatusPanel->width(), 125);
        const QStringList names = {
            "MainMenu1", "ParaTabControl", "grdPnxxxSheet",    "StatusBar1", "Open2", "Save2",
            "N1",        "Exit1",          "Setup_Parameters", "About1"};
        for (const QString& name : names)
            QVERIFY2(MainForm->findChild<QObject*>(name), qPrintable(name));
        QCOMPARE(MainForm->Open2->text(), QString("載入檔案"));
        QCOMPARE(MainForm->Save2->text(), QString("儲存檔案"));
        QVERIFY(MainForm->findChild<QAction*>("N1")->isSeparator());
        QCOMPARE(MainForm->Exit1->text(), QString("離開"));
        QCOMPARE(MainForm->Setup_Parameters->text(), QString("設定"));
        QCOMPARE(MainForm->About1->text(), QString("關於"));
        QStringList menus;
        for (QAction* a : MainForm->MainMenu1->actions())
            menus << a->text();
        QCOMPARE(menus, QStringList({"檔案", "參數", "幫助"}));
    }

    void smallWindowsHaveTheirCaptions() {
        Start();
        QCOMPARE(CommForm->windowTitle(), QString("Connect"));
        QCOMPARE(SavePmForm->windowTitle(), QString("下載參數中..."));
        QCOMPARE(OpenPmForm->windowTitle(), QString("燒錄參數中..."));
        QCOMPARE(ReadpmForm->windowTitle(), QString("TARN/B"));
        QCOMPARE(ReadpmForm->Label1->text(), QString("參數讀取中..."));
        QCOMPARE(SavePmForm->ProgressBar1->maximum(), 100);
        QVERIFY(!(SavePmForm->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(ReadpmForm->windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(CommForm->ComboBox1->count(), 9);
        QCOMPARE(CommForm->ComboBox1->currentText(), QString("1"));
        QVERIFY(!CommForm->ComboBox1->isEditable());
        QCOMPARE(CommForm->btnConnect->text(), QString("OK"));
    }

    void aboutShowsTheVersion() {
        Start();
        MainForm->About1->trigger();
        QCOMPARE(dialogs->messages, QStringList({"Ver 1.03"}));
    }

    void exitClosesTheMainWindow() {
        Start();
        MainForm->show();
        MainForm->Exit1->trigger();
        QVERIFY(!MainForm->isVisible());
    }

    void errorInMenuCommandIsShownAndProgramGoesOn() {
        Start();
        // Never connected: the greeting of 設定 meets a closed port.
        MainForm->Setup_Parameters->trigger();
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY(!dialogs->messages.first().isEmpty());
        QVERIFY(MainForm->ParaTabControl->isHidden());
        MainForm->About1->trigger();
        QCOMPARE(dialogs->messages.last(), QString("Ver 1.03"));
    }

    void errorInAnyEventStopsInTheApplication() {
        // An error from an event handler that no adapter guards, thrown from
        // event() itself: widget code between notify() and a clicked slot has
        // no unwind cleanup, so a throw from there would leak its locals.
        struct Raiser : QObject {
            int events = 0;
            bool event(QEvent* e) override {
                if (e->type() != QEvent::User)
                    return QObject::event(e);
                ++events;
                throw EConvertError("'0x' is not a valid integer value");
            }
        } raiser;
        QCoreApplication::postEvent(&raiser, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&raiser, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(raiser.events, 2);
        QCOMPARE(dialogs->messages, QStringList({"'0x' is not a valid integer value",
                                                 "'0x' is not a valid integer value"}));
    }

    void connectingOpensThePortAndShowsTheMainWindow() {
        qputenv("TARN_COM3", "/dev/fake-com3");
        Start();
        device->Script(":P000=0x0000\r");
        Connect(2);
        qunsetenv("TARN_COM3");
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(device->OpenedDevices(), QStringList({"/dev/fake-com3"}));
        QCOMPARE(MainForm->MSComm1->CommPort(), quint16(3));
        QVERIFY(MainForm->MSComm1->PortOpen());
        QCOMPARE(MainForm->StatusPanel->text(), QString("PortOpen=COM3"));
        QCOMPARE(MainForm->StatusPanel->toolTip(), QString("/dev/fake-com3"));
        QCOMPARE(device->Writes().value(0), GreetingRequest());
        QCOMPARE(ReplyFormat, kFormatMarked);
        QVERIFY(!CommForm->isVisible());
        QVERIFY(MainForm->isVisible());
        QVERIFY(MainForm->ParaTabControl->isHidden());
    }

    void connectDialogNamesTheDeviceOfTheChosenNumber() {
        QTemporaryFile present(QDir::tempPath() + "/tarn-com-XXXXXX");
        QVERIFY(present.open());
        const QString missing = present.fileName() + ".gone";
        qputenv("TARN_COM2", present.fileName().toLocal8Bit());
        qputenv("TARN_COM3", missing.toLocal8Bit());
        Start();
        const struct {
            int item;
            QString line;
        } cases[] = {{1, present.fileName()}, {2, missing + "（不存在）"}, {1, present.fileName()}};
        for (const auto& c : cases) {
            CommForm->ComboBox1->setCurrentIndex(c.item);
            QCOMPARE(CommForm->Label2->text(), c.line);
            QCOMPARE(CommForm->Label2->accessibleName(), c.line);
        }
        qunsetenv("TARN_COM2");
        qunsetenv("TARN_COM3");
    }

    void silentDriveStillShowsTheMainWindow() {
        Start();
        Connect(0);
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(ReplyFormat, kFormatUndetermined);
        QVERIFY(MainForm->isVisible());
    }

    void portThatCannotOpenLeavesTheDialogUp() {
        Start();
        device->FailOpen("No such file or directory");
        Connect(4);
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY(dialogs->messages.first().contains("No such file or directory"));
        QVERIFY(CommForm->isVisible());
        QVERIFY(!MainForm->isVisible());
        QCOMPARE(MainForm->StatusPanel->text(), QString("PortOpen"));
        QCOMPARE(MainForm->MSComm1->CommPort(), quint16(5));
        QVERIFY(device->Writes().isEmpty());
        // Another number may be tried.
        device->FailOpen(QString());
        Connect(0);
        QCOMPARE(MainForm->StatusPanel->text(), QString("PortOpen=COM1"));
        QVERIFY(MainForm->isVisible());
    }

    void startupErrorIsShownAndEndsTheProgram() {
        int code = RunProgram(*qApp, [] {
            CreateWindows(std::make_unique<FakeSerialDevice>());
            throw EToolkitError("Failed to create the windows");
        });
        QCOMPARE(code, 1);
        QCOMPARE(dialogs->messages, QStringList({"Failed to create the windows"}));
        QVERIFY(!MainForm);
        QVERIFY(!CommForm);
    }

    void closingTheConnectDialogEndsTheProgram() {
        QTimer::singleShot(0, [] { CommForm->close(); });
        bool watchdog = false;
        const int code = RunWatched(watchdog);
        QVERIFY(!watchdog);
        QCOMPARE(code, 0);
        QVERIFY(!MainForm);
    }

    void closingTheMainWindowEndsTheProgram() {
        QTimer::singleShot(0, [] {
            QTest::mouseClick(CommForm->btnConnect, Qt::LeftButton);
            MainForm->close();
        });
        bool watchdog = false;
        const int code = RunWatched(watchdog);
        QVERIFY(!watchdog);
        QCOMPARE(code, 0);
    }
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_startup.moc"
