#include "report/PdfTextMap.h"

#include <QMap>
#include <QRawFont>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace {

constexpr char32_t kNone = 0xFFFFFFFF;
constexpr int kEntriesPerSection = 100; // the most a CMap section may hold

quint32 GlyphOf(const QRawFont& font, char32_t c) {
    const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&c, 1));
    return glyphs.isEmpty() ? 0 : glyphs.front();
}

// ---- the cross-reference table -----------------------------------------

struct Xref {
    qsizetype tableAt = -1;         // where "xref" starts
    qsizetype startxrefAt = -1;     // where "startxref" starts
    std::vector<qsizetype> offsets; // per object number; -1 when free
};

std::optional<Xref> ReadXref(const QByteArray& pdf) {
    Xref xref;
    xref.startxrefAt = pdf.lastIndexOf("startxref");
    if (xref.startxrefAt < 0)
        return std::nullopt;
    bool ok = false;
    const QByteArray tail = pdf.mid(xref.startxrefAt + 9).trimmed();
    xref.tableAt = tail.left(tail.indexOf('\n')).trimmed().toLongLong(&ok);
    if (!ok || !pdf.mid(xref.tableAt).startsWith("xref"))
        return std::nullopt;
    // One subsection from object 0: "xref\n0 N\n" then N entries.
    static const QRegularExpression head(QStringLiteral("^xref\\s+0\\s+(\\d+)\\s+"));
    const QString start = QString::fromLatin1(pdf.mid(xref.tableAt, 40));
    const QRegularExpressionMatch m = head.match(start);
    if (!m.hasMatch())
        return std::nullopt;
    const int count = m.captured(1).toInt();
    qsizetype at = xref.tableAt + m.capturedLength(0);
    for (int i = 0; i < count; ++i, at += 20) {
        const QByteArray entry = pdf.mid(at, 20);
        if (entry.size() != 20 || (entry[17] != 'n' && entry[17] != 'f'))
            return std::nullopt;
        xref.offsets.push_back(entry[17] == 'n' ? entry.left(10).toLongLong() : -1);
    }
    return xref;
}

// The dictionary text of the object at `offset`: up to its stream or end.
QByteArray DictionaryAt(const QByteArray& pdf, qsizetype offset) {
    const qsizetype stream = pdf.indexOf("stream", offset);
    const qsizetype end = pdf.indexOf("endobj", offset);
    const qsizetype stop = stream < 0 ? end : (end < 0 ? stream : std::min(stream, end));
    return stop < 0 ? QByteArray() : pdf.mid(offset, stop - offset);
}

// ---- character maps ----------------------------------------------------

using CMap = QMap<quint32, QString>; // glyph code → text

QString TextOfHex(const QString& hex) {
    QString text;
    for (int i = 0; i + 4 <= hex.size(); i += 4)
        text += QChar(static_cast<char16_t>(hex.mid(i, 4).toUInt(nullptr, 16)));
    return text;
}

// The entries of one section's tokens: bfchar pairs, or bfrange triples
// (a range onto consecutive code points, or onto a list in brackets).
bool ReadSection(const QStringList& tokens, bool ranges, CMap& map) {
    const auto code = [](const QString& hex) { return hex.toUInt(nullptr, 16); };
    for (int i = 0; i < tokens.size();) {
        if (!ranges) {
            if (i + 1 >= tokens.size())
                return false;
            map[code(tokens[i])] = TextOfHex(tokens[i + 1]);
            i += 2;
            continue;
        }
        if (i + 2 >= tokens.size())
            return false;
        const quint32 first = code(tokens[i]);
        const quint32 last = code(tokens[i + 1]);
        if (tokens[i + 2] == QLatin1String("[")) {
            int at = i + 3;
            for (quint32 c = first; c <= last; ++c, ++at)
                map[c] = TextOfHex(tokens.value(at));
            if (tokens.value(at) != QLatin1String("]"))
                return false;
            i = at + 1;
        } else {
            QString text = TextOfHex(tokens[i + 2]);
            if (text.isEmpty())
                return false;
            for (quint32 c = first; c <= last; ++c) {
                map[c] = text;
                text.back() = QChar(static_cast<char16_t>(text.back().unicode() + 1));
            }
            i += 3;
        }
    }
    return true;
}

