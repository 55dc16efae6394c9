#pragma once

#include "catalogue/Catalogue.h"

#include <QString>
#include <vector>

// The checks of an entry typed into a value cell, as plain functions of the
// catalogue entry, the typed text and the parameter records.

enum class EditVerdict {
    Unchanged, // the entry makes the stored value text: nothing to do
    Rejected,  // outside the allowed range: the cell gets `text` back
    Accepted,  // `text` is the new value text
};

struct EditOutcome {
    EditVerdict verdict;
    QString text; // Rejected: the restore text; Accepted: the new value text
};

// Checks `typed` (the editor's whole text, mask dashes included, a blank
// position as a space) against the rule of `entry`, comparing with the
// parameter's stored value text. Reads the records only.
// Throws EConvertError when the typed text, or a part the rule converts, is
// not a number; and when a rejected decimal or signal-select entry's restore
// text meets a stored text that is not hexadecimal.
EditOutcome CheckEdit(const CatalogueEntry& entry, const QString& typed);

// What the cell shows again after a rejection, built from the records as
// they were before the entry. Every form but Signal select gives its
// display text; Signal select gives the word of c2 c3 without a leading
// zero ("5-1"). Throws EConvertError on a text that is not hexadecimal.
QString RestoreText(const CatalogueEntry& entry);

// Stores an accepted value text: PmStringSheet, then SplitDigits for the
// digit-wise forms or UpdateSignedValue for Signed decimal, then raises the
// parameter's PendingWrite flag.
void StoreAcceptedEdit(const CatalogueEntry& entry, const QString& valueText);

// The inclusive bounds of a decimal or signed decimal entry, from its
// catalogue texts; "Pn904" and "-Pn904" stand for the Pn904Bounds words,
// signed for Pn304..Pn311 and Pn407, unsigned for Pn406 and Pn708.
// Throws std::out_of_range for a Pn904 bound the records do not keep.
qint64 LowerBoundOf(const CatalogueEntry& entry);
qint64 UpperBoundOf(const CatalogueEntry& entry);

// The per-digit (or per-group) limits of a digit-wise entry, parsed from its
// catalogue text: "1-7-1" gives 1, 7, 1; "08-08" gives 8, 8; "44-1" gives
// 44, 1.
std::vector<qint32> PartLimits(const char* boundText);
