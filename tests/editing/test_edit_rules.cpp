#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRow.h"
#include "core/TarnError.h"
#include "editing/EditRules.h"
#include "support/TestDrive.h"
#include "values/ValueForms.h"
#include "values/ValueWords.h"

#include <QtTest>
#include <array>
#include <thread>
#include <vector>

Q_DECLARE_METATYPE(EditVerdict)
Q_DECLARE_METATYPE(DisplayForm)

namespace {

// Puts a value text into the records the way a sheet read leaves it.
void Hold(quint16 number, const QString& valueText) {
    PmStringSheet.Value(number) = valueText;
    SplitDigits(number);
    UpdateSignedValue(number);
}

void HoldPn904(const QString& valueText) {
    PmStringSheet.Value(904) = valueText;
    SetPn904Bounds(3);
    SetPn904Bounds(4);
    SetPn904Bounds(7);
}

const ParameterRecord& Entry(quint16 number) {
    const ParameterRecord* entry = CatalogueEntryOf(number);
    if (entry == nullptr)
        qFatal("no catalogue entry for %d", number);
    return *entry;
}

// What the grid makes of `valueText` in the row of `record`: read with
// Pn904 at `pn904`, shown, and the shown text typed back as an edit.
// Anything the grid cannot show or convert is not within the rule.
bool AcceptedByTheGrid(const ParameterRecord& record, const QString& valueText,
                       const QString& pn904) {
    ResetParameterRecords();
    HoldPn904(pn904);
    try {
        Hold(record.number, valueText);
        const QString shown = DisplayText(record.form, record.number);
        // No edit makes lower-case digits, so the entry is always a change.
        Hold(record.number, "7ffe");
        return CheckEdit(record, shown).verdict == EditVerdict::Accepted;
    } catch (const EConvertError&) {
        return false;
    }
}

const QStringList kValueTexts{"0000", "0001",     "001E", "001F", "0064", "0BB8", "0BB9", "F448",
                              "F447", "7FFF",     "8000", "FFFF", "FC18", "D8F1", "D8F0", "0171",
                              "0181", "0751",     "1010", "0015", "0016", "1011", "1111", "0808",
                              "0809", "0908",     "02C1", "02D1", "02C2", "0161", "0053", "00A3",
                              "0FF1", "FFFFFC18", "00",   "",     "None", "12G4", "0A00", "3 41"};

// Every answer of the text-only checks for every record, as one text.
QString TextOnlyAnswers() {
    QString answers;
    for (const ParameterRecord& r : Records()) {
        answers += BoundTextsOf(r, "0BB8").minimum + BoundTextsOf(r, "0BB8").maximum;
        for (const QString& v : kValueTexts) {
            answers += StandingOf(r, v, "0BB8") == ValueStanding::Within ? QLatin1Char('1')
                                                                         : QLatin1Char('0');
            try {
                const QString shown = DisplayTextOfValue(r.form, v);
                answers += shown + JudgeEntry(r, shown, Pn904WordsFromText(r, "0BB8")).valueText;
            } catch (const EConvertError& e) {
                answers += e.Text();
            }
        }
    }
    return answers;
}

} // namespace

class TestEditRules : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetParameterRecords(); }

    void verdicts_data();
    void verdicts();
    void conversionErrors_data();
    void conversionErrors();
    void rejectedEntryOfUnreadableValueFailsOnItsRestoreText();
    void storeRefreshesDerivedRecordsAndRaisesFlag();
    void partLimitsParseEveryBoundText_data();
    void partLimitsParseEveryBoundText();
    void pn904BoundsFollowSignedness();
    void valueWithinRuleAgreesWithAnEditOfWhatTheGridShows();
    void textOnlyChecksOfRecordsWithoutRuleOrPn904();
    void textOnlyChecksGiveTheSameAnswersOnSeveralThreads();
};

