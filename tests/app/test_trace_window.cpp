// 幫助 → 通訊記錄: the exchanges of this run, newest last, over the main
// window's scripted drive; 匯出 writes the same rows as trace lines.
#include "MainWindowFixture.h"
#include "app/trace/TTraceForm.h"
#include "support/FileBytes.h"

#include <QTableWidget>
#include <QTemporaryDir>

class TestTraceWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    static QList<QStringList> Rows() {
        QList<QStringList> rows;
        QTableWidget* grid = TraceForm->grdTrace;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < grid->columnCount(); ++c)
                row << grid->item(r, c)->text();
            rows << row;
        }
        return rows;
    }

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void listsTheExchangesOfASheetRead() {
        f->values[1] = "0005";
        f->values[2] = "0111";
        f->ConnectAndSetUp();
        MainForm->Trace1->trigger();
        QVERIFY(TraceForm->isVisible());
        // Shown while open: the sheet read of a tab change comes last.
        f->ShowSheet(1);
        const QList<QStringList> rows = Rows();
        QCOMPARE(rows.size(), 2 + 4 + 21);
        // Time and wait vary; port, bytes and verdict are exact.
        QList<QStringList> steady;
        for (const QStringList& row : rows.mid(0, 7))
            steady << QStringList{row[1], row[2], row[3], row[5]};
        const QString port = QStringLiteral("COM1");
        const QList<QStringList> expected{
            {port, ":P000????\\r", ":P000=0x0000\\r", "format 1"},
            {port, ":P000????\\r", ":P000=0x0000\\r", "format 1"},
            {port, ":P000????\\r", ":P000=0x0000\\r", "value 0000"},
            {port, ":P001????\\r", ":P001=0x0005\\r", "value 0005"},
            {port, ":P002????\\r", ":P002=0x0111\\r", "value 0111"},
            {port, ":P003????\\r", ":P003=0x0000\\r", "value 0000"},
            {port, ":P100????\\r", ":P100=0x0000\\r", "value 0000"},
        };
        QCOMPARE(steady, expected);
        QCOMPARE(rows.last()[2], QStringLiteral(":P120????\\r"));

        QTemporaryDir dir;
        f->dialogs.saveAnswers << dir.filePath("wire.log");
        TraceForm->btnExportTrace->click();
        QCOMPARE(f->dialogs.filters, QStringList{TTraceForm::kTraceFilter});
        QByteArray lines;
        for (const QStringList& row : rows)
            lines += row.join('\t').toUtf8() + '\n';
        QCOMPARE(FileBytes(dir.filePath("wire.log")), lines);

        // Closed, it builds no rows; opened again, it has caught up.
        TraceForm->close();
        f->ShowSheet(2);
        QCOMPARE(TraceForm->grdTrace->rowCount(), rows.size());
        MainForm->Trace1->trigger();
        const QList<QStringList> again = Rows();
        QCOMPARE(again.mid(0, rows.size()), rows);
        QCOMPARE(again.size(), rows.size() + 14); // Pn200–Pn213
        QCOMPARE(again.last()[2], QStringLiteral(":P213????\\r"));
    }
};

QTEST_MAIN(TestTraceWindow)
#include "test_trace_window.moc"
