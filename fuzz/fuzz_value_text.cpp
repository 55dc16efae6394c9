// The text-to-integer conversion and the value forms built on it, against
// arbitrary text. EConvertError is the conversion's documented refusal and
// is expected; any other exception, a crash or a sanitizer report is a
// finding. Beside that it checks StrToInt against a plain oracle of its
// grammar, the exact refusal text, the round trips through HexText, WordOf
// and SignedValueOf, the shape of edit and display texts, the display from
// the text alone against the grid's, and that an accepted typed entry keeps
// within its rule.
#include "core/TarnError.h"
#include "values/DriveValues.h"
#include "editing/EditRules.h"
#include "values/ValueForms.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

[[noreturn]] void Finding(const char* what, const QString& text) {
    std::fprintf(stderr, "FINDING: %s [%s]\n", what, text.toUtf8().toPercentEncoding().constData());
    std::abort();
}

bool IsAsciiDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool IsAsciiHex(QChar c) {
    const ushort u = c.unicode();
    return IsAsciiDigit(c) || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

QStringView WithoutLeadingZeros(QStringView digits) {
    while (digits.size() > 1 && digits.front() == QLatin1Char('0')) {
        digits = digits.mid(1);
    }
    return digits;
}

// What StrToInt must make of `text`: leading spaces; a hex prefix and up to
// eight significant hex digits; else a sign and decimal digits in 32 bits.
std::optional<qint32> Oracle(const QString& text) {
    QStringView rest(text);
    while (!rest.isEmpty() && rest.front() == QLatin1Char(' ')) {
        rest = rest.mid(1);
    }
    int prefix = 0;
    if (rest.startsWith(QLatin1String("0x")) || rest.startsWith(QLatin1String("0X"))) {
        prefix = 2;
    } else if (rest.startsWith(QLatin1Char('$')) || rest.startsWith(QLatin1Char('x')) ||
               rest.startsWith(QLatin1Char('X'))) {
        prefix = 1;
    }
    if (prefix > 0) {
        const QStringView digits = rest.mid(prefix);
        if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), IsAsciiHex)) {
            return std::nullopt;
        }
        const QStringView significant = WithoutLeadingZeros(digits);
        if (significant.size() > 8) {
            return std::nullopt;
        }
        return qint32(significant.toString().toUInt(nullptr, 16));
    }
    bool negative = false;
    if (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))) {
        negative = rest.front() == QLatin1Char('-');
        rest = rest.mid(1);
    }
    if (rest.isEmpty() || !std::all_of(rest.begin(), rest.end(), IsAsciiDigit)) {
        return std::nullopt;
    }
    const QStringView significant = WithoutLeadingZeros(rest);
    if (significant.size() > 10) {
        return std::nullopt;
    }
    const qint64 magnitude = significant.toString().toLongLong();
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < -2147483648LL || value > 2147483647LL) {
        return std::nullopt;
    }
    return qint32(value);
}

std::optional<qint32> Converted(const QString& text) {
    try {
        return StrToInt(text);
    } catch (const EConvertError& error) {
        if (error.Text() != QLatin1Char('\'') + text + QLatin1String("' is not a valid integer value")) {
            Finding("the refusal text is not the fixed message", error.Text());
        }
        return std::nullopt;
    }
}

void CheckRoundTrips(qint32 n, const QString& text) {
    if (Converted(QString::number(n)) != n) {
        Finding("a decimal text does not convert back", text);
    }
    const QString hex = HexText(n);
    const bool sixteenBit = n >= -32768 && n <= 65535;
    if (sixteenBit ? hex.size() != 4 : (hex.size() < 4 || hex.size() > 8)) {
        Finding("HexText has the wrong length", text);
    }
    if (hex != hex.toUpper()) {
        Finding("HexText is not upper case", text);
    }
    const qint32 word = WordOf(hex);
    if (word != (n < 0 && n >= -32768 ? (n & 0xFFFF) : n)) {
        Finding("WordOf(HexText(n)) is not n", text);
    }
    if (SignedValueOf(hex) != qint16(quint16(n & 0xFFFF))) {
        Finding("SignedValueOf(HexText(n)) lost the low 16 bits", text);
    }
}

