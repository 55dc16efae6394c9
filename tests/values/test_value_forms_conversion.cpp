#include "core/TarnError.h"
#include "values/ValueForms.h"

#include <QtTest>
#include <limits>

namespace {
// The message of the conversion error `f` raises, or "no error".
template <typename F> QString ConvertErrorOf(F f) {
    try {
        f();
    } catch (const EConvertError& e) {
        return e.Text();
    }
    return QStringLiteral("no error");
}

QString NotInteger(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}
} // namespace

// Faults in the one text-to-integer conversion and in the word, signed value
// and hex text built on it.
class TestValueFormsConversion : public QObject {
    Q_OBJECT
private slots:
    void acceptsIntegerTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("value");
        QTest::newRow("decimal") << "123" << 123;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("minus") << "-123" << -123;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("leading spaces") << "   42" << 42;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("0x lower digits") << "0x1f" << 31;
        QTest::newRow("0X") << "0X1F" << 31;
        QTest::newRow("dollar") << "$FF" << 255;
        QTest::newRow("x") << "xA" << 10;
        QTest::newRow("X") << "XA" << 10;
        QTest::newRow("spaces then prefix") << "  0x10" << 16;
        QTest::newRow("four digits") << "0x01F4" << 500;
        QTest::newRow("largest positive hex") << "0x7FFFFFFF" << 2147483647;
        QTest::newRow("eighth digit sets the sign bit") << "0xFFFFFFFB" << -5;
        QTest::newRow("sign bit alone") << "0x80000000" << std::numeric_limits<qint32>::min();
        QTest::newRow("leading zero hex digits do not count") << "0x000000001" << 1;
        QTest::newRow("largest decimal") << "2147483647" << 2147483647;
        QTest::newRow("smallest decimal") << "-2147483648" << std::numeric_limits<qint32>::min();
    }
    void acceptsIntegerTexts() {
        QFETCH(QString, text);
        QFETCH(qint32, value);
        QCOMPARE(StrToInt(text), value);
    }

    void refusesWithTheWholeText_data() {
        QTest::addColumn<QString>("text");
        for (const char* t :
             {"",     " ",           "0x",         "$",           "x",           "0xNone", "None",
              "12 ",  "1.5",         "1e3",        "-",           "+",           "--1",    "-0x10",
              "0x1G", "0x123456789", "2147483648", "-2147483649", "99999999999", "５"}) {
            QTest::addRow("'%s'", t) << QString::fromUtf8(t);
        }
    }
    void refusesWithTheWholeText() {
        QFETCH(QString, text);
        QCOMPARE(ConvertErrorOf([&] { StrToInt(text); }), NotInteger(text));
    }

    void wordOfValueText_data() {
        QTest::addColumn<QString>("valueText");
        QTest::addColumn<qint32>("word");
        QTest::newRow("0064") << "0064" << 100;
        QTest::newRow("FFFF") << "FFFF" << 65535;
        QTest::newRow("8000") << "8000" << 32768;
        QTest::newRow("short reply") << "00" << 0;
        QTest::newRow("lower case") << "01f4" << 500;
    }
    void wordOfValueText() {
        QFETCH(QString, valueText);
        QFETCH(qint32, word);
        QCOMPARE(WordOf(valueText), word);
    }

    void wordErrorNamesThePrefixedText_data() {
        QTest::addColumn<QString>("valueText");
        QTest::addColumn<QString>("message");
        QTest::newRow("no answer") << "" << NotInteger("0x");
        QTest::newRow("unexpected reply") << "None" << NotInteger("0xNone");
        QTest::newRow("stray space") << "00 1" << NotInteger("0x00 1");
    }
    void wordErrorNamesThePrefixedText() {
        QFETCH(QString, valueText);
        QFETCH(QString, message);
        QCOMPARE(ConvertErrorOf([&] { WordOf(valueText); }), message);
        QCOMPARE(ConvertErrorOf([&] { SignedValueOf(valueText); }), message);
    }

    void signedValueOfValueText_data() {
        QTest::addColumn<QString>("valueText");
        QTest::addColumn<int>("value");
        QTest::newRow("0064") << "0064" << 100;
        QTest::newRow("FF9C") << "FF9C" << -100;
        QTest::newRow("FFFF") << "FFFF" << -1;
        QTest::newRow("7FFF") << "7FFF" << 32767;
        QTest::newRow("8000") << "8000" << -32768;
        QTest::newRow("eight digits") << "FFFFFF9C" << -100;
        QTest::newRow("eight digits, minus one") << "FFFFFFFF" << -1;
        QTest::newRow("high word ignored") << "00010005" << 5;
    }
    void signedValueOfValueText() {
        QFETCH(QString, valueText);
        QFETCH(int, value);
        QCOMPARE(int(SignedValueOf(valueText)), value);
    }

    void hexTextOfNumber_data() {
        QTest::addColumn<qint32>("n");
        QTest::addColumn<QString>("hex");
        QTest::newRow("0") << 0 << "0000";
        QTest::newRow("30") << 30 << "001E";
        QTest::newRow("100") << 100 << "0064";
        QTest::newRow("upper case") << 0xABC << "0ABC";
        QTest::newRow("65535") << 65535 << "FFFF";
        QTest::newRow("more than four digits") << 70000 << "11170";
        QTest::newRow("-1 in four digits") << -1 << "FFFF";
        QTest::newRow("-100") << -100 << "FF9C";
        QTest::newRow("-1000") << -1000 << "FC18";
        QTest::newRow("-9999") << -9999 << "D8F1";
        QTest::newRow("-32768") << -32768 << "8000";
        QTest::newRow("below 16 bits keeps 32") << -40000 << "FFFF63C0";
    }
    void hexTextOfNumber() {
        QFETCH(qint32, n);
        QFETCH(QString, hex);
        QCOMPARE(HexText(n), hex);
    }

    // Every 16-bit value survives the trip number -> hex text -> number, so
    // an edit stores what the drive will report back.
    void hexTextRoundTripsEverySixteenBitValue() {
        for (qint32 n = -32768; n <= 32767; ++n) {
            const QString hex = HexText(n);
            QCOMPARE(hex.size(), 4);
            QCOMPARE(int(SignedValueOf(hex)), n);
        }
        for (qint32 n = 0; n <= 65535; ++n) {
            QCOMPARE(WordOf(HexText(n)), n);
        }
    }
};

QTEST_GUILESS_MAIN(TestValueFormsConversion)
#include "test_value_forms_conversion.moc"
