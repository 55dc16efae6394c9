#include "editing/ReadSheet.h"

#include "catalogue/ParameterRecords.h"
#include "catalogue/SheetRanges.h"
#include "editing/ValueForms.h"
#include "link/DriveLink.h"

namespace {

constexpr quint16 kPn904 = 904;

bool ReadsPn904First(int sheetIndex) {
    return sheetIndex == 3 || sheetIndex == 4 || sheetIndex == 7;
}

bool RefreshesSignedValues(int sheetIndex) {
    return sheetIndex == 2 || sheetIndex == 3 || sheetIndex == 4 || sheetIndex == 5 ||
           sheetIndex == 9;
}

quint16 Pn904Word() {
    return static_cast<quint16>(WordOf(PmStringSheet.Value(kPn904)));
}

quint16 Pn904Negated() {
    return static_cast<quint16>(-WordOf(PmStringSheet.Value(kPn904)));
}

} // namespace

void SetPn904Bounds(int sheetIndex) {
    switch (sheetIndex) {
    case 3:
        for (std::size_t i = 0; i < Pn904Bounds.Pn304to311Max.size(); ++i) {
            Pn904Bounds.Pn304to311Max[i] = Pn904Word();
            Pn904Bounds.Pn304to311Min[i] = Pn904Negated();
        }
        break;
    case 4:
        Pn904Bounds.Pn406Max = Pn904Word();
        Pn904Bounds.Pn407Min = Pn904Negated();
        break;
    case 7:
        Pn904Bounds.Pn708Max = Pn904Word();
        break;
    default:
        break;
    }
}

void ReadSheet(int sheetIndex) {
    const SheetRange* range = RangeOfSheet(sheetIndex);
    if (range == nullptr)
        return;
    if (ReadsPn904First(sheetIndex)) {
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
