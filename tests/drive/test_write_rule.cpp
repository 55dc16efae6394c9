// One write rule on every path that writes: the same value gets the same
// verdict whether it goes by an edit, a load (full or changed values only),
// the comparison window's write or a revert, each run through a drive
// object over a port that answers like a drive. tarnctl's own paths are
// run as a process in test_tarnctl.
#include "catalogue/ParameterRecord.h"
#include "compare/Comparison.h"
#include "drive/Drive.h"
#include "drive/WriteRule.h"
#include "support/LinkFixture.h"
#include "values/ValueText.h"

#include <QtTest>

namespace {

constexpr auto kDrivePn904 = "0BB8"; // 3000 RPM

// A file that sends only Pn904 and `number`; every other value "None".
ParameterValues FileOf(quint16 number, const QString& value, const QString& pn904) {
    ParameterValues file;
    file.fill(QStringLiteral("None"));
    file[SlotOf(kPn904)] = pn904;
    file[SlotOf(number)] = value;
    return file;
}

// Waits that end with the reply: the verdicts do not depend on the pace.
LinkSettings QuickReplies() {
    LinkSettings settings;
    settings.timing = LinkSettings::Timing::Reply;
    return settings;
}

struct Bench {
    std::unique_ptr<LinkFixture> fixture =
        std::make_unique<LinkFixture>(kFormatMarked, QuickReplies());
    Drive drive;
    ParameterValues read; // what a read of the whole drive gives
    Bench(quint16 number, const QString& held, const QString& pn904)
        : read(FileOf(number, held, pn904)) {
        fixture->AnswerLikeADrive(kFormatMarked);
        fixture->values[kPn904] = pn904;
        fixture->values[number] = held;
        fixture->GiveTo(drive);
    }
    QString Held(quint16 number) const { return fixture->values.value(number); }
};

// The value a neighbour of the case's parameter may take, inside its rule.
QString OtherValue(quint16 number) {
    return number == 100   ? QStringLiteral("0258")
           : number == 304 ? QStringLiteral("000A")
                           : QStringLiteral("0001");
}

// Each path: true when the drive ends holding `value` for `number` after
// a run whose Pn904 becomes `pn904`.
bool ByEdit(quint16 number, const QString& value, const QString& pn904) {
    Bench b(number, OtherValue(number), pn904);
    const ParameterRecord& record = *RecordOf(number);
    const int sheet = number / 100;
    b.drive.ReadSheet(sheet); // the grid shows the sheet, with Pn904's bounds
    b.drive.Edit(record, DisplayOrRaw(record.form, value));
    b.drive.WriteThrough(sheet);
    return ValuesEqual(b.Held(number), value);
}

bool ByLoad(quint16 number, const QString& value, const QString& pn904) {
    Bench b(number, OtherValue(number), kDrivePn904);
    b.drive.Load(FileOf(number, value, pn904), [](int) {});
    return ValuesEqual(b.Held(number), value);
}

bool ByChangedOnly(quint16 number, const QString& value, const QString& pn904) {
    Bench b(number, OtherValue(number), kDrivePn904);
    const ParameterValues file = FileOf(number, value, pn904);
    WriteRunOptions options;
    options.only = QSet<quint16>();
    for (const CompareRow& row : CompareValues(b.read, file))
        if (row.writable)
            options.only->insert(row.number);
    b.drive.Load(
        file, [](int) {}, options);
    return ValuesEqual(b.Held(number), value);
}

bool ByComparisonWrite(quint16 number, const QString& value, const QString& pn904) {
    Bench b(number, OtherValue(number), kDrivePn904);
    std::vector<ValueToWrite> ticked;
    for (const CompareRow& row : CompareValues(b.read, FileOf(number, value, pn904)))
        if (row.ticked)
            ticked.push_back({row.number, row.fileText});
    b.drive.WriteAndVerify(ticked, [](int) {});
    return ValuesEqual(b.Held(number), value);
}

bool ByRevert(quint16 number, const QString& value, const QString& pn904) {
    // The drive held the value (with that Pn904) before an edit changed it.
    Bench b(number, value, pn904);
    const ParameterRecord& record = *RecordOf(number);
    b.drive.ReadSheet(number / 100);
    b.drive.Edit(record, DisplayOrRaw(record.form, OtherValue(number)));
    b.drive.WriteThrough(number / 100);
    b.drive.RevertAll();
    return ValuesEqual(b.Held(number), value);
}

} // namespace

