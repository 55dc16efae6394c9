#pragma once

#include <QtGlobal>

// 1 while an Enter typed into an open editor waits for the delivery of the
// editor's text; 0 otherwise. Raised by the key filter, lowered when an
// editor opens and by the first delivery that finds it raised.
extern quint8 CommitRequested;

// The key filter of the grid and its editor: digits, Backspace (8), "-" and
// Enter (13) pass, every other character becomes '\0' (swallowed). An Enter
// raises CommitRequested.
void FilterEditKey(char& key);
