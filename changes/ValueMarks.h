#pragma once

#include "changes/ChangeLog.h"
#include "values/DriveValues.h"

#include <QString>

// The mark of a parameter's value cell: waiting to be written (its
// PendingWrite flag is raised) or changed in this run (the drive confirmed
// a value other than its original). Waiting wins: it is the one that needs
// doing something about.
enum class ValueMark { None, Pending, Changed };

ValueMark ValueMarkOf(const DriveValues& values, const ChangeLog& log, quint16 number);

// The tooltip of the mark: "等待寫入", or "本次已變更，原值 X" with the
// original in the parameter's display form; empty for no mark.
QString ValueMarkHint(const DriveValues& values, const ChangeLog& log, quint16 number);
