#pragma once

// Puts an in-range value text into every catalogue parameter (the middle of
// a decimal range, the upper digits of a digit-wise one), runs both
// derived-record refreshes for each, and sets Pn904 to 0BB8 with the
// Pn904Bounds words a sheet read would derive from it.
void StoreInRangeValues();

// Sets Pn904's value text and the Pn904Bounds words that reading sheets 3,
// 4 and 7 derive from it (v and its 16-bit negation).
void StorePn904(const char* valueText);
