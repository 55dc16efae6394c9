#pragma once

#include "Command.h"
#include "files/ParameterFile.h"

#include <vector>

// The parameter file of each drive for load and diff: the one file named,
// or with {port} in its name each drive's own. Every file is read and
// checked whole, each once, before any drive is touched; throws EFileError
// for the first one refused.
std::vector<ParameterValues> FilesOfDrives(const Invocation& invocation);

// Tries every target file before any drive is read (CheckFileTarget); the
// first that cannot be written is told on standard error and false
// returned.
bool TargetsWritable(const std::vector<QString>& fileNames);
