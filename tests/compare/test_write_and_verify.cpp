#include "drive/WriteAndVerify.h"
#include "support/LinkFixture.h"

#include <QtTest>

// Writes with read-backs against a scripted drive. Each exchange waits its
// full 40 or 50 ms, so the runs are short.
class TestWriteAndVerify : public QObject {
    Q_OBJECT

    // A drive in `format` that answers as the fixture's faults say, and
    // echoes writes of `kept` exactly without storing them.
    static void AnswerKeeping(LinkFixture& f, quint8 format, const QList<int>& kept) {
        auto drive = FakeSerialDevice::EchoingDrive(format, &f.values, &f.faults);
        f.port->SetResponder([=](const QByteArray& request) -> QByteArray {
            const bool write = !request.contains("????");
            return write && kept.contains(request.mid(2, 3).toInt()) ? request : drive(request);
        });
    }

    static std::vector<ValueToWrite> Values(const QList<QPair<int, QString>>& values) {
        std::vector<ValueToWrite> list;
        for (const auto& v : values)
            list.push_back({quint16(v.first), v.second});
        return list;
    }

    static QStringList Texts(const VerifyResult& result) {
        QStringList texts;
        for (const VerifiedWrite& w : result.writes)
            texts << PnName(w.number) + ' ' + VerifyOutcomeText(w);
        return texts;
    }

private slots:
    // Every write goes, then every read-back, in the order given; each is
    // judged on its own.
    void writesThenReadBacksEachJudged_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("plain") << int(kFormatPlain);
        QTest::newRow("marked") << int(kFormatMarked);
    }
    void writesThenReadBacksEachJudged() {
        QFETCH(int, format);
        LinkFixture f{quint8(format)};
        f.faults.refused = {101};
        f.faults.silentNumbers = {102};
        AnswerKeeping(f, quint8(format), {103, 104});
        f.values[103] = "0001";
        f.values[104] = "00AB";
        const auto values = Values({{0, "0010"},
                                    {101, "0064"},
                                    {102, "0064"},
                                    {103, "0064"},
                                    {104, "00ab"},
                                    {950, "1234"}});
        QList<int> bars;

        const VerifyResult result =
            WriteAndVerify(f.link, values, [&](int percent) { bars << percent; });

        QList<QByteArray> expected;
        for (const ValueToWrite& v : values)
            expected << WriteRequest(v.number, v.valueText, quint8(format));
        for (const ValueToWrite& v : values)
            expected << ReadRequest(v.number);
        QCOMPARE(f.port->Writes(), expected);
        QCOMPARE(Texts(result),
                 (QStringList{"Pn000 已寫入", "Pn101 寫入失敗", "Pn102 寫入失敗",
                              "Pn103 讀回不符：0001", "Pn104 已寫入", "Pn950 已寫入"}));
        QCOMPARE(result.writes[1].readBack, QStringLiteral("0000")); // read back all the same
        QCOMPARE(result.writes[2].readBack, QString());
        const LoadResult asLoad = AsLoadResult(result);
        QCOMPARE(asLoad.written, (QList<quint16>{0, 104, 950}));
        QVERIFY(!asLoad.complete && asLoad.failedNumber == 101);
        QCOMPARE(bars.size(), 12);
        QCOMPARE(bars.last(), 100);
        QVERIFY(!result.stopped);
    }

    // A stop asked for between exchanges sends nothing more: the writes not
    // reached are not run, those written but not read back are unverified.
    void stopEndsTheRunBetweenExchanges() {
        const auto f = LinkFixture::Drive(kFormatMarked);
        int asked = 0;
        const VerifyResult result =
            WriteAndVerify(f->link, Values({{100, "0064"}, {101, "0064"}, {102, "0064"}}), {},
                           [&] { return ++asked > 4; });
        QVERIFY(result.stopped);
        QCOMPARE(f->port->Writes().size(), 4);
        QCOMPARE(Texts(result), (QStringList{"Pn100 已寫入", "Pn101 未讀回", "Pn102 未讀回"}));
        QCOMPARE(result.writes[2].write, WriteOutcome::Written);
    }

    void summaryCountsAndAsksForARestart_data() {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QList<int>>("outcomes");
        QTest::addColumn<QString>("summary");
        const int confirmed = int(VerifyOutcome::Confirmed);
        const int failed = int(VerifyOutcome::WriteFailed);
        const int differs = int(VerifyOutcome::ReadBackDiffers);
        QTest::newRow("takes effect at once") << QList<int>{2, 100} << QList<int>{confirmed, failed}
                                              << QStringLiteral("已寫入並確認 1 個，寫入失敗 1 個");
        QTest::newRow("Pn001 after a restart")
            << QList<int>{1, 2} << QList<int>{confirmed, differs}
            << QStringLiteral("已寫入並確認 1 個，寫入失敗 0 個，讀回不符 1 個\n請重開驅動器");
        QTest::newRow("a failed restart parameter needs none")
            << QList<int>{1} << QList<int>{failed}
            << QStringLiteral("已寫入並確認 0 個，寫入失敗 1 個");
    }
    void summaryCountsAndAsksForARestart() {
        QFETCH(QList<int>, numbers);
        QFETCH(QList<int>, outcomes);
        QFETCH(QString, summary);
        VerifyResult result;
        for (int i = 0; i < numbers.size(); ++i) {
            VerifiedWrite w;
            w.number = quint16(numbers[i]);
            w.outcome = VerifyOutcome(outcomes[i]);
            result.writes.push_back(w);
        }
        QCOMPARE(VerifySummary(result), summary);
    }
};

QTEST_GUILESS_MAIN(TestWriteAndVerify)
#include "test_write_and_verify.moc"
