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

// The 30 digit-wise parameters, in the order of their blocks.
constexpr std::array<quint16, 30> kDigitWiseParameters{
    0,   109, 114, 200, 300, 400, 415, 500, 512, 525, 526, 527, 528, 529, 530,
    531, 532, 533, 534, 535, 536, 537, 538, 539, 602, 626, 700, 902, 909, 913};

// Block index of a digit-wise parameter, or -1.
int DigitBlockOf(quint16 number);

// The four one-character digit texts of each digit-wise parameter,
// most significant hex digit first; empty where the value text is shorter.
struct stPM_SYSTEM_STRING_SHEET {
    std::array<std::array<QString, 4>, kDigitWiseParameters.size()> Blocks;

    // The block of `number`, or nullptr when it is not digit-wise.
    std::array<QString, 4>* Digits(quint16 number);
};

// The 33 signed parameters, in the order of PmSignedValues.
constexpr std::array<quint16, 33> kSignedParameters{
    213, 304, 305, 306, 307, 308, 309, 310, 311, 403, 407, 502, 504, 506, 508, 509, 510,
    511, 908, 931, 932, 933, 939, 942, 943, 952, 953, 955, 956, 958, 959, 961, 962};

// Index into PmSignedValues of a signed parameter, or -1.
int SignedIndexOf(quint16 number);

// Limits derived from Pn904 when sheets 3, 4 and 7 are read; 16-bit words.
// How each is compared is its record's business (ParameterBound).
struct stPN904_BOUNDS {
    std::array<quint16, 8> Pn304to311Max{}; // v
    std::array<quint16, 8> Pn304to311Min{}; // -v
    quint16 Pn406Max = 0;                   // v
    quint16 Pn407Min = 0;                   // -v
    quint16 Pn708Max = 0;                   // v

    // The words of a record's bounds that follow Pn904, as last read with
    // its sheet (0 for a side that does not follow it), and setting them.
    // Both throw std::out_of_range for a bound that has no field here.
    Pn904Words WordsOf(const ParameterRecord& record) const;
    void Keep(const ParameterRecord& record, const Pn904Words& words);
};

// One flag per slot: 1 = accepted by an edit, not yet written.
struct stPENDING_WRITE {
    std::array<quint8, kSlotCount> Slots{};
    quint8& Flag(quint16 number); // throws std::out_of_range without a slot
    void LowerAll();
};

// The single instances, alive for the whole run.
extern stPM_STRING_SHEET PmStringSheet;
extern stPM_SYSTEM_STRING_SHEET PmSystemStringSheet;
extern std::array<qint16, kSignedParameters.size()> PmSignedValues;
extern stPN904_BOUNDS Pn904Bounds;
extern stPENDING_WRITE PendingWrite;

// Back to the state at start-up: every text empty, every number zero.
// The program itself never calls it; tests do between cases.
void ResetParameterRecords();
