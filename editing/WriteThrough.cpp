#include "editing/WriteThrough.h"

#include "catalogue/ParameterRecords.h"
#include "catalogue/SheetRanges.h"
#include "link/MainLink.h"

bool WritePending(quint16 number, const WriteObserver& observer) {
    quint8& flag = PendingWrite.Flag(number);
    if (flag == 0)
        return false;
    const QString valueText = PmStringSheet.Value(number);
    const bool failed = WriteParameter(number, valueText);
    if (!failed)
        flag = 0;
    if (observer)
        observer(number, valueText, failed);
    return failed;
}

std::optional<quint16> WriteThrough(int sheetIndex, const WriteObserver& observer) {
    const SheetRange* range = RangeOfSheet(sheetIndex);
    if (range == nullptr)
        return std::nullopt;
    for (int i = 0; i < range->count; ++i) {
        const quint16 number = static_cast<quint16>(range->first + i);
        if (WritePending(number, observer))
            return number;
    }
    return std::nullopt;
}
