#include "files/ParameterFileSamples.h"
#include "app/Startup.h"
#include "app/TMainForm.h"
#include "app/TOpenPmForm.h"
#include "app/TSavePmForm.h"
#include "app/TTabControl.h"
#include "support/TestDrive.h"
#include "link/DriveProtocol.h"
#include "app/connect/MainLink.h"
#include "link/TMSComm.h"
#include "support/FakeSerialDevice.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What a progress window showed when the drive saw one request.
struct Seen {
    bool visible;
    int bar;
};

} // namespace

// The save and load menu commands with their windows, against a scripted
// port. Everything reaches them through the menu actions, so errors pass
// the top-level handler and end up in the dialogs as message boxes.
class TestFilesUi : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedDialogs> dialogs_;
    FakeSerialDevice* fake_ = nullptr;
    QMap<quint16, QString> drive_;
    QTemporaryDir dir_;

    ParameterValues Marked() {
        ParameterValues values;
        values.fill("BEEF");
        return values;
    }

private slots:
    void init() {
        dialogs_ = std::make_unique<ScriptedDialogs>();
        auto device = std::make_unique<FakeSerialDevice>();
        fake_ = device.get();
        CreateWindows(std::move(device));
        MainForm->MSComm1->SetPortOpen(true);
        ReplyFormat = kFormatPlain;
        drive_.clear();
        fake_->SetResponder(FakeSerialDevice::EchoingDrive(kFormatPlain, &drive_));
        ResetParameterRecords();
        PmStringSheet.Slots = Marked();
        MainForm->ParaTabControl->show();
    }

    void cleanup() {
        DestroyWindows();
        dialogs_.reset();
    }

    void refusedFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fragment");
        for (const samples::Damaged& d : samples::DamagedFiles()) {
            QTest::newRow(d.name) << d.bytes << QStringLiteral("第 %1 行：").arg(d.line);
        }
        QTest::newRow("missing file") << QByteArray() << QStringLiteral("無法開啟");
    }
    void refusedFileChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fragment);
        const QString path = dir_.filePath(QTest::currentDataTag() + QStringLiteral(".tarn"));
        if (fragment != QStringLiteral("無法開啟")) {
            QVERIFY(PutFile(path, bytes));
        }
        dialogs_->openAnswers << path;

        MainForm->Open2->trigger();

        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY2(dialogs_->messages[0].contains(path), qPrintable(dialogs_->messages[0]));
        QVERIFY2(dialogs_->messages[0].contains(fragment), qPrintable(dialogs_->messages[0]));
        QCOMPARE(PmStringSheet.Slots, Marked());
        QVERIFY(fake_->Writes().isEmpty());
        QVERIFY(!OpenPmForm->isVisible());
        QVERIFY(!MainForm->ParaTabControl->isVisible());
    }

    void cancelledOpenDoesNothing() {
        MainForm->Open2->trigger();
        QCOMPARE(dialogs_->openAsked, 1);
        QCOMPARE(dialogs_->filters, QStringList{TMainForm::kFileFilter});
        QVERIFY(dialogs_->messages.isEmpty());
        QVERIFY(fake_->Writes().isEmpty());
        QCOMPARE(PmStringSheet.Slots, Marked());
        QVERIFY(!MainForm->ParaTabControl->isVisible());
    }

    // Values outside their rule: one question lists them; 否 sends and
    // stores nothing, 是 loads all; a file within every rule asks nothing.
    void outsideValuesAreAskedAbout_data() {
        QTest::addColumn<bool>("outside");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("否") << true << QList<bool>{false} << false;
        QTest::newRow("是") << true << QList<bool>{true} << true;
        QTest::newRow("all within") << false << QList<bool>{} << true;
    }
    void outsideValuesAreAskedAbout() {
        QFETCH(bool, outside);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, loaded);
        ParameterValues values;
        values.fill(QStringLiteral("None"));
        values[SlotOf(904)] = "0BB8";
        values[SlotOf(100)] = outside ? "7530" : "01F4";
        values[SlotOf(304)] = outside ? "F060" : "F830"; // -4000, -2000 against ±3000
        const QString path = dir_.filePath("rule.tarn");
        QVERIFY(PutFile(path, ParameterFileBytes(values)));
        dialogs_->openAnswers << path;
        dialogs_->yesNoAnswers = answers;

        MainForm->Open2->trigger();

        QCOMPARE(dialogs_->questions,
                 outside ? QStringList{"以下參數超出允許範圍：\nPn100 30000（1 ~ 20000）\n"
                                       "Pn304 -4000（-3000 ~ 3000）\n仍要寫入嗎？"}
                         : QStringList{});
        QCOMPARE(dialogs_->messages, loaded ? QStringList{"請重開驅動器"} : QStringList{});
        QCOMPARE(fake_->Writes().size(), loaded ? 3 : 0);
        QCOMPARE(PmStringSheet.Slots, loaded ? values : Marked());
    }

    void stoppedLoadIsTold_data() {
        QTest::addColumn<int>("failing");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("writes");
        QTest::addColumn<QString>("message");
        QTest::newRow("drive rejects Pn101")
            << 101 << false << 6
            << "載入已停止：Pn101 寫入失敗；已寫入 5 個參數（Pn000 ~ Pn100），驅動器其餘參數未變更";
        QTest::newRow("drive silent at Pn000")
            << 0 << true << 1 << "載入已停止：Pn000 沒有回應；沒有寫入任何參數，驅動器參數未變更";
    }
    void stoppedLoadIsTold() {
        QFETCH(int, failing);
        QFETCH(bool, silent);
        QFETCH(int, writes);
        QFETCH(QString, message);
        const ParameterValues values = samples::DistinctValues();
        const QString path = dir_.filePath("stop.tarn");
        QVERIFY(PutFile(path, ParameterFileBytes(values)));
        dialogs_->openAnswers << path;
        dialogs_->yesNoAnswers << true; // the distinct values break many rules
        QList<Seen> seen;
        auto echo = FakeSerialDevice::EchoingDrive(kFormatPlain, &drive_);
        fake_->SetResponder([&](const QByteArray& request) -> QByteArray {
            seen << Seen{OpenPmForm->isVisible(), OpenPmForm->ProgressBar1->value()};
            if (request.startsWith(AddressFrame(quint16(failing)))) {
                return silent ? QByteArray() : AddressFrame(quint16(failing)) + "FFFF\r";
            }
            return echo(request);
        });

        MainForm->Open2->trigger();

        // The stop is told, and the drive is not asked to restart.
        QCOMPARE(dialogs_->questions.size(), 1);
        QCOMPARE(dialogs_->messages, QStringList{message}); // no restart request
        QCOMPARE(fake_->Writes().size(), writes);
        QCOMPARE(PmStringSheet.Slots, values); // stored whole before the first write
        QVERIFY(!OpenPmForm->isVisible());
        QCOMPARE(seen.size(), writes);
        for (int i = 0; i < seen.size(); ++i) {
            QVERIFY(seen[i].visible);
            QCOMPARE(seen[i].bar, i < 4 ? 0 : 10);
        }
    }

    // One full save (about 12 s of waits), cancelled at the dialog.
    void cancelledSaveKeepsTheValuesAndWritesNoFile() {
        const ParameterValues distinct = samples::DistinctValues();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            drive_[NumberOfSlot(slot)] = distinct[slot];
        }
        QList<Seen> seen;
        auto echo = FakeSerialDevice::EchoingDrive(kFormatPlain, &drive_);
        fake_->SetResponder([&](const QByteArray& request) {
            seen << Seen{SavePmForm->isVisible(), SavePmForm->ProgressBar1->value()};
            return echo(request);
        });
        QDir folder(dir_.filePath("cancel"));
        QVERIFY(folder.mkpath("."));

        MainForm->Save2->trigger();

        QCOMPARE(dialogs_->saveAsked, 1);
        QCOMPARE(dialogs_->filters, QStringList{TMainForm::kFileFilter});
        QVERIFY(dialogs_->messages.isEmpty());
        QVERIFY(folder.isEmpty());
        QCOMPARE(PmStringSheet.Slots, distinct);
        QVERIFY(!SavePmForm->isVisible());
        QCOMPARE(SavePmForm->ProgressBar1->value(), 100);
        QVERIFY(!MainForm->ParaTabControl->isVisible());
        QCOMPARE(seen.size(), kSlotCount);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const int sheet = NumberOfSlot(slot) / 100;
            QVERIFY(seen[slot].visible);
            QCOMPARE(seen[slot].bar, sheet == 0 ? 0 : (sheet == 9 ? 80 : sheet * 10));
        }
    }

    // The first line names the file, the second says why.
    void saveToAMissingFolderSaysWhy() {
        const QString path = dir_.filePath("no-such-folder/x.tarn");
        dialogs_->saveAnswers << path;
        MainForm->Save2->trigger();
        QCOMPARE(dialogs_->messages, QStringList{"Cannot create file " + path + "\n資料夾不存在"});
    }

    void failedFileWriteIsShownAndKeepsTheOld() {
        // The reads are cut short by a port that vanishes after sheet 0; the
        // dialog is never reached and the old file stays.
        const QString path = dir_.filePath("old.tarn");
        QVERIFY(PutFile(path, "old\r\n"));
        dialogs_->saveAnswers << path;
        int requests = 0;
        fake_->SetResponder([&](const QByteArray& request) -> QByteArray {
            if (++requests == 4) {
                fake_->Vanish("hung up");
            }
            return request;
        });

        MainForm->Save2->trigger();

        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY2(dialogs_->messages[0].contains("hung up"), qPrintable(dialogs_->messages[0]));
        QCOMPARE(dialogs_->saveAsked, 0);
        QVERIFY(!SavePmForm->isVisible());
        QCOMPARE(FileBytes(path), QByteArray("old\r\n"));
        // What was read before the loss stays stored (a request for a reply
        // is no value: None); what came after keeps its old text.
        QCOMPARE(PmStringSheet.Value(2), QStringLiteral("None"));
        QCOMPARE(PmStringSheet.Value(3), QStringLiteral("BEEF"));
    }
};

QTEST_MAIN(TestFilesUi)
#include "test_files_ui.moc"