constexpr DisplayForm kForms[] = {
    DisplayForm::Decimal,        DisplayForm::SignedDecimal, DisplayForm::ThreeDigitGroup,
    DisplayForm::TwoDigitGroup,  DisplayForm::FourDigitGroup, DisplayForm::PairGroup,
    DisplayForm::SignalSelect,
};

void CheckEdits(const QString& typed) {
    for (const DisplayForm form : kForms) {
        try {
            const QString value = EditedValueText(form, typed);
            const bool grouped = form != DisplayForm::Decimal && form != DisplayForm::SignedDecimal;
            if (grouped && value.size() > 4) {
                Finding("a group edit made more than four characters", typed);
            }
        } catch (const EConvertError&) {
        }
    }
}

// A display text, or the conversion error's text.
template <typename F> QString Displayed(F display) {
    try {
        return display();
    } catch (const EConvertError& error) {
        return QStringLiteral("error ") + error.Text();
    }
}

// The text as a technician's entry for a parameter of each form and for the
// Pn904-bounded ones, and as their value text: the rule check of a text
// never throws, and an accepted entry makes a value text within the rule.
void CheckTypedEntries(const QString& text) {
    for (const quint16 number : {1, 213, 304, 406, 407, 0, 109, 415, 512, 525, 535, 303}) {
        const ParameterRecord& record = *RecordOf(number);
        StandingOf(record, text, text);
        try {
            const TypedEntry entry = JudgeEntry(record, text, Pn904WordsFromText(record, "0BB8"));
            if (entry.verdict == EditVerdict::Accepted &&
                StandingOf(record, entry.valueText, QStringLiteral("0BB8")) !=
                    ValueStanding::Within) {
                Finding("an accepted entry makes a value text outside its rule", text);
            }
        } catch (const EConvertError&) {
        }
    }
}

// The text as the value text of a digit-wise (0), a signed (213) and a
// plain (101) parameter, through the record updates and every display form.
void CheckDisplays(const QString& valueText) {
    static DriveValues values;
    for (const quint16 number : {quint16(0), quint16(213), quint16(101)}) {
        values.PmStringSheet.Value(number) = valueText;
        values.SplitDigits(number);
        bool read = true;
        try {
            values.UpdateSignedValue(number);
        } catch (const EConvertError&) {
            read = false; // a sheet read would have stopped here
        }
        for (const DisplayForm form : kForms) {
            const QString shown = Displayed([&] { return values.DisplayText(form, number); });
            if (read && Displayed([&] { return DisplayTextOfValue(form, valueText); }) != shown) {
                Finding("the display from the text alone differs from the grid's", valueText);
            }
        }
        const QString four = values.DisplayText(DisplayForm::FourDigitGroup, number);
        QString expected;
        for (int k = 0; k < 4; ++k) {
            expected += (k ? QStringLiteral("-") : QString()) + valueText.mid(k, 1);
        }
        if (four != expected) {
            Finding("the four-digit group does not show the value's characters", valueText);
        }
    }
}

void CheckText(const QString& text) {
    const std::optional<qint32> expected = Oracle(text);
    const std::optional<qint32> got = Converted(text);
    if (got != expected) {
        Finding(got ? "StrToInt accepted or misread a text" : "StrToInt refused a valid text",
                text);
    }
    if (got) {
        CheckRoundTrips(*got, text);
    }
    try {
        WordOf(text);
        SignedValueOf(text);
    } catch (const EConvertError&) {
    }
    CheckEdits(text);
    CheckTypedEntries(text);
    CheckDisplays(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CheckText(QString::fromLatin1(bytes));
    const QString utf8 = QString::fromUtf8(bytes);
    if (utf8 != QString::fromLatin1(bytes)) {
        CheckText(utf8);
    }
    return 0;
}
