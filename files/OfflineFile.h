#pragma once

#include "values/ParameterValues.h"

#include <QString>

// The parameter file a drive without a link was opened from, and the values
// last read from it or written to it: what is on show differs from them
// exactly when there is something to save.
struct OfflineFile {
    QString fileName;
    ParameterValues saved;

    bool Unsaved(const ParameterValues& shown) const { return shown != saved; }
};
