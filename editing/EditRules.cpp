#include "editing/EditRules.h"

#include "core/TarnError.h"
#include "values/ValueForms.h"

#include <optional>
#include <stdexcept>
#include <vector>

namespace {

// An entry once converted: the value text it makes and whether it keeps
// within the rule.
struct Judged {
    QString newText;
    bool within;
};

bool NumberWithin(qint64 n, const ParameterRecord& record, const Pn904Words& words) {
    return n >= LimitOf(record.min, words.lower) && n <= LimitOf(record.max, words.upper);
}

// Compares parts with their limits, first part first.
bool PartsWithin(const std::vector<qint32>& parts, const ParameterRecord& record) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const int part = static_cast<int>(i);
        if (part >= record.max.partCount || parts[i] > record.max.parts[i] ||
            parts[i] < (part < record.min.partCount ? record.min.parts[i] : 0))
            return false;
    }
    return true;
}

// A pair group's characters become the value text as typed, so a blank
// position must fail like any other non-digit, although the conversion
// itself would skip a leading space.
qint32 PairValue(const QString& group) {
    if (group.contains(QLatin1Char(' ')))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(group));
    return StrToInt(group);
}

// Converts and judges `typed` the way the row's rule does, step by step in
// the edit's order. `stored` is the text to compare with (nullptr: none);
// an entry that makes exactly that text is unchanged (nullopt) and goes no
// further.
std::optional<Judged> Judge(const ParameterRecord& record, const QString& typed,
                            const QString* stored, const Pn904Words& words) {
    const auto same = [stored](const QString& text) { return stored && text == *stored; };
    switch (record.form) {
    case DisplayForm::Decimal:
    case DisplayForm::SignedDecimal: {
        const qint32 n = StrToInt(typed);
        const QString newText = HexText(n);
        if (same(newText))
            return std::nullopt;
        return Judged{newText, NumberWithin(n, record, words)};
    }
    case DisplayForm::ThreeDigitGroup:
    case DisplayForm::TwoDigitGroup:
    case DisplayForm::FourDigitGroup: {
        // One digit at each odd position.
        const QString newText = EditedValueText(record.form, typed);
        if (same(newText))
            return std::nullopt;
        std::vector<qint32> parts;
        for (int i = 0; i < record.max.partCount; ++i)
            parts.push_back(StrToInt(typed.mid(2 * i, 1)));
        return Judged{newText, PartsWithin(parts, record)};
    }
    case DisplayForm::PairGroup: {
        // "dd-dd": both groups are converted before either is compared.
        const QString newText = EditedValueText(record.form, typed);
        if (same(newText))
            return std::nullopt;
        const std::vector<qint32> parts{PairValue(typed.mid(0, 2)), PairValue(typed.mid(3, 2))};
        return Judged{newText, PartsWithin(parts, record)};
    }
    case DisplayForm::SignalSelect: {
        // "dd-d": the signal group is converted first; the last digit only
        // once the group is within its limit.
        const qint32 group = StrToInt(typed.mid(0, 2));
        const QString newText = EditedValueText(record.form, typed);
        if (same(newText))
            return std::nullopt;
        if (!PartsWithin({group}, record))
            return Judged{newText, false};
        const qint32 last = StrToInt(typed.mid(3, 1));
        return Judged{newText, PartsWithin({group, last}, record)};
    }
    }
    return std::nullopt;
}

// Whether the value as the grid shows it keeps within the rule; throws
// EConvertError where the display, or typing it back, would.
bool ValueWithin(const ParameterRecord& record, const QString& valueText, const Pn904Words& words) {
    const auto c = [&valueText](int k) { return valueText.mid(k - 1, 1); };
    const auto digit = [&c](int k) { return StrToInt(c(k)); };
    switch (record.form) {
    case DisplayForm::Decimal:
        return NumberWithin(WordOf(valueText), record, words);
    case DisplayForm::SignedDecimal:
        return NumberWithin(SignedValueOf(valueText), record, words);
    case DisplayForm::ThreeDigitGroup:
        return PartsWithin({digit(2), digit(3), digit(4)}, record);
    case DisplayForm::TwoDigitGroup:
        return PartsWithin({digit(3), digit(4)}, record);
    case DisplayForm::FourDigitGroup:
        return PartsWithin({digit(1), digit(2), digit(3), digit(4)}, record);
    case DisplayForm::PairGroup:
        return PartsWithin({PairValue(c(1) + c(2)), PairValue(c(3) + c(4))}, record);
    case DisplayForm::SignalSelect:
        // The grid shows the group in decimal, so it is typed back as that.
        return PartsWithin({WordOf(c(2) + c(3)), digit(4)}, record);
    }
    return false;
}

} // namespace

TypedEntry JudgeEntry(const ParameterRecord& record, const QString& typed, const Pn904Words& words,
                      const QString* held) {
    if (!record.HasRule())
        return {EditVerdict::Rejected, QString()};
    const std::optional<Judged> judged = Judge(record, typed, held, words);
    if (!judged)
        return {EditVerdict::Unchanged, QString()};
    return {judged->within ? EditVerdict::Accepted : EditVerdict::Rejected, judged->newText};
}

ValueStanding StandingOf(const ParameterRecord& record, const QString& valueText,
                         const QString& pn904Text) {
    if (!record.HasRule() || valueText.isEmpty() || valueText == QLatin1String("None"))
        return ValueStanding::Unjudged;
    Pn904Words words;
    try {
        DisplayTextOfValue(record.form, valueText);
    } catch (const EConvertError&) {
        return ValueStanding::Outside;
    }
    try {
        words = Pn904WordsFromText(record, pn904Text);
    } catch (const EConvertError&) {
        return ValueStanding::Unjudged;
    }
    try {
        return ValueWithin(record, valueText, words) ? ValueStanding::Within
                                                     : ValueStanding::Outside;
    } catch (const EConvertError&) {
        return ValueStanding::Outside;
    }
}

QString RestoreText(const DriveValues& values, const ParameterRecord& record) {
    if (record.form != DisplayForm::SignalSelect)
        return values.DisplayText(record.form, record.number);
    const int block = DigitBlockOf(record.number);
    if (block < 0)
        throw std::out_of_range(PnName(record.number).toStdString() + " is not digit-wise");
    const std::array<QString, 4>& digits = values.PmSystemStringSheet.Blocks[block];
    const qint32 group = WordOf(digits[1] + digits[2]);
    return QString::number(group) + QLatin1Char('-') + digits[3];
}

void StoreAcceptedEdit(DriveValues& values, const ParameterRecord& record,
                       const QString& valueText) {
    values.PmStringSheet.Value(record.number) = valueText;
    if (record.form == DisplayForm::SignedDecimal)
        values.UpdateSignedValue(record.number);
    else if (record.form != DisplayForm::Decimal)
        values.SplitDigits(record.number);
    values.PendingWrite.Flag(record.number) = 1;
}

qint64 LowerBoundOf(const DriveValues& values, const ParameterRecord& record) {
    return LimitOf(record.min, values.Pn904Bounds.WordsOf(record).lower);
}

qint64 UpperBoundOf(const DriveValues& values, const ParameterRecord& record) {
    return LimitOf(record.max, values.Pn904Bounds.WordsOf(record).upper);
}
