#pragma once

// The program's windows over a scripted port whose drive answers in the
// marked format from `values` and refuses writes of the numbers in
// `refused` (a differing echo). Messages are
// answered by ScriptedDialogs. Keys go to the real grid and its editor.
#include "app/Startup.h"
#include "app/TGridEditor.h"
#include "app/TMainForm.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "catalogue/Catalogue.h"
#include "support/TestDrive.h"
#include "app/grid/CommitState.h"
#include "link/DriveProtocol.h"
#include "app/connect/TCommForm.h"
#include "support/FakeSerialDevice.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>
#include <memory>

struct MainWindowFixture {
    ScriptedDialogs dialogs;
    FakeSerialDevice* device = nullptr; // owned by MainForm's MSComm1
    QMap<quint16, QString> values;
    FakeSerialDevice::DriveFaults faults;
    QSet<quint16>& refused = faults.refused;

    MainWindowFixture() {
        ResetParameterRecords();
        CommitRequested = 0;
        auto fake = std::make_unique<FakeSerialDevice>();
        device = fake.get();
        device->SetResponder(FakeSerialDevice::EchoingDrive(kFormatMarked, &values, &faults));
        CreateWindows(std::move(fake));
    }
    ~MainWindowFixture() { DestroyWindows(); }
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    // OK in the connect dialog (COM1), then 設定.
    void ConnectAndSetUp() {
        QTest::mouseClick(CommForm->btnConnect, Qt::LeftButton);
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        MainForm->Setup_Parameters->trigger();
    }

    static TStringGrid* Grid() { return MainForm->grdPnxxxSheet; }
    static int RowOf(quint16 number) { return CatalogueEntryOf(number)->row; }

    // The user picks tab `index`.
    static void ShowSheet(int index) { MainForm->ParaTabControl->TabBar()->setCurrentIndex(index); }

    static void Select(int col, int row) {
        Grid()->setFocus();
        Grid()->SelectCell(col, row);
    }

    // Selects the value cell of `number`, types `keys` (the first one into
    // the grid, which opens the editor), and ends with Enter when asked.
    static void Type(quint16 number, const QString& keys, bool enter = true) {
        Select(3, RowOf(number));
        QTest::keyClick(Grid(), keys.at(0).toLatin1());
        QTest::keyClicks(Grid()->Editor(), keys.mid(1));
        if (enter)
            QTest::keyClick(Grid()->Editor(), Qt::Key_Return);
    }

    static QString ValueCell(quint16 number) { return Grid()->Cell(3, RowOf(number)); }

    // Write requests sent from write `from` on (reads and greetings left out).
    QList<QByteArray> WritesFrom(int from) const {
        QList<QByteArray> writes;
        for (const QByteArray& w : device->Writes().mid(from))
            if (!w.endsWith("????\r"))
                writes.append(w);
        return writes;
    }
    int Mark() const { return device->Writes().size(); }
};

inline QByteArray MarkedWrite(quint16 number, const char* value) {
    return WriteRequest(number, QString::fromLatin1(value), kFormatMarked);
}
