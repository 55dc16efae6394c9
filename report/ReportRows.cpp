#include "report/ReportRows.h"

#include "catalogue/Catalogue.h"
#include "catalogue/SheetRanges.h"
#include "core/TarnError.h"
#include "editing/EditRules.h"
#include "editing/ValueForms.h"
#include "report/ReportGlosses.h"

#include <vector>

// The grid's own display and rule code reads the global records (the digit
// characters, the signed values, the Pn904 limits of the last sheet read).
// A report is made of values that were never read into them, so the same
// rules are applied here to the value texts themselves.

namespace {

enum class Verdict { Within, Outside, Unjudged };

const QString kNone = QStringLiteral("None");

// Character k (1..4) of a value text; empty beyond its end.
QString CharAt(const QString& text, int k) {
    return k <= text.size() ? text.mid(k - 1, 1) : QString();
}

QString Dashed(std::initializer_list<QString> parts) {
    QStringList list(parts);
    return list.join(QLatin1Char('-'));
}

// What the value column shows for `valueText` in `form`, as the grid shows
// it once these values have been read. Throws EConvertError where the grid's
// fill would.
QString DisplayOf(DisplayForm form, const QString& v) {
    const auto c = [&v](int k) { return CharAt(v, k); };
    switch (form) {
    case DisplayForm::Decimal:
        return QString::number(WordOf(v));
    case DisplayForm::SignedDecimal:
        return QString::number(SignedValueOf(v));
    case DisplayForm::ThreeDigitGroup:
        return Dashed({c(2), c(3), c(4)});
    case DisplayForm::TwoDigitGroup:
        return Dashed({c(3), c(4)});
    case DisplayForm::FourDigitGroup:
        return Dashed({c(1), c(2), c(3), c(4)});
    case DisplayForm::PairGroup:
        return Dashed({c(1) + c(2), c(3) + c(4)});
    case DisplayForm::SignalSelect: {
        const qint32 n = WordOf(c(2) + c(3));
        return Dashed({n <= 9 ? QLatin1Char('0') + c(3) : QString::number(n), c(4)});
    }
    }
    return v;
}

bool IsPn904Text(const char* bound) {
    return qstrcmp(bound, "Pn904") == 0 || qstrcmp(bound, "-Pn904") == 0;
}

// The number a bound that follows Pn904 stands for: Pn904's word or its
// 16-bit negation, read signed for Pn304..Pn311 and Pn407's minimum and
// unsigned for the maxima of Pn406 and Pn708, as the grid shows and the edit
// checks them. Empty when Pn904 has no hexadecimal value.
std::optional<qint64> Pn904Bound(quint16 number, bool upper, const QString& pn904Text) {
    qint32 word = 0;
    try {
        word = WordOf(pn904Text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
    const quint16 value = static_cast<quint16>(word);
    const quint16 negated = static_cast<quint16>(-word);
    if (number >= 304 && number <= 311)
        return static_cast<qint16>(upper ? value : negated);
    if (!upper && number == 407)
        return static_cast<qint16>(negated);
    if (upper && (number == 406 || number == 708))
        return value;
    return std::nullopt;
}

// A bound of a decimal row as a number; empty when it follows a Pn904
// without a value.
std::optional<qint64> BoundOf(const CatalogueEntry& e, bool upper, const QString& pn904Text) {
    const char* text = upper ? e.maxText : e.minText;
    if (IsPn904Text(text))
        return Pn904Bound(e.number, upper, pn904Text);
    return StrToInt(QString::fromUtf8(text));
}

QString ShownBound(const CatalogueEntry& e, bool upper, const QString& pn904Text) {
    const char* text = upper ? e.maxText : e.minText;
    if (IsPn904Text(text)) {
        if (const std::optional<qint64> bound = Pn904Bound(e.number, upper, pn904Text))
            return QString::number(*bound);
    }
    return QString::fromUtf8(text);
}

// A single decimal digit, as the editor's mask lets one through; -1 for
// anything else (a hex letter, a missing character).
qint32 DigitOf(const QString& c) {
    return c.size() == 1 && c[0].isDigit() ? c[0].digitValue() : -1;
}

qint32 PairOf(const QString& a, const QString& b) {
    const qint32 high = DigitOf(a);
    const qint32 low = DigitOf(b);
    return high < 0 || low < 0 ? -1 : high * 10 + low;
}

// The parts an edit of the shown text would check, in limit order; a part
// the editor could not have typed is -1.
std::vector<qint32> PartsOf(DisplayForm form, const QString& v) {
    const auto c = [&v](int k) { return CharAt(v, k); };
    switch (form) {
    case DisplayForm::ThreeDigitGroup:
        return {DigitOf(c(2)), DigitOf(c(3)), DigitOf(c(4))};
    case DisplayForm::TwoDigitGroup:
        return {DigitOf(c(3)), DigitOf(c(4))};
    case DisplayForm::FourDigitGroup:
        return {DigitOf(c(1)), DigitOf(c(2)), DigitOf(c(3)), DigitOf(c(4))};
    case DisplayForm::PairGroup:
        return {PairOf(c(1), c(2)), PairOf(c(3), c(4))};
    case DisplayForm::SignalSelect:
        // The group is held as two hex digits of the decimal number typed.
        return {c(3).isEmpty() ? -1 : WordOf(c(2) + c(3)), DigitOf(c(4))};
    default:
        return {};
    }
}

Verdict JudgeParts(const CatalogueEntry& e, const QString& v) {
    const std::vector<qint32> parts = PartsOf(e.form, v);
    const std::vector<qint32> minima = PartLimits(e.minText);
    const std::vector<qint32> maxima = PartLimits(e.maxText);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const qint32 low = i < minima.size() ? minima[i] : 0;
        if (parts[i] < 0 || i >= maxima.size() || parts[i] < low || parts[i] > maxima[i])
            return Verdict::Outside;
    }
    return Verdict::Within;
}

// Whether typing the shown value back would pass the row's edit rule.
// Throws EConvertError when the value text is not hexadecimal.
Verdict Judge(const CatalogueEntry& e, const QString& v, const QString& pn904Text) {
    if (e.form != DisplayForm::Decimal && e.form != DisplayForm::SignedDecimal)
        return JudgeParts(e, v);
    const qint64 n = e.form == DisplayForm::Decimal ? WordOf(v) : SignedValueOf(v);
    const std::optional<qint64> low = BoundOf(e, false, pn904Text);
    const std::optional<qint64> high = BoundOf(e, true, pn904Text);
    if (!low || !high)
        return Verdict::Unjudged;
    return n >= *low && n <= *high ? Verdict::Within : Verdict::Outside;
}

void Resolve(const CatalogueEntry& e, const QString& pn904Text, ReportRow& row) {
    row.minText = ShownBound(e, false, pn904Text);
    row.maxText = ShownBound(e, true, pn904Text);
    row.noValue = row.valueText.isEmpty() || row.valueText == kNone;
    if (row.noValue) {
        row.display = report_text::kNoValue;
        return;
    }
    Verdict verdict = Verdict::Outside;
    try {
        row.display = DisplayOf(e.form, row.valueText);
        verdict = Judge(e, row.valueText, pn904Text);
    } catch (const EConvertError&) {
        // Not a value the drive or a file should give: shown as it stands.
        row.display = row.valueText;
    }
    row.outOfRange = verdict == Verdict::Outside;
    if (verdict != Verdict::Unjudged)
        row.inRange = row.outOfRange ? QStringLiteral("no") : QStringLiteral("yes");
}

} // namespace

std::optional<GridRow> GridRowOf(quint16 number, const QString& valueText,
                                 const QString& pn904Text) {
    const CatalogueEntry* e = EntryOf(number);
    if (e == nullptr || e->row < 1)
        return std::nullopt;
    GridRow grid;
    grid.sheet = e->sheet;
    grid.row = e->row;
    ReportRow& row = grid.texts;
    row.number = PnName(number);
    row.description = QString::fromUtf8(e->description);
    row.gloss = GlossOf(number);
    row.controlMode = QString::fromUtf8(e->controlMode);
    row.unit = QString::fromUtf8(e->unit);
    row.valueText = valueText;
    Resolve(*e, pn904Text, row);
    return grid;
}
