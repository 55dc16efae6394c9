#include "catalogue/SheetRanges.h"

#include <QString>
#include <stdexcept>

static_assert(kSheetRanges.back().firstSlot + kSheetRanges.back().count == kSlotCount,
              "the ranges must cover exactly 309 slots");

const SheetRange* RangeOfSheet(int sheetIndex) {
    for (const SheetRange& r : kSheetRanges) {
        if (r.sheetIndex == sheetIndex) {
            return &r;
        }
    }
    return nullptr;
}

quint16 NumberOfSlot(int slot) {
    for (const SheetRange& r : kSheetRanges) {
        if (slot >= r.firstSlot && slot < r.firstSlot + r.count) {
            return static_cast<quint16>(r.first + (slot - r.firstSlot));
        }
    }
    throw std::out_of_range("no parameter slot " + std::to_string(slot));
}

QString PnName(quint16 number) {
    return QStringLiteral("Pn%1").arg(number, 3, 10, QLatin1Char('0'));
}
