#include "values/DriveValues.h"

#include "values/ValueForms.h"
#include "values/ValueWords.h"

#include <stdexcept>


namespace {
int CheckedSlot(quint16 number) {
    const int slot = SlotOf(number);
    if (slot < 0) {
        throw std::out_of_range("no value slot for parameter " + std::to_string(number));
    }
    return slot;
}


} // namespace

QString& stPM_STRING_SHEET::Value(quint16 number) { return Slots[CheckedSlot(number)]; }

const QString& stPM_STRING_SHEET::Value(quint16 number) const {
    return Slots[CheckedSlot(number)];
}

SheetField<QString> stPM_STRING_SHEET::Field(int sheetIndex) {
    const SheetRange* r = RangeOfSheet(sheetIndex);
    if (r == nullptr) {
        throw std::out_of_range("no value field for sheet " + std::to_string(sheetIndex));
    }
    return {Slots.data() + r->firstSlot, r->count};
}


std::array<QString, 4>* stPM_SYSTEM_STRING_SHEET::Digits(quint16 number) {
    const int block = DigitBlockOf(number);
    return block < 0 ? nullptr : &Blocks[block];
}


Pn904Words stPN904_BOUNDS::WordsOf(const ParameterRecord& record) const {
    const Pn904Words& kept = Slots[CheckedSlot(record.number)];
    return {record.min.FollowsPn904() ? kept.lower : quint16(0),
            record.max.FollowsPn904() ? kept.upper : quint16(0)};
}

void stPN904_BOUNDS::Keep(const ParameterRecord& record, const Pn904Words& words) {
    Pn904Words& kept = Slots[CheckedSlot(record.number)];
    if (record.min.FollowsPn904())
        kept.lower = words.lower;
    if (record.max.FollowsPn904())
        kept.upper = words.upper;
}

quint8& stPENDING_WRITE::Flag(quint16 number) { return Slots[CheckedSlot(number)]; }

quint8 stPENDING_WRITE::Flag(quint16 number) const { return Slots[CheckedSlot(number)]; }

void stPENDING_WRITE::LowerAll() { Slots.fill(0); }

void DriveValues::SplitDigits(quint16 number) {
    std::array<QString, 4>* block = PmSystemStringSheet.Digits(number);
    if (block != nullptr)
        *block = CharactersOf(PmStringSheet.Value(number));
}

void DriveValues::UpdateSignedValue(quint16 number) {
    const int index = SignedIndexOf(number);
    if (index >= 0)
        PmSignedValues[index] = SignedValueOf(PmStringSheet.Value(number));
}

void DriveValues::SetPn904Bounds(int sheetIndex) {
    if (!SheetFollowsPn904(sheetIndex))
        return;
    const quint16 pn904 = Pn904WordOf(PmStringSheet.Value(kPn904));
    for (const ParameterRecord& r : Records()) {
        if (r.sheet == sheetIndex && r.FollowsPn904())
            Pn904Bounds.Keep(r, Pn904WordsOf(r, pn904));
    }
}

QString DriveValues::DisplayText(DisplayForm form, quint16 number) const {
    switch (form) {
    case DisplayForm::Decimal:
        return DisplayTextOfValue(form, PmStringSheet.Value(number));
    case DisplayForm::SignedDecimal: {
        const int index = SignedIndexOf(number);
        return index >= 0 ? QString::number(PmSignedValues[index])
                          : DisplayTextOfValue(form, PmStringSheet.Value(number));
    }
    default: {
        // The digit characters of a digit-wise parameter, else the same
        // characters taken from its value text.
        const int block = DigitBlockOf(number);
        return DigitDisplay(form, block >= 0 ? PmSystemStringSheet.Blocks[block]
                                             : CharactersOf(PmStringSheet.Value(number)));
    }
    }
}

QString DriveValues::ShownMinimum(const ParameterRecord& record) const {
    return BoundTextsOf(record, Pn904Bounds.WordsOf(record)).minimum;
}

QString DriveValues::ShownMaximum(const ParameterRecord& record) const {
    return BoundTextsOf(record, Pn904Bounds.WordsOf(record)).maximum;
}

void DriveValues::Reset() {
    *this = DriveValues{};
}
