#pragma once

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

// The characters a PDF's glyphs were laid out for, and the PDF's character
// maps (ToUnicode: what a reader's search, copy and screen reader take a
// glyph to say) set to them.
//
// The PDF writer builds a font's map by asking the font which code point
// has each glyph and keeping the lowest. A CJK face draws an ideograph and
// its radical with one glyph (立 and ⽴ U+2F74, 日 and ⽇ U+2F47), and the
// ideographic space with the em space's, so the map named the radical. The
// glyph alone cannot tell them apart; the text laid out can: every text
// painted is noted here, and each map entry that names a code point never
// printed is set to the printed character drawn with the same glyph.
class PdfTextMap {
public:
    // Notes `text` as painted in `font`.
    void Add(const QFont& font, const QString& text);

    // `pdf` (as the Qt PDF writer makes it: one cross-reference table, the
    // maps as plain streams) with its maps set to the printed characters.
    // A map entry without exactly one printed character of its glyph is
    // left as it was; a file of another structure is returned unchanged.
    QByteArray Fix(const QByteArray& pdf) const;

private:
    // For each code point of `named` (named by a map, never printed): the
    // printed character drawn with its glyph in the fonts used; none where
    // there is no such character or more than one.
    QHash<char32_t, char32_t> Replacements(const QSet<char32_t>& named) const;

    struct FontTexts {
        QFont font;
        QSet<char32_t> printed;
    };
    std::vector<FontTexts> fonts_;
    QHash<QString, int> fontIndex_; // QFont::key() → fonts_
    QSet<char32_t> printed_;        // in any font
};