class WriteRuleTest : public QObject {
    Q_OBJECT

private slots:
    void everyPathGivesTheSameVerdict_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("pn904"); // Pn904 once the run is done
        QTest::addColumn<bool>("written");
        QTest::newRow("in range") << 100 << "01F4" << kDrivePn904 << true;
        QTest::newRow("out of range") << 100 << "7530" << kDrivePn904 << false;
        // 4000 RPM: outside ±3000, inside the ±5000 the same run sets.
        QTest::newRow("Pn304, Pn904 raised") << 304 << "0FA0"
                                             << "1388" << true;
        QTest::newRow("Pn304, Pn904 kept") << 304 << "0FA0" << kDrivePn904 << false;
        QTest::newRow("Pn304, Pn904 lowered") << 304 << "0064"
                                              << "0032" << false;
    }

    void everyPathGivesTheSameVerdict() {
        QFETCH(int, number);
        QFETCH(QString, value);
        QFETCH(QString, pn904);
        QFETCH(bool, written);
        const quint16 n = quint16(number);
        QCOMPARE(ByLoad(n, value, pn904), written);
        QCOMPARE(ByChangedOnly(n, value, pn904), written);
        QCOMPARE(ByComparisonWrite(n, value, pn904), written);
        QCOMPARE(ByRevert(n, value, pn904), written);
        // An edit writes one value; the Pn904 it is judged by is the one
        // the drive holds by then.
        QCOMPARE(ByEdit(n, value, pn904), written);
    }

    // Pn9xx without a rule goes as it is on the paths that send it (the
    // grid offers no edit of it, and a revert only follows an edit).
    void aParameterWithoutARuleGoesAsItIs() {
        QCOMPARE(ByLoad(902, "1234", kDrivePn904), true);
        QCOMPARE(ByChangedOnly(902, "1234", kDrivePn904), true);
        QCOMPARE(ByComparisonWrite(902, "1234", kDrivePn904), true);
    }

    // What the drive object tells of values outside their rule, and the
    // question 載入檔案 asks with it.
    void valuesOutsideTheirRuleAreListed() {
        Bench b(100, "0001", kDrivePn904);
        ParameterValues file = FileOf(100, "7530", "1388");
        file[SlotOf(304)] = "FFFF"; // -1: inside
        file[SlotOf(305)] = "EC78"; // -5000: inside ±5000
        file[SlotOf(306)] = "EC77"; // -5001
        file[SlotOf(900)] = "FFFF"; // never sent
        file[SlotOf(902)] = "FFFF"; // no rule
        const std::vector<RuleBreak> outside = b.drive.OutsideRule(LoadWrites(file));
        QCOMPARE(RuleBreakLines(outside),
                 (QStringList{"Pn100 30000（1 ~ 20000）", "Pn306 -5001（-5000 ~ 5000）"}));
        QCOMPARE(OutsideRuleQuestion(outside),
                 QStringLiteral("以下參數超出允許範圍：\nPn100 30000（1 ~ 20000）\n"
                                "Pn306 -5001（-5000 ~ 5000）\n仍要寫入嗎？"));
        // Refused as a whole: nothing written, nothing stored.
        const LoadResult result = b.drive.Load(file, [](int) {});
        QCOMPARE(result.refused, (QList<quint16>{100, 306}));
        QCOMPARE(result.written, QList<quint16>{});
        QCOMPARE(b.fixture->port->Writes(), QList<QByteArray>{});
        QCOMPARE(b.drive.Values().PmStringSheet.Value(100), QString());
    }

    void aLongListEndsWithTheCount() {
        std::vector<RuleBreak> outside;
        for (quint16 n = 0; n < 23; ++n)
            outside.push_back({quint16(100 + n % 21), "7530", "30000", "1 ~ 20000"});
        const QStringList lines = RuleBreakLines(outside);
        QCOMPARE(lines.size(), 21);
        QCOMPARE(lines.last(), QStringLiteral("…等 23 個"));
    }
};

QTEST_GUILESS_MAIN(WriteRuleTest)
#include "test_write_rule.moc"
