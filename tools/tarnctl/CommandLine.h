#pragma once

#include <QStringList>

// Parses tarnctl's command line (the program's name first), runs the
// command it names and returns the exit code. Help and version go to
// standard output; a usage error to standard error as one line, exit code 2.
int RunCommandLine(const QStringList& arguments);

// True when `arguments` name a command that needs a QGuiApplication (see
// Command::needsGui); false for any other and for a command line that names
// none or cannot be parsed, which RunCommandLine then reports. Needs no
// application object.
bool CommandNeedsGui(const QStringList& arguments);

// The program's help: commands, options, exit codes and examples.
QString ProgramHelp();