void TestEditRules::verdicts_data() {
    // clang-format off
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("pn904"); // empty: limits stay zero
    QTest::addColumn<QString>("typed");
    QTest::addColumn<EditVerdict>("verdict");
    QTest::addColumn<QString>("text"); // restore text or new value text

    const auto U = EditVerdict::Unchanged;
    const auto R = EditVerdict::Rejected;
    const auto A = EditVerdict::Accepted;
    // Decimal, fixed bounds.
    QTest::newRow("Pn001 same value") << 1 << "001E" << "" << "30" << U << "";
    QTest::newRow("Pn001 above max") << 1 << "001E" << "" << "31" << R << "30";
    QTest::newRow("Pn001 accepted") << 1 << "001E" << "" << "5" << A << "0005";
    QTest::newRow("Pn001 minimum") << 1 << "001E" << "" << "0" << A << "0000";
    QTest::newRow("Pn001 negative") << 1 << "001E" << "" << "-1" << R << "30";
    QTest::newRow("Pn100 below min") << 100 << "0064" << "" << "0" << R << "100";
    QTest::newRow("Pn100 max") << 100 << "0064" << "" << "20000" << A << "4E20";
    QTest::newRow("Pn100 above max") << 100 << "0064" << "" << "20001" << R << "100";
    QTest::newRow("Pn722 max") << 722 << "0001" << "" << "12700" << A << "319C";
    QTest::newRow("Pn722 below min") << 722 << "0001" << "" << "0" << R << "1";
    QTest::newRow("Pn722 above max") << 722 << "0001" << "" << "12701" << R << "1";
    QTest::newRow("None counts as change") << 1 << "None" << "" << "5" << A << "0005";
    // Signed decimal, fixed bounds; negatives are four hex digits.
    QTest::newRow("Pn213 -1000 same as FC18") << 213 << "FC18" << "" << "-1000" << U << "";
    QTest::newRow("Pn213 below min") << 213 << "FC18" << "" << "-10000" << R << "-1000";
    QTest::newRow("Pn213 -1000 accepted") << 213 << "0064" << "" << "-1000" << A << "FC18";
    QTest::newRow("Pn213 min") << 213 << "0064" << "" << "-9999" << A << "D8F1";
    QTest::newRow("Pn403 above max 0") << 403 << "FF9C" << "" << "1" << R << "-100";
    QTest::newRow("Pn403 min") << 403 << "FF9C" << "" << "-3000" << A << "F448";
    // Signed and decimal bounds from Pn904 = 0BB8 (3000).
    QTest::newRow("Pn304 max") << 304 << "0001" << "0BB8" << "3000" << A << "0BB8";
    QTest::newRow("Pn304 min") << 304 << "0001" << "0BB8" << "-3000" << A << "F448";
    QTest::newRow("Pn304 above") << 304 << "0001" << "0BB8" << "3001" << R << "1";
    QTest::newRow("Pn311 below") << 311 << "0001" << "0BB8" << "-3001" << R << "1";
    QTest::newRow("Pn406 max") << 406 << "0001" << "0BB8" << "3000" << A << "0BB8";
    QTest::newRow("Pn406 above") << 406 << "0001" << "0BB8" << "3001" << R << "1";
    QTest::newRow("Pn407 min") << 407 << "0001" << "0BB8" << "-3000" << A << "F448";
    QTest::newRow("Pn407 max 0") << 407 << "0001" << "0BB8" << "0" << A << "0000";
    QTest::newRow("Pn407 below") << 407 << "0001" << "0BB8" << "-3001" << R << "1";
    QTest::newRow("Pn708 above") << 708 << "0001" << "0BB8" << "3001" << R << "1";
    // Pn904 = 8000: signed limits are both -32768, unsigned ones 32768.
    QTest::newRow("8000 Pn304 only -32768") << 304 << "0001" << "8000" << "-32768" << A << "8000";
    QTest::newRow("8000 Pn304 rejects 0") << 304 << "0001" << "8000" << "0" << R << "1";
    QTest::newRow("8000 Pn406 32768") << 406 << "0001" << "8000" << "32768" << A << "8000";
    QTest::newRow("8000 Pn406 32769") << 406 << "0001" << "8000" << "32769" << R << "1";
    QTest::newRow("8000 Pn708 32768") << 708 << "0001" << "8000" << "32768" << A << "8000";
    QTest::newRow("8000 Pn407 -32768") << 407 << "0001" << "8000" << "-32768" << A << "8000";
    QTest::newRow("unread Pn406 max 0") << 406 << "0000" << "" << "1" << R << "0";
    // Three-, two- and four-digit groups.
    QTest::newRow("Pn000 maxima") << 0 << "0010" << "" << "1-7-1" << A << "0171";
    QTest::newRow("Pn000 first digit") << 0 << "0010" << "" << "2-0-0" << R << "0-1-0";
    QTest::newRow("Pn000 second digit") << 0 << "0010" << "" << "1-8-0" << R << "0-1-0";
    QTest::newRow("Pn000 last digit") << 0 << "0010" << "" << "0-0-2" << R << "0-1-0";
    QTest::newRow("Pn000 same") << 0 << "0010" << "" << "0-1-0" << U << "";
    QTest::newRow("Pn000 old c1 not kept") << 0 << "1010" << "" << "0-1-0" << A << "0010";
    QTest::newRow("Pn200 maxima") << 200 << "0000" << "" << "7-5-1" << A << "0751";
    QTest::newRow("Pn700 second digit") << 700 << "0000" << "" << "5-4-0" << R << "0-0-0";
    QTest::newRow("Pn109 maxima") << 109 << "0012" << "" << "1-5" << A << "0015";
    QTest::newRow("Pn109 last digit") << 109 << "0012" << "" << "1-6" << R << "1-2";
    QTest::newRow("Pn114 maxima") << 114 << "0000" << "" << "1-6" << A << "0016";
    QTest::newRow("Pn114 last digit") << 114 << "0000" << "" << "1-7" << R << "0-0";
    QTest::newRow("Pn415 accepted") << 415 << "0000" << "" << "1-0-1-1" << A << "1011";
    QTest::newRow("Pn415 second digit") << 415 << "1234" << "" << "1-2-0-0" << R << "1-2-3-4";
    // Pair group.
    QTest::newRow("Pn512 maxima") << 512 << "0102" << "" << "08-08" << A << "0808";
    QTest::newRow("Pn512 first group") << 512 << "0102" << "" << "09-00" << R << "01-02";
    QTest::newRow("Pn512 second group") << 512 << "0102" << "" << "00-09" << R << "01-02";
    QTest::newRow("Pn512 same") << 512 << "0102" << "" << "01-02" << U << "";
    // Signal select; the restore text has no leading zero.
    QTest::newRow("Pn525 maxima") << 525 << "0051" << "" << "44-1" << A << "02C1";
    QTest::newRow("Pn525 group") << 525 << "0051" << "" << "45-0" << R << "5-1";
    QTest::newRow("Pn525 last digit") << 525 << "0051" << "" << "12-2" << R << "5-1";
    QTest::newRow("Pn525 same") << 525 << "0051" << "" << "05-1" << U << "";
    QTest::newRow("Pn525 restore 44-1") << 525 << "02C1" << "" << "45-1" << R << "44-1";
    QTest::newRow("Pn535 maxima") << 535 << "0000" << "" << "22-1" << A << "0161";
    QTest::newRow("Pn539 group") << 539 << "0000" << "" << "23-0" << R << "0-0";
    // clang-format on
}

