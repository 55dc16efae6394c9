#include "catalogue/ParameterRecords.h"

#include <stdexcept>

stPM_STRING_SHEET PmStringSheet;
stPM_SYSTEM_STRING_SHEET PmSystemStringSheet;
std::array<qint16, kSignedParameters.size()> PmSignedValues{};
stPN904_BOUNDS Pn904Bounds;
stPENDING_WRITE PendingWrite;

namespace {
int CheckedSlot(quint16 number) {
    const int slot = SlotOf(number);
    if (slot < 0) {
        throw std::out_of_range("no value slot for parameter " + std::to_string(number));
    }
    return slot;
}

template <std::size_t N> int IndexIn(const std::array<quint16, N>& list, quint16 number) {
    for (std::size_t i = 0; i < N; ++i) {
        if (list[i] == number) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The field that keeps the word of one bound, const or not with `bounds`.
template <typename Bounds>
auto FieldOf(Bounds& bounds, quint16 number, bool upper) -> decltype(&bounds.Pn406Max) {
    if (number >= 304 && number <= 311) {
        return upper ? &bounds.Pn304to311Max[number - 304] : &bounds.Pn304to311Min[number - 304];
    }
    if (upper && number == 406) {
        return &bounds.Pn406Max;
    }
    if (upper && number == 708) {
        return &bounds.Pn708Max;
    }
    if (!upper && number == 407) {
        return &bounds.Pn407Min;
    }
    throw std::out_of_range("no Pn904 limit for parameter " + std::to_string(number));
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

int DigitBlockOf(quint16 number) { return IndexIn(kDigitWiseParameters, number); }

std::array<QString, 4>* stPM_SYSTEM_STRING_SHEET::Digits(quint16 number) {
    const int block = DigitBlockOf(number);
    return block < 0 ? nullptr : &Blocks[block];
}

int SignedIndexOf(quint16 number) { return IndexIn(kSignedParameters, number); }

Pn904Words stPN904_BOUNDS::WordsOf(const ParameterRecord& record) const {
    const auto kept = [&](const ParameterBound& bound, bool upper) -> quint16 {
        return bound.FollowsPn904() ? *FieldOf(*this, record.number, upper) : 0;
    };
    return {kept(record.min, false), kept(record.max, true)};
}

void stPN904_BOUNDS::Keep(const ParameterRecord& record, const Pn904Words& words) {
    if (record.min.FollowsPn904()) {
        *FieldOf(*this, record.number, false) = words.lower;
    }
    if (record.max.FollowsPn904()) {
        *FieldOf(*this, record.number, true) = words.upper;
    }
}

quint8& stPENDING_WRITE::Flag(quint16 number) { return Slots[CheckedSlot(number)]; }

void stPENDING_WRITE::LowerAll() { Slots.fill(0); }

void ResetParameterRecords() {
    PmStringSheet = stPM_STRING_SHEET{};
    PmSystemStringSheet = stPM_SYSTEM_STRING_SHEET{};
    PmSignedValues.fill(0);
    Pn904Bounds = stPN904_BOUNDS{};
    PendingWrite = stPENDING_WRITE{};
}
