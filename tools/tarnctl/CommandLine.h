#pragma once

#include <QStringList>

// Parses tarnctl's command line (the program's name first), runs the
// command it names and returns the exit code. Help and version go to
// standard output; a usage error to standard error as one line, exit code 2.
int RunCommandLine(const QStringList& arguments);

// The program's help: commands, options, exit codes and examples.
QString ProgramHelp();