void TestEditRules::verdicts() {
    QFETCH(int, number);
    QFETCH(QString, stored);
    QFETCH(QString, pn904);
    QFETCH(QString, typed);
    QFETCH(EditVerdict, verdict);
    QFETCH(QString, text);
    if (!pn904.isEmpty())
        HoldPn904(pn904);
    const quint16 n = static_cast<quint16>(number);
    Hold(n, stored);

    const EditOutcome outcome = CheckEdit(Entry(n), typed);

    QCOMPARE(outcome.verdict, verdict);
    if (verdict != EditVerdict::Unchanged)
        QCOMPARE(outcome.text, text);
    QCOMPARE(PmStringSheet.Value(n), stored); // checking never stores
    QCOMPARE(PendingWrite.Flag(n), quint8(0));

    // The same entry from the texts alone, with no records to lean on.
    ResetParameterRecords();
    const TypedEntry typedEntry =
        JudgeEntry(Entry(n), typed, Pn904WordsFromText(Entry(n), pn904.isEmpty() ? "0000" : pn904));
    if (verdict == EditVerdict::Unchanged) {
        // Every unchanged row above stores a value within its rule.
        QCOMPARE(typedEntry.verdict, EditVerdict::Accepted);
        QCOMPARE(typedEntry.valueText, stored);
    } else {
        QCOMPARE(typedEntry.verdict, verdict);
        QCOMPARE(typedEntry.valueText, EditedValueText(Entry(n).form, typed));
    }
}