// The entries of a map as the writer makes it: bfrange and bfchar sections.
std::optional<CMap> ReadCMap(const QString& text) {
    static const QRegularExpression token(
        QStringLiteral("<([0-9A-Fa-f]*)>|\\[|\\]|beginbfrange|endbfrange|beginbfchar|endbfchar"));
    CMap map;
    bool inside = false;
    bool ranges = false;
    QStringList tokens;
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString t = m.captured(0);
        if (t.startsWith(QLatin1String("begin"))) {
            inside = true;
            ranges = t == QLatin1String("beginbfrange");
            tokens.clear();
        } else if (t.startsWith(QLatin1String("end"))) {
            if (!inside || !ReadSection(tokens, ranges, map))
                return std::nullopt;
            inside = false;
        } else if (inside) {
            tokens << (t.startsWith('<') ? m.captured(1) : t);
        }
    }
    if (inside)
        return std::nullopt;
    return map;
}

QByteArray Hex(const QString& text) {
    QByteArray hex;
    for (QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex;
}

// The map's text with its entries in bfchar sections, the head and end as
// `original` has them.
QByteArray WriteCMap(const QByteArray& original, const CMap& map) {
    qsizetype head = original.indexOf("beginbfrange");
    const qsizetype chars = original.indexOf("beginbfchar");
    if (head < 0 || (chars >= 0 && chars < head))
        head = chars;
    head = original.lastIndexOf('\n', head) + 1; // the section count's line
    const qsizetype end = original.indexOf("endcmap");
    QByteArray out = original.left(head);
    QByteArray section;
    int entries = 0;
    const auto flush = [&] {
        if (entries > 0)
            out += QByteArray::number(entries) + " beginbfchar\n" + section + "endbfchar\n";
        section.clear();
        entries = 0;
    };
    for (auto it = map.begin(); it != map.end(); ++it) {
        section += '<' + QByteArray::number(it.key(), 16).rightJustified(4, '0').toUpper() + "> <" +
                   Hex(it.value()) + ">\n";
        if (++entries == kEntriesPerSection)
            flush();
    }
    flush();
    return out + original.mid(end);
}

std::optional<char32_t> SingleCodePoint(const QString& text) {
    const QList<uint> points = text.toUcs4();
    if (points.size() != 1)
        return std::nullopt;
    return points.front();
}

// A replaced object: [start, end) of the file becomes `bytes`.
struct Splice {
    qsizetype start;
    qsizetype end;
    QByteArray bytes;
};

} // namespace

void PdfTextMap::Add(const QFont& font, const QString& text) {
    const QString key = font.key();
    auto found = fontIndex_.constFind(key);
    if (found == fontIndex_.constEnd()) {
        found = fontIndex_.insert(key, int(fonts_.size()));
        fonts_.push_back({font, {}});
    }
    QSet<char32_t>& printed = fonts_[*found].printed;
    for (const uint c : text.toUcs4()) {
        printed.insert(c);
        printed_.insert(c);
    }
}

QHash<char32_t, char32_t> PdfTextMap::Replacements(const QSet<char32_t>& named) const {
    QHash<char32_t, char32_t> replacements;
    for (const FontTexts& f : fonts_) {
        const QRawFont raw = QRawFont::fromFont(f.font);
        if (!raw.isValid())
            continue;
        QHash<quint32, char32_t> printedOf; // glyph → the printed character
        for (const char32_t c : f.printed) {
            const quint32 glyph = GlyphOf(raw, c);
            if (glyph != 0)
                printedOf[glyph] = printedOf.contains(glyph) ? kNone : c;
        }
        for (const char32_t u : named) {
            const char32_t c = printedOf.value(GlyphOf(raw, u), kNone);
            if (c == kNone)
                continue;
            const char32_t before = replacements.value(u, c);
            replacements[u] = before == c ? c : kNone;
        }
    }
    return replacements;
}

