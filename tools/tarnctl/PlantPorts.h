#pragma once

#include "PortList.h"
#include "backup/PlantFile.h"

#include <vector>

// The port of each axis of a plant, in the plant's order, with the axis's
// link settings (PlantAxis::Link; `defaults` from --timing, --timeout). Throws EFileError naming
// the file, the line and the axis for a port tarnctl cannot take and for one device or host and
// port given to two axes.
std::vector<DrivePort> PlantPorts(const Plant& plant, const QString& fileName,
                                  const LinkSettings& defaults);
