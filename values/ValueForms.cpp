#include "values/ValueForms.h"

#include "core/TarnError.h"

#include <array>

namespace {
[[noreturn]] void Fail(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

int HexDigit(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    return -1;
}

// Hex digits from `pos` to the end; the eighth significant digit lands in the
// sign bit, a ninth overflows.
bool ParseHex(const QString& text, int pos, quint32& value) {
    if (pos >= text.size()) {
        return false;
    }
    value = 0;
    for (; pos < text.size(); ++pos) {
        const int d = HexDigit(text[pos]);
        if (d < 0 || value > 0x0FFFFFFFu) {
            return false;
        }
        value = (value << 4) | static_cast<quint32>(d);
    }
    return true;
}

// Optional sign, then decimal digits to the end, within 32 bits signed.
bool ParseDecimal(const QString& text, int pos, qint64& value) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
    }
    if (pos >= text.size()) {
        return false;
    }
    value = 0;
    for (; pos < text.size(); ++pos) {
        const ushort u = text[pos].unicode();
        if (u < '0' || u > '9') {
            return false;
        }
        value = value * 10 + (u - '0');
        if (value > 2147483648LL) {
            return false;
        }
    }
    if (negative) {
        value = -value;
    }
    return value <= 2147483647LL;
}

// Length of a hex prefix at `pos` ("0x", "0X", "$", "x", "X"), or 0.
int HexPrefixAt(const QString& text, int pos) {
    const QStringView rest = QStringView(text).mid(pos);
    if (rest.startsWith(QLatin1String("0x")) || rest.startsWith(QLatin1String("0X"))) {
        return 2;
    }
    if (rest.startsWith(QLatin1Char('$')) || rest.startsWith(QLatin1Char('x')) ||
        rest.startsWith(QLatin1Char('X'))) {
        return 1;
    }
    return 0;
}

// Character k (1..4) of a text; empty beyond its end.
QString CharAt(const QString& text, int k) {
    return k <= text.size() ? text.mid(k - 1, 1) : QString();
}

} // namespace

std::array<QString, 4> CharactersOf(const QString& text) {
    return {CharAt(text, 1), CharAt(text, 2), CharAt(text, 3), CharAt(text, 4)};
}

namespace {

QString SignalSelectText(const std::array<QString, 4>& c) {
    const qint32 n = WordOf(c[1] + c[2]);
    const QString group = n <= 9 ? QLatin1Char('0') + c[2] : QString::number(n);
    return group + QLatin1Char('-') + c[3];
}

} // namespace

QString DigitDisplay(DisplayForm form, const std::array<QString, 4>& c) {
    switch (form) {
    case DisplayForm::ThreeDigitGroup:
        return c[1] + QLatin1Char('-') + c[2] + QLatin1Char('-') + c[3];
    case DisplayForm::TwoDigitGroup:
        return c[2] + QLatin1Char('-') + c[3];
    case DisplayForm::FourDigitGroup:
        return c[0] + QLatin1Char('-') + c[1] + QLatin1Char('-') + c[2] + QLatin1Char('-') + c[3];
    case DisplayForm::PairGroup:
        return c[0] + c[1] + QLatin1Char('-') + c[2] + c[3];
    default:
        return SignalSelectText(c);
    }
}

qint32 StrToInt(const QString& text) {
    int pos = 0;
    while (pos < text.size() && text[pos] == QLatin1Char(' ')) {
        ++pos;
    }
    if (const int prefix = HexPrefixAt(text, pos)) {
        quint32 value = 0;
        if (!ParseHex(text, pos + prefix, value)) {
            Fail(text);
        }
        return static_cast<qint32>(value);
    }
    qint64 value = 0;
    if (!ParseDecimal(text, pos, value)) {
        Fail(text);
    }
    return static_cast<qint32>(value);
}

qint32 WordOf(const QString& valueText) {
    return StrToInt(QStringLiteral("0x") + valueText);
}

quint16 Pn904WordOf(const QString& pn904Text) {
    return static_cast<quint16>(WordOf(pn904Text));
}

Pn904Words Pn904WordsFromText(const ParameterRecord& record, const QString& pn904Text) {
    return record.FollowsPn904() ? Pn904WordsOf(record, Pn904WordOf(pn904Text)) : Pn904Words{};
}

qint16 SignedValueOf(const QString& valueText) {
    return static_cast<qint16>(static_cast<quint16>(WordOf(valueText) & 0xFFFF));
}

QString HexText(qint32 n) {
    // The drive takes four digits, so a negative value within 16 bits goes as
    // its 16-bit two's complement; only a value no range admits needs eight.
    const quint32 bits = (n < 0 && n >= -32768) ? static_cast<quint16>(n) : static_cast<quint32>(n);
    return QStringLiteral("%1").arg(bits, 4, 16, QLatin1Char('0')).toUpper();
}

QString DisplayTextOfValue(DisplayForm form, const QString& valueText) {
    switch (form) {
    case DisplayForm::Decimal:
        return QString::number(WordOf(valueText));
    case DisplayForm::SignedDecimal:
        return QString::number(SignedValueOf(valueText));
    default:
        return DigitDisplay(form, CharactersOf(valueText));
    }
}

QString EditedValueText(DisplayForm form, const QString& typed) {
    const auto t = [&typed](int k) { return CharAt(typed, k); };
    switch (form) {
    case DisplayForm::Decimal:
    case DisplayForm::SignedDecimal:
        return HexText(StrToInt(typed));
    case DisplayForm::ThreeDigitGroup:
        return QLatin1Char('0') + t(1) + t(3) + t(5);
    case DisplayForm::TwoDigitGroup:
        return QLatin1String("00") + t(1) + t(3);
    case DisplayForm::FourDigitGroup:
        return t(1) + t(3) + t(5) + t(7);
    case DisplayForm::PairGroup:
        return t(1) + t(2) + t(4) + t(5);
    case DisplayForm::SignalSelect: {
        const qint32 n = StrToInt(t(1) + t(2));
        return QLatin1Char('0') + QStringLiteral("%1").arg(n, 2, 16, QLatin1Char('0')).toUpper() +
               t(4);
    }
    }
    return QString();
}
