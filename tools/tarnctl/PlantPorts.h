#pragma once

#include "DriveRunner.h"
#include "PortList.h"
#include "backup/PlantBackup.h"
#include "backup/PlantFile.h"

#include <vector>

// The port of each axis of a plant, in the plant's order, with the axis's
// link settings (PlantAxis::Link; `defaults` from --timing, --timeout). Throws EFileError naming
// the file, the line and the axis for a port tarnctl cannot take and for one device or host and
// port given to two axes.
std::vector<DrivePort> PlantPorts(const Plant& plant, const QString& fileName,
                                  const LinkSettings& defaults);

// What the drives of a plant gave, in the plant's order.
struct PlantRead {
    std::vector<AxisReading> readings; // without values: failure is the report's first error
    std::vector<DriveReport> reports;  // an axis without whole values failed (kExitDrive)

    // True when Ctrl-C ended the reading of any axis.
    bool Interrupted() const;
};

// Every axis's drive read whole as a backup reads it, at once (at most
// `jobs`, 0: all); `interrupted` is the message of a run Ctrl-C ended.
PlantRead ReadPlantDrives(const std::vector<DrivePort>& ports, const QString& interrupted,
                          size_t jobs = 0);
