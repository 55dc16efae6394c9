// Offline editing against the virtual drive's port: a file opened without a
// drive shows the grid a drive with the same values gives, and nothing the
// window does offline reaches the port.
#include "E2eFixture.h"

#include "app/Dialogs.h"
#include "app/changes/TChangeLogForm.h"
#include "app/compare/TComparePmForm.h"
#include "app/grid/TFindForm.h"
#include "files/ParameterFile.h"
#include "values/ValueForms.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// In-range values for every catalogued parameter (the middle of a decimal
// range, the top of a digit-wise one), Pn904 3000, and Pn101 one above its
// maximum, as a file from another machine may hold.
ParameterValues FileValues() {
    ParameterValues values;
    values.fill(QStringLiteral("0000"));
    const auto bound = [](const ParameterBound& b) {
        return b.kind == BoundKind::Pn904        ? 3000
               : b.kind == BoundKind::MinusPn904 ? -3000
                                                 : b.value;
    };
    for (const ParameterRecord& r : Catalogue()) {
        values[size_t(SlotOf(r.number))] =
            r.form == DisplayForm::Decimal || r.form == DisplayForm::SignedDecimal
                ? HexText((bound(r.min) + bound(r.max)) / 2)
                : EditedValueText(r.form, QString::fromUtf8(r.max.text));
    }
    values[size_t(SlotOf(904))] = QStringLiteral("0BB8");
    values[size_t(SlotOf(101))] = QStringLiteral("2711"); // 10001, the maximum is 10000
    return values;
}

// Every cell of the sheets Pn0xx to Pn5xx, each sheet picked by its tab.
QStringList SheetCells() {
    QStringList cells;
    for (int sheet = 0; sheet < 6; ++sheet) {
        E2eFixture::ShowSheet(sheet);
        TStringGrid* grid = E2eFixture::Grid();
        for (int row = 0; row < grid->RowCount(); ++row)
            for (int col = 0; col < grid->ColCount(); ++col)
                cells << QStringLiteral("%1/%2/%3 %4")
                             .arg(sheet)
                             .arg(col)
                             .arg(row)
                             .arg(grid->Cell(col, row));
    }
    return cells;
}

// The virtual drive started as COM 1, so a port is there to be left alone.
bool StartDriveOnCom1(E2eFixture& f) {
    if (!f.sim.Start())
        return false;
    qputenv("TARN_COM1", f.sim.Device().toLocal8Bit());
    return true;
}

// The windows anew (COM 1 still the virtual drive's), and the file opened
// with 離線編輯檔案.
void OpenOffline(E2eFixture& f, const QString& path) {
    f.OpenWindows();
    f.dialogs.openAnswers << path;
    QTest::mouseClick(CommForm->btnOffline, Qt::LeftButton);
}

QString ChangeResultText(int row) {
    return ChangeLogForm->grdChanges->item(row, 5)->text();
}

} // namespace

class TestE2eOffline : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString PutValues(const QString& name, const ParameterValues& values) {
        const QString path = dir.filePath(name);
        return PutFile(path, ParameterFileBytes(values)) ? path : QString();
    }

