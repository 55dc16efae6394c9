#pragma once

#include "DriveRunner.h"
#include "files/ParameterFile.h"

// The drive job of `tarnctl load` (a full load of checked values, with the
// load's rule and --force, and --verify reading back), for other commands
// that load a file they found elsewhere (restore from a repository).
void LoadValuesIntoDrive(const ParameterValues& values, bool verify, bool force,
                         DriveSession& session, DriveReport& report);
