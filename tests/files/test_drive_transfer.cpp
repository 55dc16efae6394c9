#include "ParameterFileSamples.h"
#include "core/TarnError.h"
#include "catalogue/ParameterRecords.h"
#include "files/DriveTransfer.h"
#include "link/DriveLink.h"
#include "link/DriveProtocol.h"
#include "link/TMSComm.h"
#include "support/FakeSerialDevice.h"

#include <QtTest>

// The save and load runs against a scripted port. Every exchange waits its
// full 40 or 50 ms, so each full run is done once and checked from several
// sides.
class TestDriveTransfer : public QObject {
    Q_OBJECT

    FakeSerialDevice* fake_ = nullptr;
    std::unique_ptr<TMSComm> comm_;
    QMap<quint16, QString> drive_;
    QList<int> progress_;

    ProgressCallback Recorder() {
        return [this](int percent) { progress_ << percent; };
    }

    // The echoing drive, except that `rejected` gets a wrong echo and
    // `silent` no answer at all.
    void RespondLike(quint8 format, int rejected = -1, int silent = -1) {
        auto echo = FakeSerialDevice::EchoingDrive(format, &drive_);
        fake_->SetResponder([=](const QByteArray& request) -> QByteArray {
            const int number = request.mid(2, 3).toInt();
            if (number == silent) {
                return {};
            }
            if (number == rejected && !request.contains("????")) {
                return AddressFrame(quint16(number)) + "FFFF\r";
            }
            return echo(request);
        });
    }

private slots:
    void init() {
        auto device = std::make_unique<FakeSerialDevice>();
        fake_ = device.get();
        comm_ = std::make_unique<TMSComm>(std::move(device));
        comm_->SetPortOpen(true);
        SetDriveComm(comm_.get());
        ResetParameterRecords();
        drive_.clear();
        progress_.clear();
    }

