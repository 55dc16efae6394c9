#pragma once

#include <QtGlobal>
#include <array>

class QString;

// The nine parameter ranges the program holds, in record, file and load
// order. Everything that needs "the slot of parameter n" derives it from
// this one table.
struct SheetRange {
    int sheetIndex;  // hundreds digit, 0..9 (no 8)
    quint16 first;   // first parameter number
    int count;       // numbers first .. first+count-1
    int firstSlot;   // slot of `first` in the 309-slot order (computed)
};

constexpr int kSlotCount = 309;

namespace sheet_ranges_detail {
// Slots follow one another range by range, so each first slot is the sum of
// the counts before it.
constexpr std::array<SheetRange, 9> WithSlots(std::array<SheetRange, 9> ranges) {
    int slot = 0;
    for (SheetRange& r : ranges) {
        r.firstSlot = slot;
        slot += r.count;
    }
    return ranges;
}
} // namespace sheet_ranges_detail

constexpr std::array<SheetRange, 9> kSheetRanges = sheet_ranges_detail::WithSlots({{
    {0, 0, 4, 0},
    {1, 100, 21, 0},
    {2, 200, 14, 0},
    {3, 300, 42, 0},
    {4, 400, 16, 0},
    {5, 500, 40, 0},
    {6, 600, 34, 0},
    {7, 700, 50, 0},
    {9, 900, 88, 0},
}});

// The range of a sheet index, or nullptr for sheet 8 and indices above 9.
const SheetRange* RangeOfSheet(int sheetIndex);

// Slot 0..308 of parameter `number`, or -1 when the program holds no slot.
constexpr int SlotOf(quint16 number) {
    for (const SheetRange& r : kSheetRanges) {
        if (number >= r.first && number < r.first + r.count) {
            return r.firstSlot + (number - r.first);
        }
    }
    return -1;
}

// Parameter number held in `slot` (0..308). Throws std::out_of_range.
quint16 NumberOfSlot(int slot);

// "Pn" and three digits, e.g. "Pn005".
QString PnName(quint16 number);
