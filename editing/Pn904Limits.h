#pragma once

#include <QString>

// The 16-bit word of Pn904's value text: the low 16 bits of its word.
// Throws EConvertError for a text that is not hexadecimal.
quint16 Pn904WordOf(const QString& pn904Text);

// Sets the Pn904Bounds words that reading sheet `sheetIndex` derives from
// Pn904's stored value text, for every record of the sheet whose bounds
// follow Pn904 (Pn304..Pn311 for sheet 3, Pn406 and Pn407 for sheet 4,
// Pn708 for sheet 7); nothing, and no conversion, for any other sheet. A
// text that is not hexadecimal fails with EConvertError and leaves the
// words as they were.
void SetPn904Bounds(int sheetIndex);
