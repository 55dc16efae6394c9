#pragma once

#include "files/TransferResult.h"
#include "link/DriveLink.h"

// The two long runs of exchanges behind saving and loading, on any drive
// link; neither touches the program's records.

// Reads all 309 parameters in file order (one read each, no extra read) and
// returns their value texts. `eachValue`, when given, gets every result as
// it comes, so a caller keeps what was read even when a later read fails.
// Errors of the serial port (ECommError) pass through.
ParameterValues ReadAllParameters(DriveLink& link, const ProgressCallback& progress,
                                  const ValueCallback& eachValue = {});

// Writes `values` to the drive in file order, skipping Pn900 and Pn901
// (307 writes at most). "None" and empty values are not sent and the run
// goes on. A write that the drive rejects or does not answer, or that cannot
// be made because no greeting was answered, ends the run at once: nothing
// after it is written and no further progress is reported. An error of the
// serial port ends it the same way, its message kept in portError, so the
// writes made before it are still told.
LoadResult WriteAllParameters(DriveLink& link, const ParameterValues& values,
                              const ProgressCallback& progress,
                              const WriteRunOptions& options = {});
