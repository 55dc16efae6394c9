#pragma once

#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"

#include <QString>
#include <array>

// A view of one sheet's block of a per-slot array: element i is parameter
// first + i.
template <typename T> struct SheetField {
    T* data;
    int size;
    T& operator[](int i) const { return data[i]; }
};

// The value texts of all 309 parameters, slot by slot in range order.
// The named fields Pn0xx() .. Pn9xx() are views of the sheet blocks.
struct stPM_STRING_SHEET {
    std::array<QString, kSlotCount> Slots;

    // Value text of parameter `number`. Throws std::out_of_range when the
    // program holds no slot for it.
    QString& Value(quint16 number);
    const QString& Value(quint16 number) const;

    SheetField<QString> Field(int sheetIndex);
    SheetField<QString> Pn0xx() { return Field(0); }
    SheetField<QString> Pn1xx() { return Field(1); }
    SheetField<QString> Pn2xx() { return Field(2); }
    SheetField<QString> Pn3xx() { return Field(3); }
    SheetField<QString> Pn4xx() { return Field(4); }
    SheetField<QString> Pn5xx() { return Field(5); }
    SheetField<QString> Pn6xx() { return Field(6); }
    SheetField<QString> Pn7xx() { return Field(7); }
    SheetField<QString> Pn9xx() { return Field(9); }
};

// The four one-character digit texts of each digit-wise parameter,
// most significant hex digit first; empty where the value text is shorter.
struct stPM_SYSTEM_STRING_SHEET {
    std::array<std::array<QString, 4>, kDigitWiseParameters.size()> Blocks;

    // The block of `number`, or nullptr when it is not digit-wise.
    std::array<QString, 4>* Digits(quint16 number);
};

// Limits derived from Pn904 when sheets 3, 4 and 7 are read: for every
// record whose bounds follow Pn904 (the records say which), the 16-bit
// words of its two sides, 0 until its sheet is read. How each is compared
// is its record's business (ParameterBound).
struct stPN904_BOUNDS {
    std::array<Pn904Words, kSlotCount> Slots{};

    // The words of a record's bounds as last read with its sheet (0 for a
    // side that does not follow Pn904), and setting them.
    Pn904Words WordsOf(const ParameterRecord& record) const;
    void Keep(const ParameterRecord& record, const Pn904Words& words);
};

// One flag per slot: 1 = accepted by an edit, not yet written.
struct stPENDING_WRITE {
    std::array<quint8, kSlotCount> Slots{};
    quint8& Flag(quint16 number); // throws std::out_of_range without a slot
    quint8 Flag(quint16 number) const;
    void LowerAll();
};

// What the program holds of one drive's values: the value texts and the
// records derived from them, with the edit's pending flags. The derived
// records are refreshed by the one who stores a text, as each operation
// documents; a DriveValues sends nothing anywhere. The edit's checks on it
// are in editing/EditRules.h; a drive (drive/Drive.h) holds one.
class DriveValues {
public:
    stPM_STRING_SHEET PmStringSheet;
    stPM_SYSTEM_STRING_SHEET PmSystemStringSheet;
    std::array<qint16, kSignedParameters.size()> PmSignedValues{};
    stPN904_BOUNDS Pn904Bounds;
    stPENDING_WRITE PendingWrite;

    // Refresh the derived records from the parameter's value text; both do
    // nothing for a number outside their lists. UpdateSignedValue throws the
    // conversion error for a text that is not hexadecimal.
    void SplitDigits(quint16 number);
    void UpdateSignedValue(quint16 number);

    // Sets the Pn904Bounds words that reading sheet `sheetIndex` derives from
    // Pn904's stored value text, for every record of the sheet whose bounds
    // follow Pn904; nothing, and no conversion, for any other sheet. A text
    // that is not hexadecimal fails with EConvertError and leaves the words
    // as they were.
    void SetPn904Bounds(int sheetIndex);

    // The display text of parameter `number` in `form`, from the records
    // (value text for Decimal, PmSignedValues for Signed decimal, the digit
    // characters of PmSystemStringSheet for the group forms and Signal
    // select). Decimal and Signal select throw the conversion error on a bad
    // text.
    QString DisplayText(DisplayForm form, quint16 number) const;

    // The texts of the minimum and maximum columns of a catalogue row, with
    // the Pn904Bounds words last read with its sheet (BoundTextsOf).
    QString ShownMinimum(const ParameterRecord& record) const;
    QString ShownMaximum(const ParameterRecord& record) const;

    // Back to the state at start-up: every text empty, every number zero.
    void Reset();
};
