#pragma once

#include "catalogue/DisplayForm.h"

#include <QChar>
#include <QString>

// Tests on value texts that every part of the program shares, so a value
// means the same to the link, the files, the comparison and the change list.

// A hexadecimal digit, either case. Inline: the link, which builds on its
// own, uses it too.
constexpr bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}
inline bool IsHexDigit(QChar c) { return IsHexDigit(c.unicode()); }

// True when `text` is `minDigits` to `maxDigits` hexadecimal digits and
// nothing else. A value text the drive gives has four; an edit may make up
// to eight.
template <typename Text> bool IsHexText(const Text& text, int minDigits = 1, int maxDigits = 8) {
    if (text.size() < minDigits || text.size() > maxDigits)
        return false;
    for (const auto c : text)
        if (!IsHexDigit(static_cast<char16_t>(static_cast<unsigned char>(c))))
            return false;
    return true;
}
template <> inline bool IsHexText(const QString& text, int minDigits, int maxDigits) {
    if (text.size() < minDigits || text.size() > maxDigits)
        return false;
    for (const QChar c : text)
        if (!IsHexDigit(c))
            return false;
    return true;
}

// True when `a` and `b` stand for the same value: hexadecimal texts compare
// by the low 16 bits of their number, in any letter case ("0abc" = "0ABC");
// any other text ("None", empty) equals only itself. Sixteen bits because
// the drive keeps a 16-bit word: it stores the low four digits of a longer
// write, so two texts alike there leave the drive the same.
bool ValuesEqual(const QString& a, const QString& b);

// The display text of `valueText` in `form`, or the text itself where the
// form cannot show it (a failed read, "None"): what every list that names
// values shows.
QString DisplayOrRaw(DisplayForm form, const QString& valueText);
