#include "core/QuotedText.h"

namespace {

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at `i`, or 0 when the byte there
// starts none (overlong forms and surrogates are not valid).
int SequenceLength(const QByteArray& bytes, qsizetype i) {
    const auto at = [&bytes](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char b = at(i);
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF)
        length = 2;
    else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        low = b == 0xE0 ? 0xA0 : 0x80;
        high = b == 0xED ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        low = b == 0xF0 ? 0x90 : 0x80;
        high = b == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (i + length > bytes.size() || at(i + 1) < low || at(i + 1) > high)
        return 0;
    for (int k = 2; k < length; ++k)
        if (!IsContinuation(at(i + k)))
            return 0;
    return length;
}

QString Escaped(unsigned char b) {
    return QStringLiteral("\\x") +
           QString::number(b, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

} // namespace

QString QuotedFileText(const QByteArray& bytes, int maxCharacters) {
    QString quoted;
    int characters = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        if (characters == maxCharacters)
            return quoted + QStringLiteral("…");
        const int length = SequenceLength(bytes, i);
        const QString character = length == 0 ? QString() : QString::fromUtf8(bytes.mid(i, length));
        const bool control =
            length != 0 && character.size() == 1 && character[0].category() == QChar::Other_Control;
        if (length == 0 || control) {
            // Each byte of it on its own.
            const qsizetype count = length == 0 ? 1 : length;
            for (qsizetype k = 0; k < count && characters < maxCharacters; ++k, ++characters)
                quoted += Escaped(static_cast<unsigned char>(bytes[i + k]));
            i += count;
            continue;
        }
        quoted += character;
        ++characters;
        i += length;
    }
    return quoted;
}
