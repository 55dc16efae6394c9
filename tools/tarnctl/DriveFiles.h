#pragma once

#include "Command.h"
#include "files/ParameterFile.h"

#include <functional>
#include <vector>

// The parameter file of each drive for load and diff: the one file named,
// or with {port} in its name each drive's own. Every file is read and
// checked whole, each once, before any drive is touched; throws EFileError
// for the first one refused.
std::vector<ParameterValues> FilesOfDrives(const Invocation& invocation);

// The file each drive writes: `pattern` with {port} replaced
// (ExpandPortPattern), then given to `finish` (a save adds .tarn). Throws
// UsageError, before any drive or file is touched, when several ports share
// a name without {port} ("多個通訊埠時檔名要有 {port}（例如 <example>）") or
// two drives would write one file (`sameFile` and the name).
std::vector<QString> FileNamesOfPorts(const QString& pattern, const std::vector<DrivePort>& ports,
                                      const QString& example, const QString& sameFile,
                                      const std::function<QString(const QString&)>& finish = {});

// The report file of each drive, one name when there is none: `pattern`
// (report -o) with {port} replaced. Throws UsageError, before any drive or
// file is touched, for no name, a name whose extension names no report
// format, and as FileNamesOfPorts.
std::vector<QString> ReportFileNames(const QString& pattern, const std::vector<DrivePort>& ports);

// Tries every target file before any drive is read (CheckFileTarget); the
// first that cannot be written is told on standard error and false
// returned.
bool TargetsWritable(const std::vector<QString>& fileNames);
