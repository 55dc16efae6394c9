// 比較檔案 driven by clicks over a real pty against the virtual drive: the
// drive's traffic log and state say what was read and written. Each
// comparison reads all 309 parameters (about 12.5 s), so there are few.
#include "E2eFixture.h"
#include "changes/ChangeLog.h"
#include "app/compare/TComparePmForm.h"
#include "app/compare/TCompareProgressForm.h"
#include "files/ParameterFile.h"
#include "link/DriveProtocol.h"

#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

// Every read of a comparison, in file order.
QList<QByteArray> AllReads() {
    QList<QByteArray> reads;
    for (const SheetRange& range : kSheetRanges)
        reads << E2eFixture::Reads(range.first, range.first + range.count - 1);
    return reads;
}

// The drive's values with `changes` on top, as a file in `dir`.
QString FileOf(const E2eFixture& f, const QTemporaryDir& dir,
               const QMap<quint16, QString>& changes) {
    ParameterValues values;
    const QMap<quint16, QString> state = f.sim.State();
    for (int slot = 0; slot < kSlotCount; ++slot)
        values[slot] = changes.value(NumberOfSlot(slot), state.value(NumberOfSlot(slot)));
    const QString path = dir.filePath("compare.tarn");
    return PutFile(path, ParameterFileBytes(values)) ? path : QString();
}

// Runs Compare1 with `script` run inside the comparison window once it is
// up; the script closes it. False when the window never came up.
bool Compare(const std::function<void()>& script) {
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!ComparePmForm->isVisible())
            return;
        poll.stop();
        shown = true;
        script();
        // A failed check returns early: the window must not stay up.
        if (ComparePmForm->isVisible())
            ComparePmForm->reject();
    });
    poll.start(20);
    MainForm->Compare1->trigger();
    return shown;
}

QTableWidget* Table() {
    return ComparePmForm->grdCompare;
}

// Each row as "Pn001 ticked|unticked|disabled <status>".
QStringList Rows() {
    QStringList rows;
    for (int i = 0; i < Table()->rowCount(); ++i) {
        const QTableWidgetItem* tick = Table()->item(i, TComparePmForm::ColWrite);
        const QString how = !(tick->flags() & Qt::ItemIsEnabled) ? "disabled"
                            : tick->checkState() == Qt::Checked  ? "ticked"
                                                                 : "unticked";
        rows << (Table()->item(i, TComparePmForm::ColNumber)->text() + ' ' + how + ' ' +
                 Table()->item(i, TComparePmForm::ColState)->text())
                    .trimmed();
    }
    return rows;
}

QString Cell(int row, int col) {
    return Table()->item(row, col)->text();
}

