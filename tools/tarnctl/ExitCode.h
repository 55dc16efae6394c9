#pragma once

#include "core/TarnError.h"

// What tarnctl's exit status tells a script. Several drives: the highest
// of theirs.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitDifferent = 1,     // diff found differences; find found nothing
    kExitUsage = 2,         // the command line is wrong
    kExitDrive = 3,         // port or drive: cannot open, no answer, write not held, hang-up
    kExitValueRefused = 4,  // a value its rule refuses
    kExitFileRefused = 5,   // a file refused, or one that cannot be written
    kExitInterrupted = 130, // Ctrl-C, as a shell reports a program ended by SIGINT
};

// A command line that cannot be run: one line naming what is wrong.
class UsageError : public TarnError {
    using TarnError::TarnError;
};

// The exit code that an error of the core stands for.
int ExitCodeOf(const TarnError& error);
