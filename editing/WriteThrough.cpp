#include "editing/WriteThrough.h"

#include "catalogue/ParameterRecords.h"
#include "catalogue/SheetRanges.h"
#include "link/MainLink.h"

std::optional<quint16> WriteThrough(int sheetIndex) {
    const SheetRange* range = RangeOfSheet(sheetIndex);
    if (range == nullptr)
        return std::nullopt;
    for (int i = 0; i < range->count; ++i) {
        const quint16 number = static_cast<quint16>(range->first + i);
        quint8& flag = PendingWrite.Flag(number);
        if (flag == 0)
            continue;
        if (WriteParameter(number, PmStringSheet.Value(number)))
            return number;
        flag = 0;
    }
    return std::nullopt;
}
