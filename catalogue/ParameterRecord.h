#pragma once

#include "catalogue/DisplayForm.h"
#include "catalogue/SheetRanges.h"

#include <QtGlobal>
#include <array>

// What the program knows about one parameter, apart from its value: one
// record for each of the 309 numbers it holds a slot for. The values
// themselves live in the records of ParameterRecords.h.
//
// A number the catalogue lists carries its grid row (or none, Pn724), its
// texts, form and bounds, and so an edit rule. Any other number carries its
// number and sheet, no row, empty texts, no bounds and no rule,
// TakesEffect::Unknown, and the form its value is kept in: Signed decimal
// or a digit group for the Pn9xx numbers kept signed or digit by digit,
// Decimal for the rest.
//
// Records are built at compile time and never change: reading them is safe
// from any thread.

// When a new value takes effect, from the mark of the control-mode text:
// "(立即)" at once, "(重開機)" after the drive is restarted.
enum class TakesEffect : quint8 { Unknown, Immediately, AfterRestart };

enum class BoundKind : quint8 {
    None,       // no catalogue entry
    Fixed,      // a number
    Digits,     // one limit per digit (or two-digit group), first first
    Pn904,      // the word of Pn904 as read with the sheet
    MinusPn904, // its 16-bit negation
};

// One side of a record's range, parsed from the catalogue's text.
struct ParameterBound {
    BoundKind kind = BoundKind::None;
    const char* text = ""; // as the catalogue writes it (UTF-8)
    qint32 value = 0;      // Fixed
    std::array<qint32, 4> parts{};
    int partCount = 0;       // Digits
    bool signedWord = false; // Pn904 kinds: the word is read as signed 16 bits

    constexpr bool FollowsPn904() const {
        return kind == BoundKind::Pn904 || kind == BoundKind::MinusPn904;
    }
};

struct ParameterRecord {
    quint16 number = 0;
    int sheet = 0;                // the hundreds digit
    int row = 0;                  // grid row 1.. of its sheet; 0: shown by no row
    const char* description = ""; // texts in UTF-8, as the grid shows them
    const char* gloss = "";       // English rendering; empty where there is none
    const char* controlMode = "";
    TakesEffect takesEffect = TakesEffect::Unknown;
    DisplayForm form = DisplayForm::Decimal;
    const char* unit = "";
    ParameterBound min;
    ParameterBound max;

    // Exactly the catalogued numbers have bounds and so an edit rule.
    constexpr bool HasRule() const { return min.kind != BoundKind::None; }
    constexpr bool FollowsPn904() const { return min.FollowsPn904() || max.FollowsPn904(); }
};

// The parameter whose value some bounds follow (a bound written "Pn904" or
// "-Pn904"); which records do is theirs to say (FollowsPn904).
constexpr quint16 kPn904 = 904;

// The 30 digit-wise parameters, in the order of their blocks.
constexpr std::array<quint16, 30> kDigitWiseParameters{
    0,   109, 114, 200, 300, 400, 415, 500, 512, 525, 526, 527, 528, 529, 530,
    531, 532, 533, 534, 535, 536, 537, 538, 539, 602, 626, 700, 902, 909, 913};

// Block index of a digit-wise parameter, or -1.
int DigitBlockOf(quint16 number);

// The 33 signed parameters, in the order of PmSignedValues.
constexpr std::array<quint16, 33> kSignedParameters{
    213, 304, 305, 306, 307, 308, 309, 310, 311, 403, 407, 502, 504, 506, 508, 509, 510,
    511, 908, 931, 932, 933, 939, 942, 943, 952, 953, 955, 956, 958, 959, 961, 962};

// Index into PmSignedValues of a signed parameter, or -1.
int SignedIndexOf(quint16 number);

// The record of any of the 309 numbers the program holds a slot for,
// catalogued or not (CatalogueEntryOf: the catalogued ones only); nullptr
// for any other number.
const ParameterRecord* RecordOf(quint16 number);

// All 309 records in slot order (the order of the parameter file).
const std::array<ParameterRecord, kSlotCount>& Records();

// The words that a record's Pn904 bounds stand for: the word of Pn904 for a
// "Pn904" bound, its 16-bit negation for "-Pn904"; 0 for a side that does
// not follow Pn904.
struct Pn904Words {
    quint16 lower = 0;
    quint16 upper = 0;
};
Pn904Words Pn904WordsOf(const ParameterRecord& record, quint16 pn904);

// The number a Fixed or Pn904 bound stands for, `word` being the bound's
// Pn904 word (ignored by a Fixed bound). Throws std::logic_error for a
// digit-wise bound or none.
qint64 LimitOf(const ParameterBound& bound, quint16 word);

// True when the sheet has a record whose bounds follow Pn904 (3, 4 and 7),
// so reading it reads Pn904 first.
bool SheetFollowsPn904(int sheetIndex);