    void progressAfterEachSheet() {
        QList<int> bars;
        for (const SheetRange& r : kSheetRanges) {
            bars << ProgressAfterSheet(r.sheetIndex);
        }
        QCOMPARE(bars, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 100}));
    }

    // One full save: order, values, what is stored, progress.
    void saveReadsEachParameterOnceInFileOrder() {
        ReplyFormat = kFormatMarked;
        const ParameterValues distinct = samples::DistinctValues();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            drive_[NumberOfSlot(slot)] = distinct[slot];
        }
        drive_[300] = "00ff"; // the drive's own letter case is kept
        auto echo = FakeSerialDevice::EchoingDrive(kFormatMarked, &drive_);
        fake_->SetResponder([=](const QByteArray& request) -> QByteArray {
            if (request.startsWith(":P100")) {
                return {}; // no answer: saved as the key alone
            }
            if (request.startsWith(":P101")) {
                return ":P1010064\r"; // unmarked in the marked format: "None"
            }
            return echo(request);
        });

        const ParameterValues values = ReadAllParameters(Recorder());

        QCOMPARE(fake_->Writes().size(), kSlotCount);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            QCOMPARE(fake_->Writes()[slot], ReadRequest(NumberOfSlot(slot)));
        }
        ParameterValues expected = distinct;
        expected[SlotOf(100)] = "";
        expected[SlotOf(101)] = "None";
        expected[SlotOf(300)] = "00ff";
        QCOMPARE(values, expected);
        QCOMPARE(PmStringSheet.Slots, expected);
        QCOMPARE(progress_, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 100}));
    }

    void saveStopsWhenThePortVanishes() {
        ReplyFormat = kFormatPlain;
        RespondLike(kFormatPlain);
        drive_[2] = "1234";
        bool vanished = false;
        auto vanishAfterFirstSheet = [&](int percent) {
            progress_ << percent;
            fake_->Vanish("hung up");
            vanished = true;
        };
        QVERIFY_THROWS_EXCEPTION(ECommError, ReadAllParameters(vanishAfterFirstSheet));
        QVERIFY(vanished);
        QCOMPARE(progress_, QList<int>{10});
        QCOMPARE(PmStringSheet.Value(2), QString("1234")); // read before the loss: kept
        QCOMPARE(PmStringSheet.Value(100), QString());
        QCOMPARE(fake_->Writes().size(), 4);
    }

    // One full load: 307 exchanges at most, Pn900 and Pn901 never sent,
    // "None" and empty not sent, values sent as they are.
    void loadWritesEveryValueButPn900AndPn901() {
        ReplyFormat = kFormatPlain;
        RespondLike(kFormatPlain);
        ParameterValues values = samples::DistinctValues();
        values[SlotOf(0)] = "None";
        values[SlotOf(1)] = "";
        values[SlotOf(902)] = "00ff";

        const LoadResult result = WriteAllParameters(values, Recorder());

        QVERIFY(result.complete);
        QList<QByteArray> expected;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const quint16 n = NumberOfSlot(slot);
            if (n != 900 && n != 901 && n != 0 && n != 1) {
                expected << WriteRequest(n, values[slot], kFormatPlain);
            }
        }
        QCOMPARE(fake_->Writes().size(), 305);
        QCOMPARE(fake_->Writes(), expected);
        QVERIFY(!drive_.contains(900) && !drive_.contains(901));
        QCOMPARE(drive_.value(902), QString("00ff"));
        QCOMPARE(progress_, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 100}));
    }

    void loadStopsAtTheFirstFailedWrite_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rejected");
        QTest::addColumn<int>("silent");
        QTest::addColumn<int>("failedNumber");
        QTest::addColumn<int>("failure");
        QTest::addColumn<int>("writes");
        QTest::addColumn<QList<int>>("bars");
        QTest::newRow("echo differs at Pn101")
            << int(kFormatPlain) << 101 << -1 << 101 << int(WriteOutcome::EchoDiffers) << 6
            << QList<int>{10};
        QTest::newRow("marked echo differs at Pn000")
            << int(kFormatMarked) << 0 << -1 << 0 << int(WriteOutcome::EchoDiffers) << 1
            << QList<int>{};
        QTest::newRow("silent at Pn203") << int(kFormatPlain) << -1 << 203 << 203
                                         << int(WriteOutcome::NoAnswer) << 29 << QList<int>{10, 20};
        QTest::newRow("no greeting answered")
            << int(kFormatUndetermined) << -1 << -1 << 0 << int(WriteOutcome::Undetermined) << 0
            << QList<int>{};
    }
    void loadStopsAtTheFirstFailedWrite() {
        QFETCH(int, format);
        QFETCH(int, rejected);
        QFETCH(int, silent);
        QFETCH(int, failedNumber);
        QFETCH(int, failure);
        QFETCH(int, writes);
        QFETCH(QList<int>, bars);
        ReplyFormat = quint8(format);
        RespondLike(quint8(format), rejected, silent);

        const LoadResult result = WriteAllParameters(samples::DistinctValues(), Recorder());

        QVERIFY(!result.complete);
        QCOMPARE(int(result.failedNumber), failedNumber);
        QCOMPARE(int(result.failure), failure);
        QCOMPARE(fake_->Writes().size(), writes); // nothing after the failed one
        if (writes > 0) {
            QVERIFY(fake_->Writes().last().startsWith(AddressFrame(quint16(failedNumber))));
        }
        QCOMPARE(progress_, bars);
    }

    void stopMessageNamesTheParameter() {
        QCOMPARE(LoadStoppedMessage(101), QStringLiteral("Pn101 寫入失敗，載入已停止"));
        QCOMPARE(LoadStoppedMessage(5), QStringLiteral("Pn005 寫入失敗，載入已停止"));
    }

    // Which values count as gaps, and what the save says about them.
    void saveGapsAreNamed_data() {
        QTest::addColumn<QList<int>>("emptySlots");
        QTest::addColumn<QList<int>>("noneSlots");
        QTest::addColumn<QString>("message");
        QTest::newRow("none") << QList<int>{} << QList<int>{} << QString();
        QTest::newRow("one empty, one None")
            << QList<int>{0} << QList<int>{308}
            << QStringLiteral("檔案已儲存，但下列參數沒有讀到數值：Pn000、Pn987");
        QTest::newRow("nine") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << QList<int>{}
                              << QStringLiteral("檔案已儲存，但下列參數沒有讀到數值：Pn001、Pn002、"
                                                "Pn003、Pn100、Pn101、Pn102、Pn103、Pn104…（共 9 個）");
    }
    void saveGapsAreNamed() {
        QFETCH(QList<int>, emptySlots);
        QFETCH(QList<int>, noneSlots);
        QFETCH(QString, message);
        ParameterValues values;
        values.fill(QStringLiteral("0000"));
        for (int slot : emptySlots)
            values[slot].clear();
        for (int slot : noneSlots)
            values[slot] = QStringLiteral("None");
        const QList<quint16> gaps = ParametersWithoutValue(values);
        QCOMPARE(gaps.size(), emptySlots.size() + noneSlots.size());
        QCOMPARE(SaveGapsMessage(gaps), message);
        QVERIFY(!NothingAnswered(gaps));
    }

    void driveThatGaveNothingIsNotSaved() {
        ParameterValues values;
        values.fill(QStringLiteral("None"));
        values[5].clear();
        QVERIFY(NothingAnswered(ParametersWithoutValue(values)));
        values[5] = QStringLiteral("0000");
        QVERIFY(!NothingAnswered(ParametersWithoutValue(values)));
    }
};

QTEST_GUILESS_MAIN(TestDriveTransfer)
#include "test_drive_transfer.moc"
