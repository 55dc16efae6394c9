#include "catalogue/ParameterRecord.h"

#include "catalogue/CatalogueRow.h"
#include "catalogue/CatalogueSheet3.h"
#include "catalogue/CatalogueSheet6.h"
#include "catalogue/CatalogueSheet7.h"
#include "catalogue/CatalogueSheet9.h"
#include "catalogue/CatalogueSheets0to2.h"
#include "catalogue/CatalogueSheets4to5.h"

#include <stdexcept>

namespace {

using Table = std::array<ParameterRecord, kSlotCount>;

template <std::size_t N> constexpr void PutRows(Table& table, const CatalogueRow (&rows)[N]) {
    for (const CatalogueRow& row : rows) {
        const int slot = SlotOf(row.number);
        if (slot < 0 || table[slot].HasRule()) {
            throw std::invalid_argument("a catalogue row without a slot, or a second one");
        }
        table[slot] = RecordOfRow(row);
    }
}

constexpr Table BuildRecords() {
    Table table{};
    for (const SheetRange& range : kSheetRanges) {
        for (int i = 0; i < range.count; ++i) {
            ParameterRecord& r = table[range.firstSlot + i];
            r.number = static_cast<quint16>(range.first + i);
            r.sheet = range.sheetIndex;
        }
    }
    PutRows(table, catalogue_data::kSheets0to2);
    PutRows(table, catalogue_data::kSheet3);
    PutRows(table, catalogue_data::kSheets4to5);
    PutRows(table, catalogue_data::kSheet6);
    PutRows(table, catalogue_data::kSheet7);
    for (const HeldForm& held : catalogue_data::kSheet9Forms) {
        table[SlotOf(held.number)].form = held.form;
    }
    return table;
}

constexpr Table kRecords = BuildRecords();

// The records of the forms in `wanted`, in slot order, must be exactly
// `list`: the order of the derived value records follows the file order.
template <std::size_t N>
constexpr bool ListsTheForms(const std::array<quint16, N>& list, bool digitWise) {
    std::size_t next = 0;
    for (const ParameterRecord& r : kRecords) {
        const bool wanted = digitWise ? IsDigitWise(r.form) : r.form == DisplayForm::SignedDecimal;
        if (!wanted) {
            continue;
        }
        if (next == N || list[next] != r.number) {
            return false;
        }
        ++next;
    }
    return next == N;
}

static_assert(ListsTheForms(kSignedParameters, false),
              "kSignedParameters must list the Signed decimal records in slot order");
static_assert(ListsTheForms(kDigitWiseParameters, true),
              "kDigitWiseParameters must list the digit-wise records in slot order");

} // namespace

const ParameterRecord* RecordOf(quint16 number) {
    const int slot = SlotOf(number);
    return slot < 0 ? nullptr : &kRecords[slot];
}

const std::array<ParameterRecord, kSlotCount>& Records() {
    return kRecords;
}

Pn904Words Pn904WordsOf(const ParameterRecord& record, quint16 pn904) {
    const auto wordOf = [pn904](const ParameterBound& b) -> quint16 {
        if (b.kind == BoundKind::Pn904) {
            return pn904;
        }
        return b.kind == BoundKind::MinusPn904 ? static_cast<quint16>(-pn904) : 0;
    };
    return {wordOf(record.min), wordOf(record.max)};
}

qint64 LimitOf(const ParameterBound& bound, quint16 word) {
    switch (bound.kind) {
    case BoundKind::Fixed:
        return bound.value;
    case BoundKind::Pn904:
    case BoundKind::MinusPn904:
        return bound.signedWord ? qint64(static_cast<qint16>(word)) : qint64(word);
    default:
        throw std::logic_error("a bound without a single limit");
    }
}

bool SheetFollowsPn904(int sheetIndex) {
    for (const ParameterRecord& r : kRecords) {
        if (r.sheet == sheetIndex && r.FollowsPn904()) {
            return true;
        }
    }
    return false;
}

namespace {
template <std::size_t N> int IndexIn(const std::array<quint16, N>& list, quint16 number) {
    for (std::size_t i = 0; i < N; ++i) {
        if (list[i] == number) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
} // namespace

int DigitBlockOf(quint16 number) { return IndexIn(kDigitWiseParameters, number); }

int SignedIndexOf(quint16 number) { return IndexIn(kSignedParameters, number); }