QByteArray PdfTextMap::Fix(const QByteArray& pdf) const {
    const std::optional<Xref> xref = ReadXref(pdf);
    if (!xref)
        return pdf;
    // The maps the fonts name, and what they hold.
    static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode\\s+(\\d+)\\s+0\\s+R"));
    static const QRegularExpression length(QStringLiteral("/Length\\s+(\\d+)\\s*>>"));
    struct Found {
        qsizetype start, dataStart, dataEnd, end;
        CMap map;
    };
    std::vector<Found> maps;
    QSet<char32_t> named; // code points the maps name that were never printed
    for (const qsizetype offset : xref->offsets) {
        if (offset < 0)
            continue;
        const QRegularExpressionMatch ref =
            toUnicode.match(QString::fromLatin1(DictionaryAt(pdf, offset)));
        if (!ref.hasMatch())
            continue;
        const std::size_t object = ref.captured(1).toULongLong();
        if (object >= xref->offsets.size() || xref->offsets[object] < 0)
            return pdf;
        Found found;
        found.start = xref->offsets[object];
        const QRegularExpressionMatch len =
            length.match(QString::fromLatin1(DictionaryAt(pdf, found.start)));
        const qsizetype stream = pdf.indexOf("stream\n", found.start);
        if (!len.hasMatch() || stream < 0)
            return pdf;
        found.dataStart = stream + 7;
        found.dataEnd = found.dataStart + len.captured(1).toLongLong();
        found.end = pdf.indexOf("endobj", found.dataEnd);
        if (found.end < 0)
            return pdf;
        const std::optional<CMap> map = ReadCMap(
            QString::fromLatin1(pdf.mid(found.dataStart, found.dataEnd - found.dataStart)));
        if (!map)
            return pdf;
        found.map = *map;
        for (const QString& text : found.map) {
            const std::optional<char32_t> u = SingleCodePoint(text);
            if (u && *u != 0 && !printed_.contains(*u))
                named.insert(*u);
        }
        maps.push_back(found);
    }
    const QHash<char32_t, char32_t> replacements = Replacements(named);
    std::vector<Splice> splices;
    for (Found& found : maps) {
        for (QString& text : found.map) {
            const std::optional<char32_t> u = SingleCodePoint(text);
            const char32_t c = u ? replacements.value(*u, kNone) : kNone;
            if (c != kNone)
                text = QString::fromUcs4(&c, 1);
        }
        const QByteArray cmap =
            WriteCMap(pdf.mid(found.dataStart, found.dataEnd - found.dataStart), found.map);
        const QByteArray head = pdf.mid(found.start, pdf.indexOf("<<", found.start) - found.start);
        splices.push_back({found.start, found.end,
                           head + "<< /Length " + QByteArray::number(cmap.size()) +
                               " >>\nstream\n" + cmap + "\nendstream\n"});
    }
    std::sort(splices.begin(), splices.end(),
              [](const Splice& a, const Splice& b) { return a.start < b.start; });
    // Everything after a replaced object moves by the change in its size.
    const auto moved = [&](qsizetype offset) {
        qsizetype shift = 0;
        for (const Splice& s : splices)
            shift += s.start < offset ? s.bytes.size() - (s.end - s.start) : 0;
        return offset + shift;
    };
    QByteArray out;
    out.reserve(pdf.size() + 4096);
    qsizetype at = 0;
    for (const Splice& s : splices) {
        out += pdf.mid(at, s.start - at) + s.bytes;
        at = s.end;
    }
    out += pdf.mid(at, xref->tableAt - at);
    out += "xref\n0 " + QByteArray::number(qsizetype(xref->offsets.size())) + '\n';
    for (const qsizetype offset : xref->offsets) {
        out += offset < 0
                   ? QByteArray("0000000000 65535 f \n")
                   : QByteArray::number(moved(offset)).rightJustified(10, '0') + " 00000 n \n";
    }
    const qsizetype trailer = pdf.indexOf("trailer", xref->tableAt);
    if (trailer < 0 || trailer > xref->startxrefAt)
        return pdf;
    out += pdf.mid(trailer, xref->startxrefAt - trailer);
    out += "startxref\n" + QByteArray::number(moved(xref->tableAt)) + "\n%%EOF\n";
    return out;
}
