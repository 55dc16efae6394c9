#pragma once

#include "catalogue/ParameterRecord.h"
#include "values/DriveValues.h"

#include <QString>

// The checks of an entry typed into a value cell, as plain functions of the
// parameter's record and the typed text.

enum class EditVerdict {
    Unchanged, // the entry makes the stored value text: nothing to do
    Rejected,  // outside the allowed range
    Accepted,  // within it
};

// --- Against one drive's records -----------------------------------------

struct EditOutcome {
    EditVerdict verdict;
    QString text; // Rejected: the restore text; Accepted: the new value text
};

// Checks `typed` (the editor's whole text, mask dashes included, a blank
// position as a space) against the rule of `record`, comparing with the
// parameter's value text stored in `values` and the Pn904Bounds words of its
// sheet. Reads the records only.
// Throws EConvertError when the typed text, or a part the rule converts, is
// not a number; and when a rejected decimal or signal-select entry's restore
// text meets a stored text that is not hexadecimal.
EditOutcome CheckEdit(const DriveValues& values, const ParameterRecord& record,
                      const QString& typed);

// What the cell shows again after a rejection, built from the records as
// they were before the entry. Every form but Signal select gives its
// display text; Signal select gives the word of c2 c3 without a leading
// zero ("5-1"). Throws EConvertError on a text that is not hexadecimal.
QString RestoreText(const DriveValues& values, const ParameterRecord& record);

// Stores an accepted value text: PmStringSheet, then SplitDigits for the
// digit-wise forms or UpdateSignedValue for Signed decimal, then raises the
// parameter's PendingWrite flag.
void StoreAcceptedEdit(DriveValues& values, const ParameterRecord& record,
                       const QString& valueText);

// The inclusive bounds of a decimal or signed decimal record, a Pn904 bound
// with the Pn904Bounds word of its sheet. Throws std::out_of_range for a
// Pn904 bound the records do not keep.
qint64 LowerBoundOf(const DriveValues& values, const ParameterRecord& record);
qint64 UpperBoundOf(const DriveValues& values, const ParameterRecord& record);

// --- From texts alone ---------------------------------------------------
// These read no drive's records and keep no state: any thread may call them.
// `pn904Text` is the value text of Pn904 that the bounds following it are
// taken from (the drive's or a file's); it is converted only for a record
// whose bounds follow Pn904, and then fails like a sheet read would, with
// EConvertError, when it is not hexadecimal.

// The texts of the minimum and maximum columns of `record`'s row, as the
// grid shows them once a sheet read has met that Pn904 text. Empty for a
// record without a rule.
QString ShownMinimumOf(const ParameterRecord& record, const QString& pn904Text);
QString ShownMaximumOf(const ParameterRecord& record, const QString& pn904Text);

// True when `valueText` keeps within the record's edit rule: the text that
// the grid shows for it, typed back, would be accepted by an edit. Never
// throws. Not within: a text the display cannot convert ("None", empty,
// anything not hexadecimal, or a digit-wise character that is not a decimal
// digit), any text of a record without a rule, and any text of a record
// whose bounds follow Pn904 when `pn904Text` is not hexadecimal.
bool PassesEditRule(const ParameterRecord& record, const QString& valueText,
                    const QString& pn904Text);

struct TypedEntry {
    EditVerdict verdict; // Accepted or Rejected; never Unchanged
    QString valueText;   // the value text the entry makes, also when rejected
};

// A technician's typed text (decimal, signed decimal, or a digit-group
// layout with its dashes: "1-7-1", "08-08", "44-1") turned into a value text
// and checked like an edit of the record's row, with nothing stored to
// compare with. A record without a rule rejects every entry with an empty
// value text, converting nothing. Throws EConvertError where the edit
// would.
TypedEntry CheckTypedEntry(const ParameterRecord& record, const QString& typed,
                           const QString& pn904Text);