void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestE2eCompare : public QObject {
    Q_OBJECT

private slots:
    // A file differing in a handful of parameters: the rows and ticks, the
    // writes of the ticked rows with their read-backs, a rejected and a
    // kept write, a second write after the fault is gone. With the sheet
    // on show (marked format) it is read anew afterwards; hidden (plain),
    // it stays hidden.
    void compareAndWrite_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("plain") << 0;
        QTest::newRow("marked") << 1;
    }
    void compareAndWrite() {
        QFETCH(int, format);
        E2eFixture f({"--format", QString::number(format), "--reject", "101", "--keep", "102"});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        if (format == 1)
            f.SetUp();
        QVERIFY(f.sim.Command("set 103 00AB"));
        const QMap<quint16, QString> before = f.sim.State();
        const QString kept = before.value(102);
        QTemporaryDir dir;
        const QString file = FileOf(f, dir,
                                    {{0, "0010"},
                                     {1, "001F"}, // out of range
                                     {100, "0064"},
                                     {101, "0064"}, // rejected
                                     {102, "0064"}, // kept
                                     {103, "00ab"}, // the drive's number
                                     {900, "0001"},
                                     {950, "1234"}});
        QVERIFY(!file.isEmpty());
        f.dialogs.openAnswers << file;

        const int mark = f.Mark();
        int afterSecondWrite = 0;
        const bool shown = Compare([&] {
            QCOMPARE(f.RequestsFrom(mark), AllReads());
            QVERIFY(!CompareProgressForm->isVisible() && ComparePmForm->isModal());
            QCOMPARE(Rows(), (QStringList{"Pn000 ticked", "Pn001 unticked 超出範圍", "Pn100 ticked",
                                          "Pn101 ticked", "Pn102 ticked", "Pn900 disabled 不寫入",
                                          "Pn950 ticked"}));
            QCOMPARE(Cell(0, TComparePmForm::ColFile), QStringLiteral("0-1-0 (0010)"));
            QCOMPARE(Cell(1, TComparePmForm::ColRange), QStringLiteral("0 ~ 30"));
            QCOMPARE(Cell(6, TComparePmForm::ColDescription), QString());
            QCOMPARE(Cell(6, TComparePmForm::ColFile), QStringLiteral("1234"));

            // 全選 ticks the out-of-range row too, never the disabled one;
            // a click and Space untick it again.
            Click(ComparePmForm->btnSelectNone);
            QVERIFY(!Rows().join('|').contains(" ticked"));
            Click(ComparePmForm->btnSelectAll);
            QVERIFY(Rows().contains("Pn001 ticked 超出範圍"));
            QVERIFY(Rows().contains("Pn900 disabled 不寫入"));
            // Clear of the box itself, so only Space toggles it.
            const QRect cell = Table()->visualItemRect(Table()->item(1, TComparePmForm::ColWrite));
            QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {},
                              QPoint(cell.right() - 3, cell.center().y()));
            QTest::keyClick(Table()->viewport(), Qt::Key_Space);
            QVERIFY(Rows().contains("Pn001 unticked 超出範圍"));

            int from = f.Mark();
            Click(ComparePmForm->btnWriteSelected);
            QCOMPARE(f.RequestsFrom(from),
                     (QList<QByteArray>{WriteRequest(0, "0010", quint8(format)),
                                        WriteRequest(100, "0064", quint8(format)),
                                        WriteRequest(101, "0064", quint8(format)),
                                        WriteRequest(102, "0064", quint8(format)),
                                        WriteRequest(950, "1234", quint8(format))}
                      << f.Reads(0, 0) << f.Reads(100, 102) << f.Reads(950, 950)));
            QCOMPARE(Rows(), (QStringList{"Pn000 unticked 已寫入", "Pn001 unticked 超出範圍",
                                          "Pn100 unticked 已寫入", "Pn101 ticked 寫入失敗",
                                          "Pn102 unticked 讀回不符：" + kept,
                                          "Pn900 disabled 不寫入", "Pn950 unticked 已寫入"}));
            QCOMPARE(Cell(0, TComparePmForm::ColDrive), QStringLiteral("0-1-0 (0010)"));
            QCOMPARE(f.dialogs.messages,
                     QStringList{"已寫入並確認 3 個，寫入失敗 1 個，讀回不符 1 個\n請重開驅動器"});

            const ChangeRow& noted = SessionChangeLog().Rows().last();
            QCOMPARE(noted.note, QStringLiteral("寫入 compare.tarn：3 個參數"));
            QCOMPARE(noted.result, ChangeResult::Failed);

            // The fault is gone: only the row still ticked is written.
            QVERIFY(f.sim.Command("unreject 101"));
            from = f.Mark();
            Click(ComparePmForm->btnWriteSelected);
            afterSecondWrite = f.Mark();
            QCOMPARE(f.RequestsFrom(from),
                     (QList<QByteArray>{WriteRequest(101, "0064", quint8(format))}
                      << f.Reads(101, 101)));
            QVERIFY(Rows().contains("Pn101 unticked 已寫入"));
            QCOMPARE(f.dialogs.messages.last(), QStringLiteral("已寫入並確認 1 個，寫入失敗 0 個"));
            Click(ComparePmForm->btnCloseCompare);
        });
        QVERIFY2(shown, qPrintable(f.dialogs.messages.join('|') + '\n' + f.Tail()));
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!ComparePmForm->isVisible());

        // The drive holds the confirmed values and nothing else changed.
        QMap<quint16, QString> held = before;
        held.insert({{0, "0010"}, {100, "0064"}, {101, "0064"}, {950, "1234"}});
        QCOMPARE(f.sim.State(), held);

        // Sheet Pn0xx on show is read anew; a hidden one stays hidden.
        const QList<QByteArray> afterClose = f.RequestsFrom(afterSecondWrite);
        if (format == 1) {
            QCOMPARE(afterClose, f.Reads(0, 3));
            QVERIFY(MainForm->ParaTabControl->isVisible());
            QCOMPARE(f.Grid()->Cell(3, f.RowOf(0)), QStringLiteral("0-1-0"));
        } else {
            QCOMPARE(afterClose, QList<QByteArray>());
            QVERIFY(MainForm->ParaTabControl->isHidden());
        }
    }

    // Cancelled, refused and identical files, then a port lost mid-read.
    void nothingToWrite() {
        E2eFixture f({"--hangup-after", "340"});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        QTemporaryDir dir;
        const int mark = f.Mark();

        MainForm->Compare1->trigger(); // cancelled: nothing happens
        QCOMPARE(f.dialogs.openAsked, 1);
        QCOMPARE(f.dialogs.filters, QStringList{TMainForm::kFileFilter});

        // The load's refusal, word for word, and no read.
        const QString refused = dir.filePath("refused.tarn");
        QVERIFY(PutFile(refused, "P000XYZ\r\n"));
        f.dialogs.openAnswers << refused << refused;
        MainForm->Open2->trigger();
        MainForm->Compare1->trigger();
        QCOMPARE(f.dialogs.messages.size(), 2);
        QCOMPARE(f.dialogs.messages[1], f.dialogs.messages[0]);
        QCOMPARE(f.RequestsFrom(mark), QList<QByteArray>());

        // Lower-case digits of the same numbers are the same file.
        QMap<quint16, QString> lower = f.sim.State();
        for (auto it = lower.begin(); it != lower.end(); ++it)
            it.value() = it.value().toLower();
        f.dialogs.messages.clear();
        f.dialogs.openAnswers << FileOf(f, dir, lower);
        bool shown = Compare([] { ComparePmForm->reject(); });
        QVERIFY(!shown);
        QCOMPARE(f.dialogs.messages, QStringList{"驅動器與檔案相同"});
        QCOMPARE(f.RequestsFrom(mark), AllReads());

        // The drive hangs up partway through the next comparison's reads.
        f.dialogs.messages.clear();
        f.dialogs.openAnswers << FileOf(f, dir, {{100, "0064"}});
        shown = Compare([] { ComparePmForm->reject(); });
        QVERIFY(!shown);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages[0].contains(f.sim.Device()), qPrintable(f.dialogs.messages[0]));
        QVERIFY(!CompareProgressForm->isVisible());
    }
};

QTEST_MAIN(TestE2eCompare)
#include "test_e2e_compare.moc"