void TestEditRules::conversionErrors_data() {
    // clang-format off
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("decimal 5-3") << 1 << "5-3" << "'5-3' is not a valid integer value";
    QTest::newRow("decimal empty") << 1 << "" << "'' is not a valid integer value";
    QTest::newRow("sign alone") << 213 << " -" << "' -' is not a valid integer value";
    QTest::newRow("three-digit blank") << 0 << "1- -1" << "' ' is not a valid integer value";
    QTest::newRow("two-digit blank") << 109 << " -1" << "' ' is not a valid integer value";
    QTest::newRow("pair blank") << 512 << "08- 8" << "' 8' is not a valid integer value";
    QTest::newRow("pair blank group") << 512 << "  -08" << "'  ' is not a valid integer value";
    QTest::newRow("signal blank last") << 525 << "12- " << "' ' is not a valid integer value";
    QTest::newRow("signal blank group") << 525 << "  -1" << "'  ' is not a valid integer value";
    // clang-format on
}

void TestEditRules::conversionErrors() {
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    const quint16 n = static_cast<quint16>(number);
    Hold(n, "0000");

    try {
        CheckEdit(Entry(n), typed);
        QFAIL("no conversion error");
    } catch (const EConvertError& e) {
        QCOMPARE(e.Text(), message);
    }
    QCOMPARE(PmStringSheet.Value(n), QString("0000"));
    try {
        JudgeEntry(Entry(n), typed, Pn904WordsFromText(Entry(n), "0BB8"));
        QFAIL("no conversion error from the texts alone");
    } catch (const EConvertError& e) {
        QCOMPARE(e.Text(), message);
    }
}

void TestEditRules::rejectedEntryOfUnreadableValueFailsOnItsRestoreText() {
    Hold(1, "None");
    QVERIFY_THROWS_EXCEPTION(EConvertError, CheckEdit(Entry(1), "31"));
    Hold(525, "");
    QVERIFY_THROWS_EXCEPTION(EConvertError, CheckEdit(Entry(525), "45-0"));
}

void TestEditRules::storeRefreshesDerivedRecordsAndRaisesFlag() {
    Hold(213, "0064");
    StoreAcceptedEdit(Entry(213), "FC18");
    QCOMPARE(PmStringSheet.Value(213), QString("FC18"));
    QCOMPARE(PmSignedValues[SignedIndexOf(213)], qint16(-1000));
    QCOMPARE(PendingWrite.Flag(213), quint8(1));

    Hold(0, "0010");
    StoreAcceptedEdit(Entry(0), "0171");
    QCOMPARE(DisplayText(DisplayForm::ThreeDigitGroup, 0), QString("1-7-1"));
    QCOMPARE(PendingWrite.Flag(0), quint8(1));

    StoreAcceptedEdit(Entry(525), "02C1");
    QCOMPARE(RestoreText(Entry(525)), QString("44-1"));
}

void TestEditRules::partLimitsParseEveryBoundText_data() {
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<DisplayForm>("form");
    QTest::addColumn<QList<int>>("limits");
    QTest::newRow("three") << "1-7-1" << DisplayForm::ThreeDigitGroup << QList<int>{1, 7, 1};
    QTest::newRow("two") << "1-6" << DisplayForm::TwoDigitGroup << QList<int>{1, 6};
    QTest::newRow("four") << "1-1-1-1" << DisplayForm::FourDigitGroup << QList<int>{1, 1, 1, 1};
    QTest::newRow("pair") << "08-08" << DisplayForm::PairGroup << QList<int>{8, 8};
    QTest::newRow("signal") << "44-1" << DisplayForm::SignalSelect << QList<int>{44, 1};
    QTest::newRow("signal low") << "00-0" << DisplayForm::SignalSelect << QList<int>{0, 0};
    // clang-format on
}

void TestEditRules::partLimitsParseEveryBoundText() {
    QFETCH(QString, text);
    QFETCH(DisplayForm, form);
    QFETCH(QList<int>, limits);
    const QByteArray utf8 = text.toUtf8();
    const ParameterBound parsed = ParseBound(utf8.constData(), form);
    QCOMPARE(parsed.kind, BoundKind::Digits);
    QCOMPARE(QList<int>(parsed.parts.begin(), parsed.parts.begin() + parsed.partCount), limits);
}

