#include "ParameterFileSamples.h"
#include "core/TarnError.h"
#include "support/TestDrive.h"
#include "drive/DriveTransfer.h"
#include "support/LinkFixture.h"

#include <QTemporaryDir>
#include <QtTest>

// The save and load runs against a scripted port. Every exchange waits its
// full 40 or 50 ms, so each full run is done once and checked from several
// sides. The runs take their link; the program's records must stay as the
// test left them.
class TestDriveTransfer : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkFixture> f_;
    QList<int> progress_;

    ProgressCallback Recorder() {
        return [this](int percent) { progress_ << percent; };
    }

    // The echoing drive in `format`, except that `rejected` gets a wrong
    // echo and `silent` no answer at all.
    void RespondLike(quint8 format, int rejected = -1, int silent = -1) {
        f_->link.SetReplyFormat(format);
        if (rejected >= 0) {
            f_->faults.refused << quint16(rejected);
        }
        if (silent >= 0) {
            f_->faults.silentNumbers << quint16(silent);
        }
        f_->AnswerLikeADrive(format);
    }

private slots:
    void init() {
        f_ = std::make_unique<LinkFixture>();
        ResetParameterRecords();
        progress_.clear();
    }
    void cleanup() {
        TestDrive().SetLink(nullptr);
        f_.reset();
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
        const ParameterValues distinct = samples::DistinctValues();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            f_->values[NumberOfSlot(slot)] = distinct[slot];
        }
        f_->values[300] = "00ff";        // the drive's own letter case is kept
        f_->faults.silentNumbers << 100; // no answer: saved as the key alone
        f_->faults.unmarked << 101;      // unmarked in the marked format: "None"
        f_->AnswerLikeADrive(kFormatMarked);
        const ParameterValues before = PmStringSheet.Slots;
        ParameterValues seen;
        QList<quint16> order;
        const ValueCallback each = [&](quint16 number, const QString& value) {
            order << number;
            seen[SlotOf(number)] = value;
        };

        const ParameterValues values = ReadAllParameters(f_->link, Recorder(), each);

        QCOMPARE(f_->port->Writes().size(), kSlotCount);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            QCOMPARE(f_->port->Writes()[slot], ReadRequest(NumberOfSlot(slot)));
            QCOMPARE(order[slot], NumberOfSlot(slot));
        }
        ParameterValues expected = distinct;
        expected[SlotOf(100)] = "";
        expected[SlotOf(101)] = "None";
        expected[SlotOf(300)] = "00ff";
        QCOMPARE(values, expected);
        QCOMPARE(seen, expected);
        QCOMPARE(PmStringSheet.Slots, before);
        QCOMPARE(progress_, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 100}));
    }

    void saveStopsWhenThePortVanishes() {
        RespondLike(kFormatPlain);
        f_->values[2] = "1234";
        bool vanished = false;
        auto vanishAfterFirstSheet = [&](int percent) {
            progress_ << percent;
            f_->port->Vanish("hung up");
            vanished = true;
        };
        QMap<quint16, QString> kept;
        const ValueCallback keep = [&](quint16 number, const QString& value) {
            kept[number] = value;
        };
        QVERIFY_THROWS_EXCEPTION(ECommError,
                                 ReadAllParameters(f_->link, vanishAfterFirstSheet, keep));
        QVERIFY(vanished);
        QCOMPARE(progress_, QList<int>{10});
        // What was read before the loss reached the caller; nothing after it.
        QCOMPARE(kept.keys(), (QList<quint16>{0, 1, 2, 3}));
        QCOMPARE(kept.value(2), QString("1234"));
        QCOMPARE(f_->port->Writes().size(), 4);
    }

    // One full load: 307 exchanges at most, Pn900 and Pn901 never sent,
    // "None" and empty not sent, values sent as they are.
    void loadWritesEveryValueButPn900AndPn901() {
        RespondLike(kFormatPlain);
        ParameterValues values = samples::DistinctValues();
        values[SlotOf(0)] = "None";
        values[SlotOf(1)] = "";
        values[SlotOf(902)] = "00ff";

        const LoadResult result = WriteAllParameters(f_->link, values, Recorder());

        QVERIFY(result.complete);
        QList<QByteArray> expected;
        QList<quint16> confirmed;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const quint16 n = NumberOfSlot(slot);
            if (n != 900 && n != 901 && n != 0 && n != 1) {
                expected << WriteRequest(n, values[slot], kFormatPlain);
                confirmed << n;
            }
        }
        QCOMPARE(f_->port->Writes().size(), 305);
        QCOMPARE(f_->port->Writes(), expected);
        QCOMPARE(result.written, confirmed);
        QVERIFY(!f_->values.contains(900) && !f_->values.contains(901));
        QCOMPARE(f_->values.value(902), QString("00ff"));
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
        RespondLike(quint8(format), rejected, silent);

        const LoadResult result =
            WriteAllParameters(f_->link, samples::DistinctValues(), Recorder());

        QVERIFY(!result.complete);
        QVERIFY(!result.stopped);
        QCOMPARE(int(result.failedNumber), failedNumber);
        QCOMPARE(int(result.failure), failure);
        QCOMPARE(f_->port->Writes().size(), writes); // nothing after the failed one
        QCOMPARE(result.written.size(), qMax(0, writes - 1));
        if (writes > 0) {
            QVERIFY(f_->port->Writes().last().startsWith(AddressFrame(quint16(failedNumber))));
        }
        QCOMPARE(progress_, bars);
    }

    // A run stopped between exchanges, or kept to some numbers, sends only
    // what it may and says what the drive confirmed.
    void loadCanBeStoppedOrKeptToSomeNumbers_data() {
        QTest::addColumn<int>("stopAfter"); // writes before the stop; -1: never
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<QList<int>>("only");
        QTest::addColumn<QList<int>>("written");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("bars"); // progress reports
        QTest::newRow("stop after three")
            << 3 << false << QList<int>{} << QList<int>{0, 1, 2} << false << 0;
        QTest::newRow("stop before the first")
            << 0 << false << QList<int>{} << QList<int>{} << false << 0;
        QTest::newRow("some numbers, Pn900 never")
            << -1 << true << QList<int>{3, 101, 900, 987} << QList<int>{3, 101, 987} << true << 9;
        QTest::newRow("no numbers") << -1 << true << QList<int>{} << QList<int>{} << true << 9;
        QTest::newRow("some numbers, stopped")
            << 1 << true << QList<int>{3, 101, 987} << QList<int>{3} << false << 1;
    }
    void loadCanBeStoppedOrKeptToSomeNumbers() {
        QFETCH(int, stopAfter);
        QFETCH(bool, restricted);
        QFETCH(QList<int>, only);
        QFETCH(QList<int>, written);
        QFETCH(bool, complete);
        QFETCH(int, bars);
        RespondLike(kFormatPlain);
        WriteRunOptions options;
        if (stopAfter >= 0) {
            options.stopRequested = [&] { return f_->port->Writes().size() >= stopAfter; };
        }
        if (restricted) {
            options.only = QSet<quint16>();
            for (int n : only) {
                options.only->insert(quint16(n));
            }
        }
        const ParameterValues values = samples::DistinctValues();

        const LoadResult result = WriteAllParameters(f_->link, values, Recorder(), options);

        QList<quint16> expected;
        QList<QByteArray> requests;
        for (int n : written) {
            expected << quint16(n);
            requests << WriteRequest(quint16(n), values[SlotOf(quint16(n))], kFormatPlain);
        }
        QCOMPARE(result.written, expected);
        QCOMPARE(f_->port->Writes(), requests);
        QCOMPARE(result.complete, complete);
        QCOMPARE(result.stopped, !complete);
        QCOMPARE(progress_.size(), bars);
    }

    // A load that stops says what it wrote, whatever stopped it: a rejected
    // write, no answer, the port lost, a stop asked for; also when it
    // stopped before anything was written.
    void stoppedLoadNamesWhatItWrote_data() {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<int>("at"); // the parameter the run stops at
        QTest::addColumn<QString>("message");
        QTest::newRow("rejected")
            << "rejected" << 105
            << "載入已停止：Pn105 寫入失敗；已寫入 9 個參數（Pn000 ~ Pn104），驅動器其餘參數未變更";
        QTest::newRow("no answer")
            << "silent" << 105
            << "載入已停止：Pn105 沒有回應；已寫入 9 個參數（Pn000 ~ Pn104），驅動器其餘參數未變更";
        QTest::newRow("port lost")
            << "vanish" << 100
            << "載入已停止：Pn100 寫入時連線中斷：/dev/ttyS0 (COM1) was lost (unplugged or hung "
               "up): hung up；已寫入 4 個參數（Pn000 ~ Pn003），驅動器其餘參數未變更";
        QTest::newRow("stop asked")
            << "stop" << 105
            << "載入已停止：已中斷；已寫入 9 個參數（Pn000 ~ Pn104），驅動器其餘參數未變更";
        QTest::newRow("one written")
            << "rejected" << 1
            << "載入已停止：Pn001 寫入失敗；已寫入 1 個參數（Pn000），驅動器其餘參數未變更";
        QTest::newRow("none written")
            << "silent" << 0 << "載入已停止：Pn000 沒有回應；沒有寫入任何參數，驅動器參數未變更";
    }

    void stoppedLoadNamesWhatItWrote() {
        QFETCH(QString, cause);
        QFETCH(int, at);
        QFETCH(QString, message);
        RespondLike(kFormatMarked, cause == "rejected" ? at : -1, cause == "silent" ? at : -1);
        WriteRunOptions options;
        int writes = 0;
        const int before = SlotOf(quint16(at));
        options.stopRequested = [&] { return cause == "stop" && writes++ == before; };
        const ProgressCallback progress = [&](int) {
            if (cause == "vanish")
                f_->port->Vanish("hung up");
        };
        const LoadResult result =
            WriteAllParameters(f_->link, samples::DistinctValues(), progress, options);
        QCOMPARE(result.complete, false);
        QCOMPARE(result.written.size(), before);
        QCOMPARE(LoadStoppedMessage(result), message);
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

    // A reply cut short behind noise, or with a garbled digit, gives no
    // value: the save names it and the file it writes loads back.
    void cutAndGarbledRepliesAreNamedAndTheFileLoads() {
        LinkSettings quick; // the replies come at once: no need to wait long
        quick.readWaitMs = 3;
        f_ = std::make_unique<LinkFixture>(kFormatMarked, quick);
        const auto drive = FakeSerialDevice::EchoingDrive(kFormatMarked, &f_->values);
        f_->port->SetResponder(
            [drive](const QByteArray& request) -> QByteArray {
                if (request.startsWith(":P100")) {
                    return "#~%:P100=0x0";
                }
                if (request.startsWith(":P101")) {
                    return ":P101=0x0G64\r";
                }
                return drive(request);
            },
            0);

        const ParameterValues values = ReadAllParameters(f_->link, [](int) {});

        QCOMPARE(values[SlotOf(100)], QStringLiteral("None"));
        QCOMPARE(values[SlotOf(101)], QStringLiteral("None"));
        QCOMPARE(values[SlotOf(102)], QStringLiteral("0000"));
        const QList<quint16> gaps = ParametersWithoutValue(values);
        QCOMPARE(gaps, (QList<quint16>{100, 101}));
        QCOMPARE(SaveGapsMessage(gaps),
                 QStringLiteral("檔案已儲存，但下列參數沒有讀到數值：Pn100、Pn101"));
        QTemporaryDir dir;
        const QString path = dir.filePath("cut.tarn");
        WriteParameterFile(path, values);
        QCOMPARE(ReadParameterFile(path), values);
    }

    // Whatever text a value holds, the save writes a file the load takes,
    // and names the parameter.
    void textsAFileCannotHoldAreSavedAsNone() {
        ParameterValues values;
        values.fill(QStringLiteral("0000"));
        values[SlotOf(100)] = QStringLiteral("0");
        values[SlotOf(101)] = QStringLiteral("FFFFFFFB");
        values[SlotOf(102)] = QStringLiteral("00 1");
        QCOMPARE(ParametersWithoutValue(values), (QList<quint16>{100, 101, 102}));
        QTemporaryDir dir;
        const QString path = dir.filePath("odd.tarn");
        WriteParameterFile(path, values);
        const ParameterValues loaded = ReadParameterFile(path);
        for (quint16 n : {100, 101, 102}) {
            QCOMPARE(loaded[SlotOf(n)], QStringLiteral("None"));
        }
        QCOMPARE(loaded[SlotOf(103)], QStringLiteral("0000"));
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