private slots:
    // Catches an offline grid that differs anywhere from the drive's (a
    // display form, a digit, a bound from Pn904), a caption or status that
    // does not say offline, and any byte sent.
    void offlineGridIsTheDriveGrid() {
        const QString path = PutValues("machine7.tarn", FileValues());
        E2eFixture f({"--load", path, "--char-ms", "0"});
        QVERIFY(f.Connect());
        f.SetUp();
        const QStringList withDrive = SheetCells();
        DestroyWindows();
        f.windows = false;

        const int mark = f.Mark();
        OpenOffline(f, path);
        QVERIFY(MainForm->isVisible());
        QVERIFY(CommForm->isHidden());
        QCOMPARE(f.dialogs.messages, QStringList());
        QCOMPARE(MainForm->windowTitle(), QStringLiteral("TARN/B - machine7.tarn（離線）"));
        QCOMPARE(MainForm->StatusPanel->text(), QStringLiteral("離線"));
        QCOMPARE(MainForm->ParaTabControl->Tabs(),
                 QStringList({"Pn0xx", "Pn1xx", "Pn2xx", "Pn3xx", "Pn4xx", "Pn5xx"}));
        QCOMPARE(MainForm->ParaTabControl->TabIndex(), 0);
        QCOMPARE(SheetCells(), withDrive);
        // Pn101 opened all the same, marked as a report marks it.
        f.ShowSheet(1);
        QCOMPARE(f.Grid()->Cell(3, f.RowOf(101)), QStringLiteral("10001"));
        QCOMPARE(f.Grid()->CellMarkOf(3, f.RowOf(101)).hint, QStringLiteral("! 超出範圍"));
        QCOMPARE(f.Grid()->CellMarkOf(3, f.RowOf(102)).hint, QString());
        QCOMPARE(f.Mark(), mark);
    }

    // Catches an edit that is sent, waits, or is not listed as 已修改; a
    // revert that leaves the grid behind; a save with other bytes or another
    // name; a close or a new file that loses changes unasked.
    void editRevertSaveAndTheUnsavedQuestion() {
        const ParameterValues values = FileValues();
        const QString path = PutValues("line-A.tarn", values);
        E2eFixture f({"--char-ms", "0"});
        QVERIFY(StartDriveOnCom1(f));
        const int mark = f.Mark();
        OpenOffline(f, path);
        QVERIFY(MainForm->isVisible());

        f.ShowSheet(1);
        f.Type(102, "600");
        QCOMPARE(f.Grid()->Cell(3, f.RowOf(102)), QStringLiteral("600"));
        QCOMPARE(f.Grid()->CellMarkOf(3, f.RowOf(102)).background, TMainForm::kChangedMarkColour);
        QCOMPARE(f.Grid()->CellMarkOf(3, f.RowOf(102)).hint,
                 QStringLiteral("本次已變更，原值 %1")
                     .arg(StrToInt("0x" + values[size_t(SlotOf(102))])));
        QCOMPARE(ChangeResultText(0), QStringLiteral("已修改"));
        QCOMPARE(f.dialogs.messages, QStringList());

        // 全部還原 puts the file's value back in the grid.
        QTest::mouseClick(ChangeLogForm->btnRevertAll, Qt::LeftButton);
        QCOMPARE(f.Grid()->Cell(3, f.RowOf(102)),
                 QString::number(StrToInt("0x" + values[size_t(SlotOf(102))])));
        QCOMPARE(ChangeResultText(1), QStringLiteral("已修改"));

        // An edit again, and 載入檔案 asks first: 取消 opens nothing.
        f.Type(102, "600");
        const int opened = f.dialogs.openAsked;
        MainForm->Open2->trigger();
        QCOMPARE(f.dialogs.questions, QStringList{QStringLiteral("檔案已修改，是否儲存？")});
        QCOMPARE(f.dialogs.openAsked, opened);

        // 儲存檔案: the dialog starts at the file opened; the bytes are the
        // file format's for the values on show.
        const QString saved = dir.filePath("line-A-site");
        f.dialogs.saveAnswers << saved;
        MainForm->Save2->trigger();
        QCOMPARE(f.dialogs.suggestedNames, QStringList{path});
        ParameterValues expected = values;
        expected[size_t(SlotOf(102))] = QStringLiteral("0258");
        QCOMPARE(FileBytes(saved + ".tarn"), ParameterFileBytes(expected));
        QCOMPARE(MainForm->windowTitle(), QStringLiteral("TARN/B - line-A-site.tarn（離線）"));

        // Changed again after the save: closing asks; 取消 keeps the window,
        // 是 saves and closes.
        f.Type(102, "700");
        MainForm->close();
        QCOMPARE(f.dialogs.questions.size(), 2);
        QVERIFY(MainForm->isVisible());
        f.dialogs.saveAnswersAsked << SaveAnswer::Save;
        f.dialogs.saveAnswers << saved + ".tarn";
        MainForm->close();
        QCOMPARE(f.dialogs.questions.size(), 3);
        QVERIFY(!MainForm->isVisible());
        expected[size_t(SlotOf(102))] = QStringLiteral("02BC");
        QCOMPARE(FileBytes(saved + ".tarn"), ParameterFileBytes(expected));
        QCOMPARE(f.Mark(), mark);
    }

    // Catches a comparison that reads a drive or offers the write offline.
    void compareIsFileToFile() {
        ParameterValues other = FileValues();
        other[size_t(SlotOf(100))] = QStringLiteral("0064");
        const QString path = PutValues("a.tarn", FileValues());
        E2eFixture f({"--char-ms", "0"});
        QVERIFY(StartDriveOnCom1(f));
        const int mark = f.Mark();
        OpenOffline(f, path);
        f.dialogs.openAnswers << PutValues("b.tarn", other);
        QStringList seen;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!ComparePmForm->isVisible())
                return;
            poll.stop();
            QTableWidget* table = ComparePmForm->grdCompare;
            seen << QString::number(table->rowCount())
                 << table->item(0, TComparePmForm::ColNumber)->text()
                 << table->item(0, TComparePmForm::ColFile)->text()
                 << table->horizontalHeaderItem(TComparePmForm::ColDrive)->text()
                 << ComparePmForm->btnWriteSelected->toolTip();
            QVERIFY(!ComparePmForm->btnWriteSelected->isEnabled());
            ComparePmForm->reject();
        });
        poll.start(20);
        MainForm->Compare1->trigger();
        QCOMPARE(seen, QStringList({"1", "Pn100", "100", "目前數值", "離線時不可用"}));

        // The opened file against itself: the values on show are the file's.
        f.dialogs.openAnswers << path;
        MainForm->Compare1->trigger();
        QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("數值與檔案相同")});
        QCOMPARE(f.Mark(), mark);
    }

    // Catches a refused file that half-opens: it says why, the dialog stays,
    // the main window keeps its link.
    void aRefusedFileSaysWhyAndTheDialogStays() {
        QByteArray bytes = ParameterFileBytes(FileValues());
        bytes.truncate(bytes.size() / 2);
        const QString path = dir.filePath("cut.tarn");
        QVERIFY(PutFile(path, bytes));
        E2eFixture f({"--char-ms", "0"});
        OpenOffline(f, path);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages.at(0).contains(QStringLiteral("cut.tarn")),
                 qPrintable(f.dialogs.messages.at(0)));
        QVERIFY(CommForm->isVisible());
        QVERIFY(!MainForm->isVisible());
        QVERIFY(!MainForm->Offline());
    }

    // Catches a search jump offline that reads, or lands on another row.
    void searchJumpsOffline() {
        const QString path = PutValues("find.tarn", FileValues());
        E2eFixture f({"--char-ms", "0"});
        QVERIFY(StartDriveOnCom1(f));
        const int mark = f.Mark();
        OpenOffline(f, path);
        MainForm->Find1->trigger();
        QVERIFY(FindForm->isVisible());
        QTest::keyClicks(FindForm->edtFind, QStringLiteral("pn51"));
        QTest::keyClick(FindForm->edtFind, Qt::Key_Return);
        QCOMPARE(MainForm->ParaTabControl->TabIndex(), 5);
        QCOMPARE(f.Grid()->currentRow() + 1, f.RowOf(510));
        QCOMPARE(f.Grid()->currentColumn() + 1, 3);
        QCOMPARE(f.Mark(), mark);
    }
};

QTEST_MAIN(TestE2eOffline)
#include "test_e2e_offline.moc"
