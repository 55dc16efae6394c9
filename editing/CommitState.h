#pragma once

#include <QtGlobal>

// 1 while an Enter typed into an open editor waits for the delivery of the
// editor's text; 0 otherwise. Raised by the key filter, lowered when an
// editor opens and by the first delivery that finds it raised.
extern quint8 CommitRequested;
