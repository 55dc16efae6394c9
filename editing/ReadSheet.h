#pragma once

#include <QtGlobal>

// Brings sheet `sheetIndex` (0..9) of PmStringSheet up to date from the
// drive: for sheets 3, 4 and 7 first Pn904 and the Pn904Bounds limits of
// that sheet, then every number of the sheet's range in ascending order,
// each stored whatever the answer (value text, "None" or empty) and followed
// by SplitDigits and, for sheets 2, 3, 4, 5 and 9, UpdateSignedValue.
// Sheet 8 and indices above 9 do nothing.
// Fails with EConvertError where a limit or a signed value meets a text
// that is not hexadecimal; the read ends there (earlier numbers keep their
// new texts, later ones their old ones).
void ReadSheet(int sheetIndex);
