#include "editing/EditMasks.h"

#include "catalogue/Catalogue.h"
#include "catalogue/SheetRanges.h"

namespace {

// The mask of a form: one "0" per digit place, the dashes of its display.
const char* MaskOf(DisplayForm form) {
    switch (form) {
    case DisplayForm::ThreeDigitGroup:
        return "0-0-0";
    case DisplayForm::TwoDigitGroup:
        return "0-0";
    case DisplayForm::FourDigitGroup:
        return "0-0-0-0";
    case DisplayForm::PairGroup:
        return "00-00";
    case DisplayForm::SignalSelect:
        return "00-0";
    default:
        return "";
    }
}

// The record a value cell stands for. Sheet 9 is never filled, yet its
// editor keeps the masks of its digit-wise numbers at the row of their
// place in the sheet's range (Pn902 at row 2).
const ParameterRecord* RecordOfCell(int sheetIndex, int row) {
    if (sheetIndex != 9)
        return EntryAtRow(sheetIndex, row);
    const SheetRange* range = RangeOfSheet(sheetIndex);
    return row >= 0 && row < range->count ? RecordOf(static_cast<quint16>(range->first + row))
                                          : nullptr;
}

} // namespace

QString EditMaskOf(int sheetIndex, int col, int row) {
    if (col != kValueColumn)
        return QString();
    const ParameterRecord* record = RecordOfCell(sheetIndex, row);
    return record ? QString::fromLatin1(MaskOf(record->form)) : QString();
}