void TestEditRules::pn904BoundsFollowSignedness() {
    HoldPn904("8000");
    QCOMPARE(UpperBoundOf(Entry(304)), qint64(-32768));
    QCOMPARE(LowerBoundOf(Entry(304)), qint64(-32768));
    QCOMPARE(UpperBoundOf(Entry(406)), qint64(32768));
    QCOMPARE(LowerBoundOf(Entry(407)), qint64(-32768));
    QCOMPARE(UpperBoundOf(Entry(708)), qint64(32768));
    HoldPn904("FFFF");
    QCOMPARE(UpperBoundOf(Entry(310)), qint64(-1));
    QCOMPARE(LowerBoundOf(Entry(310)), qint64(1));
    QCOMPARE(UpperBoundOf(Entry(406)), qint64(65535));
    QCOMPARE(LowerBoundOf(Entry(407)), qint64(1));
}

void TestEditRules::valueWithinRuleAgreesWithAnEditOfWhatTheGridShows() {
    int within = 0;
    int outside = 0;
    for (const QString pn904 : {"0BB8", "8000"}) {
        for (const ParameterRecord& r : Catalogue()) {
            for (const QString& v : kValueTexts) {
                const bool expected = AcceptedByTheGrid(r, v, pn904);
                ResetParameterRecords();
                if ((StandingOf(r, v, pn904) == ValueStanding::Within) != expected)
                    QFAIL(qPrintable(QStringLiteral("%1 value %2 with Pn904 %3")
                                         .arg(PnName(r.number), v, pn904)));
                ++(expected ? within : outside);
            }
        }
    }
    QVERIFY(within > 1000 && outside > 1000);
    QVERIFY(StandingOf(Entry(1), "001E", "0BB8") == ValueStanding::Within);
    QVERIFY(StandingOf(Entry(1), "001F", "0BB8") != ValueStanding::Within);
    QVERIFY(StandingOf(Entry(304), "F448", "0BB8") == ValueStanding::Within);
    QVERIFY(StandingOf(Entry(304), "F447", "0BB8") != ValueStanding::Within);
    QVERIFY(StandingOf(Entry(525), "02C1", "0BB8") == ValueStanding::Within);
    QVERIFY(StandingOf(Entry(525), "02D1", "0BB8") != ValueStanding::Within);
}

void TestEditRules::textOnlyChecksOfRecordsWithoutRuleOrPn904() {
    const ParameterRecord& pn303 = *RecordOf(303);
    QVERIFY(StandingOf(pn303, "0000", "0BB8") != ValueStanding::Within);
    const TypedEntry none = JudgeEntry(pn303, "5", Pn904WordsFromText(pn303, "0BB8"));
    QCOMPARE(none.verdict, EditVerdict::Rejected);
    QCOMPARE(none.valueText, QString());
    QCOMPARE(BoundTextsOf(pn303, "0BB8").minimum, QString());

    // An unreadable Pn904 matters only where a bound follows it.
    QVERIFY(StandingOf(Entry(304), "0000", "None") != ValueStanding::Within);
    QVERIFY(StandingOf(Entry(1), "0000", "None") == ValueStanding::Within);
    QCOMPARE(JudgeEntry(Entry(1), "5", Pn904WordsFromText(Entry(1), "")).valueText,
             QString("0005"));
    QVERIFY_THROWS_EXCEPTION(EConvertError,
                             JudgeEntry(Entry(406), "5", Pn904WordsFromText(Entry(406), "None")));
    QVERIFY_THROWS_EXCEPTION(EConvertError, BoundTextsOf(Entry(708), "").maximum);
    QCOMPARE(BoundTextsOf(Entry(402), "").maximum, QString("3000"));
}

void TestEditRules::textOnlyChecksGiveTheSameAnswersOnSeveralThreads() {
    const QString expected = TextOnlyAnswers();
    std::array<QString, 4> answers;
    std::vector<std::thread> threads;
    for (QString& a : answers)
        threads.emplace_back([&a] { a = TextOnlyAnswers(); });
    for (std::thread& t : threads)
        t.join();
    for (const QString& a : answers)
        QVERIFY(a == expected);
}

QTEST_GUILESS_MAIN(TestEditRules)
#include "test_edit_rules.moc"
