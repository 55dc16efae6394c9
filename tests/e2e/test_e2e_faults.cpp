// The program against a virtual drive that misbehaves, driven as a user
// would over a real pty: what the user is shown, and what reached the drive.
#include "E2eFixture.h"
#include "app/TOpenPmForm.h"
#include "app/TReadpmForm.h"
#include "app/TSavePmForm.h"
#include "files/ParameterFile.h"
#include "app/MainDrive.h"
#include "link/DriveLink.h"
#include "support/ProcessCpu.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QString kNotInteger = QStringLiteral("is not a valid integer value");

// The file a save of the drive's present state would write, with `none`
// standing for the parameters that answered without the mark.
QByteArray FileOf(const QMap<quint16, QString>& state, const QList<quint16>& none = {}) {
    ParameterValues values;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const quint16 number = NumberOfSlot(slot);
        values[slot] = none.contains(number) ? QStringLiteral("None") : state.value(number);
    }
    return ParameterFileBytes(values);
}

// Clicks and keys a user might send while an exchange waits: another tab,
// a value typed into the grid, the menu bar. `sent` records that they went
// while an exchange was in progress, so the test cannot pass vacuously.
void SendInputSoon(bool& sent) {
    QTimer::singleShot(300, MainForm, [&sent] {
        sent = MainDrive().Link().ExchangeInProgress();
        QTabBar* bar = MainForm->ParaTabControl->TabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(5).center());
        QTest::mouseDClick(E2eFixture::Grid()->viewport(), Qt::LeftButton);
        QTest::keyClicks(E2eFixture::Grid(), QStringLiteral("7"));
        QTest::keyClick(E2eFixture::Grid(), Qt::Key_Return);
        QMenuBar* menu = MainForm->menuBar();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(0)).center());
        QTest::keyClick(MainForm, Qt::Key_Return);
    });
}

} // namespace

class TestE2eFaults : public QObject {
    Q_OBJECT

private slots:
    // 設定 with no answer stops at the first value shown as a number; once
    // the drive answers, 設定 works (again and again) with six tabs.
    void setUpWithASilentDriveThenAnAnsweringOne() {
        E2eFixture f({"--silent"});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        int mark = f.Mark();
        f.SetUp();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages[0].contains(kNotInteger), qPrintable(f.dialogs.messages[0]));
        QVERIFY(!MainForm->ParaTabControl->isVisible());
        QCOMPARE(MainForm->ParaTabControl->TabCount(), 6);
        QCOMPARE(f.RequestsFrom(mark), QList<QByteArray>{":P000????\r"} + f.Reads(0, 3));

