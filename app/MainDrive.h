#pragma once

#include "drive/Drive.h"

// The main window's drive and the names the window program has always used
// for its records: each name is that drive's member, not storage of its
// own. The drive lives from the first use to the end of the process; the
// main window gives it its link while the window exists. Used on the
// user-interface thread only.
Drive& MainDrive();

extern stPM_STRING_SHEET& PmStringSheet;
extern stPM_SYSTEM_STRING_SHEET& PmSystemStringSheet;
extern std::array<qint16, kSignedParameters.size()>& PmSignedValues;
extern stPN904_BOUNDS& Pn904Bounds;
extern stPENDING_WRITE& PendingWrite;
