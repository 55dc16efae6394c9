#pragma once

// Sets the Pn904Bounds limits that reading sheet `sheetIndex` derives from
// Pn904's stored value text (v and its 16-bit negation): Pn304..Pn311 for
// sheet 3, Pn406 and Pn407 for sheet 4, Pn708 for sheet 7; nothing for any
// other sheet. Each limit converts the text anew, maxima and minima
// alternately, so a text that is not hexadecimal fails with EConvertError at
// the first one and leaves the limits as they were.
void SetPn904Bounds(int sheetIndex);