        QVERIFY(f.sim.Command("fault silent off"));
        for (int run = 0; run < 2; ++run) {
            f.dialogs.messages.clear();
            mark = f.Mark();
            f.SetUp();
            QCOMPARE(f.dialogs.messages, QStringList());
            QVERIFY(MainForm->ParaTabControl->isVisible());
            QCOMPARE(MainForm->ParaTabControl->TabCount(), 6);
            QCOMPARE(f.RequestsFrom(mark).first(), QByteArray(":P000????\r"));
            QCOMPARE(f.Grid()->Cell(3, f.RowOf(1)).toInt(),
                     f.sim.State().value(1).toInt(nullptr, 16));
        }
    }

    // Reads that get no answer, an answer without the mark, or their answer
    // only during the next read: the tab change shows the conversion error,
    // takes no value from a neighbour's reply, and hides the reading window.
    void badReadsAtATabChange_data() {
        QTest::addColumn<QString>("faultOn");
        QTest::addColumn<QString>("faultOff");
        QTest::addColumn<QString>("expected"); // value text of every read
        QTest::newRow("silent") << "fault silent on" << "fault silent off" << "";
        QTest::newRow("late") << "late 45" << "late 0" << "";
        QTest::newRow("unmarked") << "unmark 100" << "mark 100" << "None";
    }
    void badReadsAtATabChange() {
        QFETCH(QString, faultOn);
        QFETCH(QString, faultOff);
        QFETCH(QString, expected);
        E2eFixture f({"--format", "1"});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        for (int n = 100; n <= 120; ++n)
            QVERIFY(f.sim.Command(QStringLiteral("set %1 %2").arg(n).arg(n * 3, 4, 16, QLatin1Char('0'))));

        QVERIFY(f.sim.Command(faultOn));
        f.ShowSheet(1);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages[0].contains(kNotInteger), qPrintable(f.dialogs.messages[0]));
        QVERIFY(!ReadpmForm->isVisible());
        QCOMPARE(PmStringSheet.Value(100), expected);
        const QMap<quint16, QString> state = f.sim.State();
        for (int n = 101; n <= 120; ++n)
            QVERIFY2(PmStringSheet.Value(n) != state.value(n - 1), qPrintable(QString::number(n)));

        QVERIFY(f.sim.Command(faultOff));
        f.dialogs.messages.clear();
        f.ShowSheet(2);
        f.ShowSheet(1);
        QCOMPARE(f.dialogs.messages, QStringList());
        QCOMPARE(MainForm->ParaTabControl->TabIndex(), 1);
        for (int n = 100; n <= 120; ++n)
            QCOMPARE(PmStringSheet.Value(n), state.value(n));
    }

    void rejectedWriteDuringAnEdit() {
        E2eFixture f({"--reject", "1"});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        const QString before = f.sim.State().value(1);
        int mark = f.Mark();
        f.Type(1, "5");
        QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("Pn001 寫入失敗")});
        QCOMPARE(f.WritesFrom(mark).size(), 1);
        QCOMPARE(f.sim.State().value(1), before);

        QVERIFY(f.sim.Command("unreject 1"));
        mark = f.Mark();
        f.Type(1, "6");
        QCOMPARE(f.WritesFrom(mark).size(), 1);
        QCOMPARE(f.sim.State().value(1), QStringLiteral("0006"));
    }

    // A load stops at the first write that is rejected or not answered:
    // the message names it, the window goes, nothing is written after it.
    void loadStops_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("stoppedAt");
        QTest::addColumn<QString>("message");
        QTest::newRow("rejected")
            << "reject 105" << 105
            << "載入已停止：Pn105 寫入失敗；已寫入 9 個參數（Pn000 ~ Pn104），驅動器其餘參數未變更";
        QTest::newRow("silent") << "fault silent on" << 0
                                << "載入已停止：Pn000 沒有回應；沒有寫入任何參數，驅動器參數未變更";
    }
    void loadStops() {
        QFETCH(QString, fault);
        QFETCH(int, stoppedAt);
        QFETCH(QString, message);
        E2eFixture f({});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        QTemporaryDir dir;
        const QString path = dir.filePath("load.tarn");
        ParameterValues values;
        values.fill(QStringLiteral("00AA"));
        QVERIFY(PutFile(path, ParameterFileBytes(values)));
        const QMap<quint16, QString> before = f.sim.State();

        QVERIFY(f.sim.Command(fault));
        const int mark = f.Mark();
        f.dialogs.openAnswers << path;
        f.dialogs.yesNoAnswers << true; // 00AA is outside many rules
        MainForm->Open2->trigger();

        QCOMPARE(f.dialogs.messages, QStringList{message});
        QVERIFY(!OpenPmForm->isVisible());
        const QList<QByteArray> writes = f.WritesFrom(mark);
        QVERIFY(!writes.isEmpty());
        QVERIFY(writes.last().startsWith(QStringLiteral(":P%1").arg(stoppedAt, 3, 10, QLatin1Char('0')).toLatin1()));
        QCOMPARE(writes.size(), stoppedAt == 0 ? 1 : 10); // Pn000-003, Pn100-105
        // A silent drive may still have stored the failed write; what came
        // before it is stored and nothing after it is touched.
        const QMap<quint16, QString> after = f.sim.State();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const quint16 n = NumberOfSlot(slot);
            if (n != stoppedAt)
                QCOMPARE(after.value(n), n < stoppedAt ? QStringLiteral("00AA") : before.value(n));
        }
    }

    // Replies in pieces behind noise still read right; a parameter answered
    // without the mark is saved as None and named; clicks and keys during
    // the save do nothing, then or afterwards.
    void saveOverNoisyChunkedRepliesIgnoresInput() {
        E2eFixture f({"--format", "1", "--chunked", "--garbage", "--unmarked", "101"});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        QCOMPARE(f.dialogs.messages, QStringList());
        QTemporaryDir dir;
        const QString path = dir.filePath("noisy.tarn");
        f.dialogs.saveAnswers << path;
        bool sent = false;
        SendInputSoon(sent);
        const int mark = f.Mark();
        MainForm->Save2->trigger();
        QCoreApplication::processEvents();

        QVERIFY(sent);
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("檔案已儲存，但下列參數沒有讀到數值：Pn101")});
        QCOMPARE(FileBytes(path), FileOf(f.sim.State(), {101}));
        QList<QByteArray> reads;
        for (int slot = 0; slot < kSlotCount; ++slot)
            reads << f.Reads(NumberOfSlot(slot), NumberOfSlot(slot));
        QCOMPARE(f.RequestsFrom(mark), reads);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QVERIFY(!f.Grid()->EditorOpen());
        QVERIFY(!SavePmForm->isVisible());
    }

    void saveFromASilentDriveKeepsTheOldFile() {
        E2eFixture f({});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        QTemporaryDir dir;
        const QString path = dir.filePath("old.tarn");
        QVERIFY(PutFile(path, "old\r\n"));
        QVERIFY(f.sim.Command("fault silent on"));
        f.dialogs.saveAnswers << path;
        MainForm->Save2->trigger();
        QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("驅動器沒有回應，檔案未儲存")});
        QCOMPARE(f.dialogs.filters, QStringList()); // no save dialog
        QVERIFY(!SavePmForm->isVisible());
        QCOMPARE(FileBytes(path), QByteArray("old\r\n"));
    }

    // The drive hangs up during the save: the port error is shown, the
    // progress window goes, no file is written, and the program sleeps.
    void driveHangsUpMidSave() {
        E2eFixture f({"--hangup-after", "30"});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        QTemporaryDir dir;
        const QString path = dir.filePath("old.tarn");
        QVERIFY(PutFile(path, "old\r\n"));
        f.dialogs.saveAnswers << path;
        MainForm->Save2->trigger();

        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages[0].contains(f.sim.Device()), qPrintable(f.dialogs.messages[0]));
        QCOMPARE(f.dialogs.filters, QStringList());
        QVERIFY(!SavePmForm->isVisible());
        QCOMPARE(FileBytes(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.tarn"});
        const double used = CpuWhileIdle(1000);
        QVERIFY2(used < 0.3, qPrintable(QStringLiteral("%1 s of CPU in 1 s idle").arg(used)));
    }

    // A port that cannot be opened is told and the dialog stays, so another
    // port can be picked.
    void portThatCannotBeOpened() {
        E2eFixture f({});
        QVERIFY2(f.sim.Start(), qPrintable(f.sim.Error()));
        const QString missing = QStringLiteral("/dev/tarn-no-such-port");
        qputenv("TARN_COM1", missing.toLocal8Bit());
        qputenv("TARN_COM2", f.sim.Device().toLocal8Bit());
        f.OpenWindows();
        QVERIFY(!f.PressOk());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages[0].contains(missing), qPrintable(f.dialogs.messages[0]));
        QVERIFY(CommForm->isVisible());
        QCOMPARE(f.RequestsFrom(0), QList<QByteArray>());

        CommForm->ComboBox1->setCurrentIndex(1);
        QVERIFY(f.PressOk());
        qunsetenv("TARN_COM2");
        QVERIFY(!CommForm->isVisible());
        QCOMPARE(MainForm->StatusPanel->text(), QStringLiteral("PortOpen=COM2"));
        QCOMPARE(f.RequestsFrom(0), QList<QByteArray>{":P000????\r"});
        QCOMPARE(f.dialogs.messages.size(), 1);
    }

    void inputDuringASheetReadDoesNothing() {
        E2eFixture f({});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        int mark = f.Mark();
        f.ShowSheet(3);
        const QList<QByteArray> undisturbed = f.RequestsFrom(mark);
        f.ShowSheet(0);

        bool sent = false;
        SendInputSoon(sent);
        mark = f.Mark();
        f.ShowSheet(3);
        QCoreApplication::processEvents();

        QVERIFY(sent);
        QCOMPARE(MainForm->ParaTabControl->TabIndex(), 3);
        QCOMPARE(f.RequestsFrom(mark), undisturbed);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QVERIFY(!f.Grid()->EditorOpen());
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join('\n')));

        mark = f.Mark();
        f.Type(301, "500");
        QCOMPARE(f.WritesFrom(mark).size(), 1);
    }
};

QTEST_MAIN(TestE2eFaults)
#include "test_e2e_faults.moc"
