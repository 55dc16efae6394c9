#include "app/MainDrive.h"

Drive& MainDrive() {
    // Made on first use, so the names below can refer to it from start-up.
    static Drive drive;
    return drive;
}

stPM_STRING_SHEET& PmStringSheet = MainDrive().Values().PmStringSheet;
stPM_SYSTEM_STRING_SHEET& PmSystemStringSheet = MainDrive().Values().PmSystemStringSheet;
std::array<qint16, kSignedParameters.size()>& PmSignedValues = MainDrive().Values().PmSignedValues;
stPN904_BOUNDS& Pn904Bounds = MainDrive().Values().Pn904Bounds;
stPENDING_WRITE& PendingWrite = MainDrive().Values().PendingWrite;
