#include "editing/EditRules.h"

#include "core/TarnError.h"
#include "catalogue/ParameterRecords.h"
#include "catalogue/SheetRanges.h"

#include <QStringList>
#include <stdexcept>

namespace {

const QString kPn904Text = QStringLiteral("Pn904");
const QString kMinusPn904Text = QStringLiteral("-Pn904");

qint64 Pn904Limit(quint16 number, bool upper) {
    if (number >= 304 && number <= 311) {
        const std::size_t i = number - 304;
        return upper ? static_cast<qint16>(Pn904Bounds.Pn304to311Max[i])
                     : static_cast<qint16>(Pn904Bounds.Pn304to311Min[i]);
    }
    if (upper && number == 406)
        return Pn904Bounds.Pn406Max;
    if (!upper && number == 407)
        return static_cast<qint16>(Pn904Bounds.Pn407Min);
    if (upper && number == 708)
        return Pn904Bounds.Pn708Max;
    throw std::out_of_range("no Pn904 limit for " + PnName(number).toStdString());
}

qint64 BoundOf(const CatalogueEntry& entry, bool upper) {
    const QString text = QString::fromUtf8(upper ? entry.maxText : entry.minText);
    if (text == kPn904Text || text == kMinusPn904Text)
        return Pn904Limit(entry.number, upper);
    return StrToInt(text);
}

// Compares parts with their limits, first part first.
bool PartsWithinLimits(const std::vector<qint32>& parts, const CatalogueEntry& entry) {
    const std::vector<qint32> minima = PartLimits(entry.minText);
    const std::vector<qint32> maxima = PartLimits(entry.maxText);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i >= maxima.size() || parts[i] > maxima[i] ||
            parts[i] < (i < minima.size() ? minima[i] : 0))
            return false;
    }
    return true;
}

EditOutcome Reject(const CatalogueEntry& entry) {
    return {EditVerdict::Rejected, RestoreText(entry)};
}

EditOutcome Judge(const CatalogueEntry& entry, const QString& newText, bool withinLimits) {
    if (!withinLimits)
        return Reject(entry);
    return {EditVerdict::Accepted, newText};
}

EditOutcome CheckNumber(const CatalogueEntry& entry, const QString& typed) {
    const qint32 n = StrToInt(typed);
    const QString newText = HexText(n);
    if (newText == PmStringSheet.Value(entry.number))
        return {EditVerdict::Unchanged, QString()};
    return Judge(entry, newText, n >= LowerBoundOf(entry) && n <= UpperBoundOf(entry));
}

// Three-, two- and four-digit groups: one digit at each odd position.
EditOutcome CheckDigitGroup(const CatalogueEntry& entry, const QString& typed, int digits) {
    const QString newText = EditedValueText(entry.form, typed);
    if (newText == PmStringSheet.Value(entry.number))
        return {EditVerdict::Unchanged, QString()};
    std::vector<qint32> parts;
    for (int i = 0; i < digits; ++i)
        parts.push_back(StrToInt(typed.mid(2 * i, 1)));
    return Judge(entry, newText, PartsWithinLimits(parts, entry));
}

// A pair group's characters become the value text as typed, so a blank
// position must fail like any other non-digit, although the conversion
// itself would skip a leading space.
qint32 PairValue(const QString& group) {
    if (group.contains(QLatin1Char(' ')))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(group));
    return StrToInt(group);
}

// "dd-dd": both groups are converted before either is compared.
EditOutcome CheckPairGroup(const CatalogueEntry& entry, const QString& typed) {
    const QString newText = EditedValueText(entry.form, typed);
    if (newText == PmStringSheet.Value(entry.number))
        return {EditVerdict::Unchanged, QString()};
    const std::vector<qint32> parts{PairValue(typed.mid(0, 2)), PairValue(typed.mid(3, 2))};
    return Judge(entry, newText, PartsWithinLimits(parts, entry));
}

// "dd-d": the signal group is converted first; the last digit only once the
// group is within its limit.
EditOutcome CheckSignalSelect(const CatalogueEntry& entry, const QString& typed) {
    const qint32 group = StrToInt(typed.mid(0, 2));
    const QString newText = EditedValueText(entry.form, typed);
    if (newText == PmStringSheet.Value(entry.number))
        return {EditVerdict::Unchanged, QString()};
    if (!PartsWithinLimits({group}, entry))
        return Reject(entry);
    const qint32 last = StrToInt(typed.mid(3, 1));
    return Judge(entry, newText, PartsWithinLimits({group, last}, entry));
}

} // namespace

EditOutcome CheckEdit(const CatalogueEntry& entry, const QString& typed) {
    switch (entry.form) {
    case DisplayForm::Decimal:
    case DisplayForm::SignedDecimal:
        return CheckNumber(entry, typed);
    case DisplayForm::ThreeDigitGroup:
        return CheckDigitGroup(entry, typed, 3);
    case DisplayForm::TwoDigitGroup:
        return CheckDigitGroup(entry, typed, 2);
    case DisplayForm::FourDigitGroup:
        return CheckDigitGroup(entry, typed, 4);
    case DisplayForm::PairGroup:
        return CheckPairGroup(entry, typed);
    case DisplayForm::SignalSelect:
        return CheckSignalSelect(entry, typed);
    }
    return {EditVerdict::Unchanged, QString()};
}

QString RestoreText(const CatalogueEntry& entry) {
    if (entry.form != DisplayForm::SignalSelect)
        return DisplayText(entry.form, entry.number);
    const std::array<QString, 4>* digits = PmSystemStringSheet.Digits(entry.number);
    if (digits == nullptr)
        throw std::out_of_range(PnName(entry.number).toStdString() + " is not digit-wise");
    const qint32 group = WordOf((*digits)[1] + (*digits)[2]);
    return QString::number(group) + QLatin1Char('-') + (*digits)[3];
}

void StoreAcceptedEdit(const CatalogueEntry& entry, const QString& valueText) {
    PmStringSheet.Value(entry.number) = valueText;
    if (entry.form == DisplayForm::SignedDecimal)
        UpdateSignedValue(entry.number);
    else if (entry.form != DisplayForm::Decimal)
        SplitDigits(entry.number);
    PendingWrite.Flag(entry.number) = 1;
}

qint64 LowerBoundOf(const CatalogueEntry& entry) {
    return BoundOf(entry, false);
}

qint64 UpperBoundOf(const CatalogueEntry& entry) {
    return BoundOf(entry, true);
}

std::vector<qint32> PartLimits(const char* boundText) {
    std::vector<qint32> limits;
    const QStringList parts = QString::fromUtf8(boundText).split(QLatin1Char('-'));
    for (const QString& part : parts)
        limits.push_back(StrToInt(part));
    return limits;
}
