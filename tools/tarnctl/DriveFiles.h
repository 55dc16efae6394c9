#pragma once

#include "Command.h"
#include "files/ParameterFile.h"

#include <vector>

// The parameter file of each drive for load and diff: the one file named,
// or with {port} in its name each drive's own. Every file is read and
// checked whole, each once, before any drive is touched; throws EFileError
// for the first one refused.
std::vector<ParameterValues> FilesOfDrives(const Invocation& invocation);
