// Two drive objects in one process, each made and used on a thread of its
// own against a virtual drive of its own, do what the window does with its
// drive — greet, read a sheet, an accepted edit written through, an edit the
// drive refuses left waiting, a revert, a save's reads — and neither sees
// anything of the other: not a request, not a value, not a change row.
#include "core/TarnError.h"
#include "drive/Drive.h"
#include "link/DriveProtocol.h"
#include "link/QtSerialDevice.h"
#include "support/DriveSim.h"

#include <QThread>
#include <QtTest>
#include <memory>

namespace {

// What one thread did with its drive.
struct DriveRun {
    QString device;
    QString edited;  // the value typed into Pn101
    QString refused; // the value typed into Pn102, which the drive rejects
    QString error;
    quint8 format = kFormatUndetermined;
    QString afterRead;  // Pn101 as the sheet read stored it
    bool refusedWaits = false;
    RevertOutcome revert;
    QList<ChangeRow> rows;
    ParameterValues saved;
    QString held101; // the drive's records after the revert
    quint8 pending102 = 0;

    void Run() {
        try {
            auto link = std::make_unique<DriveLink>(std::make_unique<QtSerialDevice>());
            link->Comm().SetDevicePath(device);
            link->Comm().SetPortOpen(true);
            Drive drive(std::move(link));
            format = drive.Greet();
            drive.ReadSheet(1);
            afterRead = drive.Values().PmStringSheet.Value(101);
            drive.Edit(*RecordOf(101), edited);
            drive.WriteThrough(1);
            drive.Edit(*RecordOf(102), refused);
            refusedWaits = drive.WriteThrough(1) == std::optional<quint16>(102);
            revert = drive.RevertRows({0}); // Pn101 back to what the sheet read gave
            rows = drive.Changes().Rows();
            held101 = drive.Values().PmStringSheet.Value(101);
            pending102 = drive.Values().PendingWrite.Flag(102);
            saved = drive.ReadAll([](int) {});
        } catch (const TarnError& e) {
            error = e.Text();
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        }
    }
};

} // namespace

class TwoDrivesTest : public QObject {
    Q_OBJECT

private slots:
    void twoDrivesOnTwoThreadsShareNothing() {
        DriveSim marked({"--format", "1", "--reject", "102"});
        DriveSim plain({"--format", "0", "--reject", "102"});
        QVERIFY2(marked.Start(), qPrintable(marked.Error()));
        QVERIFY2(plain.Start(), qPrintable(plain.Error()));
        QVERIFY(marked.Command("set 101 0064"));
        QVERIFY(plain.Command("set 101 00C8"));
        DriveRun runs[2];
        const QString devices[2] = {marked.Device(), plain.Device()};
        const char* typed[2][2] = {{"150", "7"}, {"250", "8"}};
        for (int i = 0; i < 2; ++i) {
            runs[i].device = devices[i];
            runs[i].edited = QString::fromLatin1(typed[i][0]);
            runs[i].refused = QString::fromLatin1(typed[i][1]);
        }

        std::unique_ptr<QThread> threads[2];
        for (int i = 0; i < 2; ++i) {
            threads[i].reset(QThread::create([&run = runs[i]] { run.Run(); }));
            threads[i]->start();
        }
        for (auto& thread : threads)
            QVERIFY(thread->wait(60000));

        DriveSim* sims[2] = {&marked, &plain};
        const QString before[2] = {"0064", "00C8"};
        const QString edited[2] = {"0096", "00FA"};
        const QString refused[2] = {"0007", "0008"};
        for (int i = 0; i < 2; ++i) {
            const DriveRun& run = runs[i];
            const quint8 format = i == 0 ? kFormatMarked : kFormatPlain;
            QVERIFY2(run.error.isEmpty(), qPrintable(run.error));
            QCOMPARE(run.format, format);
            QCOMPARE(run.afterRead, before[i]);
            QVERIFY(run.refusedWaits);
            QCOMPARE(run.pending102, quint8(1));
            QCOMPARE(run.revert.failed, std::nullopt);
            QCOMPARE(run.held101, before[i]);
            // Edit Pn101, edit Pn102 (refused, waiting), revert of Pn101.
            QCOMPARE(run.rows.size(), 3);
            QCOMPARE(run.rows[0].newText, edited[i]);
            QCOMPARE(run.rows[0].result, ChangeResult::Written);
            QCOMPARE(run.rows[1].newText, refused[i]);
            QCOMPARE(run.rows[1].result, ChangeResult::Failed);
            QCOMPARE(run.rows[2].newText, before[i]);
            QCOMPARE(run.rows[2].result, ChangeResult::Written);
            QCOMPARE(run.saved[SlotOf(101)], before[i]);
            QCOMPARE(sims[i]->State().value(101), before[i]);

            QList<QByteArray> expected{GreetingRequest()};
            for (quint16 n = 100; n <= 120; ++n)
                expected << ReadRequest(n);
            expected << WriteRequest(101, edited[i], format)
                     << WriteRequest(102, refused[i], format)
                     << WriteRequest(101, before[i], format);
            for (const SheetRange& range : kSheetRanges)
                for (int k = 0; k < range.count; ++k)
                    expected << ReadRequest(quint16(range.first + k));
            QCOMPARE(sims[i]->Requests(), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TwoDrivesTest)
#include "test_two_drives.moc"
