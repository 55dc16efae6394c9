#pragma once

#include "catalogue/ParameterRecord.h"
#include "values/DriveValues.h"

#include <QString>

// The one judgement of a value against its parameter's rule, with one entry
// point per question: a typed entry (JudgeEntry) and a stored value
// (StandingOf). Every path that asks (the grid, a load, the comparison, a
// revert, the report, tarnctl) asks these.

enum class EditVerdict {
    Unchanged, // the entry makes the stored value text: nothing to do
    Rejected,  // outside the allowed range
    Accepted,  // within it
};

// What a typed entry makes and whether it may stand.
struct TypedEntry {
    EditVerdict verdict;
    QString valueText; // the value text the entry makes (empty when Unchanged)
};

// Is this typed entry acceptable: `typed` (the editor's whole text, mask
// dashes included, a blank position as a space; or a technician's "500",
// "-1000", "1-7-1", "08-08", "44-1") turned into a value text and checked
// against the rule of `record`, its Pn904 bounds standing for `words`
// (Pn904Bounds.WordsOf for an edit of the grid, Pn904WordsFromText for a
// value given with Pn904's text). With `held`, an entry that makes exactly
// that text is Unchanged and goes no further. A record without a rule
// rejects every entry with an empty value text, converting nothing.
// Throws EConvertError when the typed text, or a part the rule converts,
// is not a number.
TypedEntry JudgeEntry(const ParameterRecord& record, const QString& typed, const Pn904Words& words,
                      const QString* held = nullptr);

// Where a stored value stands against its rule.
enum class ValueStanding {
    Within,   // its text as the grid shows it, typed back, would be accepted
    Outside,  // it would be refused, or the display cannot convert the text
    Unjudged, // no rule, no value ("None", empty), or a Pn904 bound while
              // Pn904's text is not hexadecimal
};

// Is this stored value inside its rule, given Pn904's value text (the
// drive's or a file's; converted only for a record whose bounds follow
// Pn904). Reads no drive's records and keeps no state: any thread may call
// it. Never throws.
ValueStanding StandingOf(const ParameterRecord& record, const QString& valueText,
                         const QString& pn904Text);

// --- An edit of one drive's records ---------------------------------------

// What Drive::Edit answers: Rejected carries the restore text, Accepted the
// new value text.
struct EditOutcome {
    EditVerdict verdict;
    QString text;
};

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
