#pragma once

// The program's windows over the real serial path (TMSComm on the
// program's AddressedDevice) with COM 1 pointed at the virtual drive's pty. The
// drive's traffic log and state file tell what reached it; messages and
// file dialogs are answered by ScriptedDialogs.
#include "app/Startup.h"
#include "app/TGridEditor.h"
#include "app/TMainForm.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "catalogue/Catalogue.h"
#include "support/TestDrive.h"
#include "app/grid/CommitState.h"
#include "link/AddressedDevice.h"
#include "app/connect/TCommForm.h"
#include "support/DriveSim.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>
#include <memory>

struct E2eFixture {
    ScriptedDialogs dialogs;
    DriveSim sim;
    bool windows = false;

    explicit E2eFixture(const QStringList& options) : sim(options) {}
    ~E2eFixture() {
        if (windows)
            DestroyWindows();
        qunsetenv("TARN_COM1");
    }
    E2eFixture(const E2eFixture&) = delete;
    E2eFixture& operator=(const E2eFixture&) = delete;

    // Starts the drive, creates the windows and presses OK on COM 1.
    bool Connect() {
        if (!sim.Start())
            return false;
        qputenv("TARN_COM1", sim.Device().toLocal8Bit());
        OpenWindows();
        return PressOk();
    }
    void OpenWindows() {
        ResetParameterRecords();
        CommitRequested = 0;
        CreateWindows(std::make_unique<AddressedDevice>());
        windows = true;
    }
    // True when the main window came up.
    static bool PressOk() {
        QTest::mouseClick(CommForm->btnConnect, Qt::LeftButton);
        if (!MainForm->isVisible())
            return false;
        MainForm->activateWindow();
        return QTest::qWaitForWindowExposed(MainForm);
    }

    static void SetUp() { MainForm->Setup_Parameters->trigger(); }
    static TStringGrid* Grid() { return MainForm->grdPnxxxSheet; }
    static int RowOf(quint16 number) { return CatalogueEntryOf(number)->row; }

    // A click on tab `index`.
    static void ShowSheet(int index) {
        QTabBar* bar = MainForm->ParaTabControl->TabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    // Types `keys` into the value cell of `number` and presses Enter.
    static void Type(quint16 number, const QString& keys) {
        Grid()->setFocus();
        Grid()->SelectCell(3, RowOf(number));
        QTest::keyClick(Grid(), keys.at(0).toLatin1());
        QTest::keyClicks(Grid()->Editor(), keys.mid(1));
        QTest::keyClick(Grid()->Editor(), Qt::Key_Return);
    }

    int Mark() const { return sim.Log().size(); }
    // The last log entries, for failure messages.
    QByteArray Tail(int count = 8) const {
        QByteArray text;
        for (const DriveSim::LogEntry& e : sim.Log().mid(qMax(0, sim.Log().size() - count)))
            text += QByteArray::number(e.ms, 'f', 3) + ' ' + e.direction.toLatin1() + ' ' +
                    e.bytes.trimmed() + '\n';
        return text;
    }
    // Requests the drive received from log entry `from` on.
    QList<QByteArray> RequestsFrom(int from) const {
        QList<QByteArray> requests;
        const QList<DriveSim::LogEntry> log = sim.Log();
        for (int i = from; i < log.size(); ++i)
            if (log[i].direction == QLatin1String("RX"))
                requests << log[i].bytes;
        return requests;
    }
    // The read requests for parameters `first` to `last`.
    static QList<QByteArray> Reads(int first, int last) {
        QList<QByteArray> reads;
        for (int n = first; n <= last; ++n)
            reads << QStringLiteral(":P%1????\r").arg(n, 3, 10, QLatin1Char('0')).toLatin1();
        return reads;
    }
    // The same, writes only.
    QList<QByteArray> WritesFrom(int from) const {
        QList<QByteArray> writes;
        for (const QByteArray& r : RequestsFrom(from))
            if (!r.endsWith("????\r"))
                writes << r;
        return writes;
    }
};
