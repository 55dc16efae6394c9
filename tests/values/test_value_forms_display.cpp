#include "core/TarnError.h"
#include "support/TestDrive.h"
#include "values/ValueForms.h"

#include <QtTest>

Q_DECLARE_METATYPE(DisplayForm)

namespace {
template <typename F> QString ConvertErrorOf(F f) {
    try {
        f();
    } catch (const EConvertError& e) {
        return e.Text();
    }
    return QStringLiteral("no error");
}

// Stores a value text the way the sheet reader does: text, then both
// derived records.
void Read(quint16 number, const QString& valueText) {
    PmStringSheet.Value(number) = valueText;
    SplitDigits(number);
    UpdateSignedValue(number);
}

QString HexPair(int n) {
    return QStringLiteral("%1").arg(n, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

// Faults in the derived records, the display texts and the edit conversion.
class TestValueFormsDisplay : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetParameterRecords(); }

    void displayOfEveryForm_data() {
        QTest::addColumn<DisplayForm>("form");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("valueText");
        QTest::addColumn<QString>("display");
        const auto row = [](const char* name, DisplayForm f, int n, const char* text,
                            const char* shown) {
            QTest::newRow(name) << f << n << QString(text) << QString(shown);
        };
        using F = DisplayForm;
        row("decimal 0064", F::Decimal, 1, "0064", "100");
        row("decimal FFFF", F::Decimal, 1, "FFFF", "65535");
        row("decimal 8000", F::Decimal, 1, "8000", "32768");
        row("decimal short reply", F::Decimal, 1, "00", "0");
        row("signed 0064", F::SignedDecimal, 213, "0064", "100");
        row("signed FF9C", F::SignedDecimal, 213, "FF9C", "-100");
        row("signed FFFF", F::SignedDecimal, 304, "FFFF", "-1");
        row("signed 8000", F::SignedDecimal, 511, "8000", "-32768");
        row("signed eight digits", F::SignedDecimal, 502, "FFFFFC18", "-1000");
        row("three-digit", F::ThreeDigitGroup, 0, "0010", "0-1-0");
        row("three-digit hides c1", F::ThreeDigitGroup, 0, "1010", "0-1-0");
        row("three-digit letter", F::ThreeDigitGroup, 200, "00A1", "0-A-1");
        row("three-digit empty", F::ThreeDigitGroup, 0, "", "--");
        row("three-digit None", F::ThreeDigitGroup, 0, "None", "o-n-e");
        row("two-digit", F::TwoDigitGroup, 109, "0012", "1-2");
        row("two-digit short", F::TwoDigitGroup, 114, "00", "-");
        row("four-digit", F::FourDigitGroup, 415, "1234", "1-2-3-4");
        row("pair", F::PairGroup, 512, "0102", "01-02");
        row("pair upper", F::PairGroup, 512, "0808", "08-08");
        row("signal 18-3", F::SignalSelect, 525, "0123", "18-3");
        row("signal 05-3", F::SignalSelect, 526, "0053", "05-3");
        row("signal 09-", F::SignalSelect, 525, "0093", "09-3");
        row("signal 10-", F::SignalSelect, 525, "00A3", "10-3");
        row("signal 00-0", F::SignalSelect, 539, "0000", "00-0");
        row("signal 44-1", F::SignalSelect, 534, "02C1", "44-1");
        row("signal 255-", F::SignalSelect, 535, "0FF1", "255-1");
    }
    void displayOfEveryForm() {
        QFETCH(DisplayForm, form);
        QFETCH(int, number);
        QFETCH(QString, valueText);
        QFETCH(QString, display);
        Read(static_cast<quint16>(number), valueText);
        QCOMPARE(DisplayText(form, static_cast<quint16>(number)), display);
        // The same text from the value text alone, without the records.
        ResetParameterRecords();
        QCOMPARE(DisplayTextOfValue(form, valueText), display);
    }

    void displayFailsOnlyWhereItConverts_data() {
        QTest::addColumn<DisplayForm>("form");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("valueText");
        QTest::addColumn<QString>("message");
        const QString bad = QStringLiteral("'%1' is not a valid integer value");
        QTest::newRow("decimal empty") << DisplayForm::Decimal << 1 << "" << bad.arg("0x");
        QTest::newRow("decimal None") << DisplayForm::Decimal << 2 << "None" << bad.arg("0xNone");
        QTest::newRow("signal empty") << DisplayForm::SignalSelect << 525 << "" << bad.arg("0x");
        QTest::newRow("signal None")
            << DisplayForm::SignalSelect << 525 << "None" << bad.arg("0xon");
    }
    void displayFailsOnlyWhereItConverts() {
        QFETCH(DisplayForm, form);
        QFETCH(int, number);
        QFETCH(QString, valueText);
        QFETCH(QString, message);
        PmStringSheet.Value(static_cast<quint16>(number)) = valueText;
        SplitDigits(static_cast<quint16>(number));
        QCOMPARE(ConvertErrorOf([&] { DisplayText(form, static_cast<quint16>(number)); }), message);
        QCOMPARE(ConvertErrorOf([&] { DisplayTextOfValue(form, valueText); }), message);
    }

    // The group forms and the signed form show the derived records, not the
    // value text: after a load they still show the last sheet read.
    void displayReadsTheDerivedRecords() {
        Read(0, "0123");
        Read(525, "0123");
        Read(213, "0064");
        PmStringSheet.Value(0) = "0456";
        PmStringSheet.Value(525) = "None";
        PmStringSheet.Value(213) = "FFFF";
        QCOMPARE(DisplayText(DisplayForm::ThreeDigitGroup, 0), QString("1-2-3"));
        QCOMPARE(DisplayText(DisplayForm::SignalSelect, 525), QString("18-3"));
        QCOMPARE(DisplayText(DisplayForm::SignedDecimal, 213), QString("100"));
    }

    void splitDigitsFillsOnlyItsBlock() {
        PmStringSheet.Value(512) = "01F4";
        SplitDigits(512);
        QCOMPARE(*PmSystemStringSheet.Digits(512), (std::array<QString, 4>{"0", "1", "F", "4"}));
        PmStringSheet.Value(512) = "00";
        SplitDigits(512);
        QCOMPARE(*PmSystemStringSheet.Digits(512), (std::array<QString, 4>{"0", "0", "", ""}));
        PmStringSheet.Value(913) = "ABCD";
        SplitDigits(913);
        QCOMPARE(PmSystemStringSheet.Blocks.back(), (std::array<QString, 4>{"A", "B", "C", "D"}));

        const auto before = PmSystemStringSheet.Blocks;
        PmStringSheet.Value(1) = "1234";
        SplitDigits(1);   // not digit-wise
        SplitDigits(800); // no slot at all
        QVERIFY(PmSystemStringSheet.Blocks == before);
    }

    void updateSignedValueKeepsItsEntry() {
        PmStringSheet.Value(962) = "FF9C";
        UpdateSignedValue(962);
        QCOMPARE(int(PmSignedValues.back()), -100);
        PmStringSheet.Value(1) = "FFFF";
        UpdateSignedValue(1); // not signed
        UpdateSignedValue(800);
        for (std::size_t i = 0; i + 1 < PmSignedValues.size(); ++i) {
            QCOMPARE(int(PmSignedValues[i]), 0);
        }
        PmStringSheet.Value(213) = "None";
        QCOMPARE(ConvertErrorOf([] { UpdateSignedValue(213); }),
                 QString("'0xNone' is not a valid integer value"));
    }

    void editConversion_data() {
        QTest::addColumn<DisplayForm>("form");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("valueText");
        using F = DisplayForm;
        QTest::newRow("decimal 100") << F::Decimal << "100"
                                     << "0064";
        QTest::newRow("decimal 30") << F::Decimal << "30"
                                    << "001E";
        QTest::newRow("decimal 65535") << F::Decimal << "65535"
                                       << "FFFF";
        QTest::newRow("signed -1") << F::SignedDecimal << "-1"
                                   << "FFFF";
        QTest::newRow("signed -100") << F::SignedDecimal << "-100"
                                     << "FF9C";
        QTest::newRow("signed -1000") << F::SignedDecimal << "-1000"
                                      << "FC18";
        QTest::newRow("signed 9999") << F::SignedDecimal << "9999"
                                     << "270F";
        QTest::newRow("three-digit") << F::ThreeDigitGroup << "0-1-1"
                                     << "0011";
        QTest::newRow("three-digit drops c1") << F::ThreeDigitGroup << "1-7-1"
                                              << "0171";
        QTest::newRow("two-digit") << F::TwoDigitGroup << "1-2"
                                   << "0012";
        QTest::newRow("four-digit") << F::FourDigitGroup << "1-0-1-1"
                                    << "1011";
        QTest::newRow("pair") << F::PairGroup << "01-02"
                              << "0102";
        QTest::newRow("signal 18-3") << F::SignalSelect << "18-3"
                                     << "0123";
        QTest::newRow("signal 05-3") << F::SignalSelect << "05-3"
                                     << "0053";
        QTest::newRow("signal 10-3") << F::SignalSelect << "10-3"
                                     << "00A3";
        QTest::newRow("signal 44-1") << F::SignalSelect << "44-1"
                                     << "02C1";
    }
    void editConversion() {
        QFETCH(DisplayForm, form);
        QFETCH(QString, typed);
        QFETCH(QString, valueText);
        QCOMPARE(EditedValueText(form, typed), valueText);
    }

    void editOfNonNumberFails() {
        QCOMPARE(ConvertErrorOf([] { EditedValueText(DisplayForm::Decimal, ""); }),
                 QString("'' is not a valid integer value"));
        QCOMPARE(ConvertErrorOf([] { EditedValueText(DisplayForm::SignedDecimal, "1-2"); }),
                 QString("'1-2' is not a valid integer value"));
    }

    // Typing back what a signal-select cell shows gives the value text it
    // came from, on both sides of the 09-/10- switch.
    void signalSelectDisplayAndEditAgree() {
        for (int n = 0; n <= 99; ++n) {
            for (const char* last : {"0", "1", "9"}) {
                const QString valueText = "0" + HexPair(n) + last;
                Read(530, valueText);
                const QString shown = DisplayText(DisplayForm::SignalSelect, 530);
                QCOMPARE(shown.size(), 4);
                QCOMPARE(EditedValueText(DisplayForm::SignalSelect, shown), valueText);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestValueFormsDisplay)
#include "test_value_forms_display.moc"
