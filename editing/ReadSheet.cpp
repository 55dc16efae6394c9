#include "editing/ReadSheet.h"

#include "catalogue/ParameterRecords.h"
#include "catalogue/SheetRanges.h"
#include "editing/Pn904Limits.h"
#include "editing/ValueForms.h"
#include "link/MainLink.h"

namespace {

constexpr quint16 kPn904 = 904;

bool RefreshesSignedValues(int sheetIndex) {
    return sheetIndex == 2 || sheetIndex == 3 || sheetIndex == 4 || sheetIndex == 5 ||
           sheetIndex == 9;
}

} // namespace

void ReadSheet(int sheetIndex) {
    const SheetRange* range = RangeOfSheet(sheetIndex);
    if (range == nullptr)
        return;
    if (SheetFollowsPn904(sheetIndex)) {
        PmStringSheet.Value(kPn904) = ReadParameter(kPn904);
        SetPn904Bounds(sheetIndex);
    }
    const bool signedValues = RefreshesSignedValues(sheetIndex);
    for (int i = 0; i < range->count; ++i) {
        const quint16 number = static_cast<quint16>(range->first + i);
        PmStringSheet.Value(number) = ReadParameter(number);
        SplitDigits(number);
        if (signedValues)
            UpdateSignedValue(number);
    }
}
