#include "ExitCode.h"

int ExitCodeOf(const TarnError& error) {
    if (dynamic_cast<const UsageError*>(&error)) {
        return kExitUsage;
    }
    if (dynamic_cast<const EFileError*>(&error)) {
        return kExitFileRefused;
    }
    if (dynamic_cast<const EConvertError*>(&error)) {
        return kExitValueRefused;
    }
    // The serial port's errors, and anything else the link meets.
    return kExitDrive;
}
