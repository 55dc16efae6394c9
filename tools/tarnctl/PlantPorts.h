#pragma once

#include "PortList.h"
#include "files/PlantFile.h"

#include <vector>

// The port of each axis of a plant, in the plant's order, with the axis's
// own timing and timeout where it names them and `defaults` (--timing,
// --timeout) where not. Throws EFileError naming the file, the line and the
// axis for a port tarnctl cannot take and for one device or host and port
// given to two axes.
std::vector<DrivePort> PlantPorts(const Plant& plant, const QString& fileName,
                                  const LinkSettings& defaults);

// The axis "M01/X" names; nullptr when the plant has none.
const PlantAxis* FindAxis(const Plant& plant, const QString& path);

// The refusal of an axis that `where` ("廠區檔 plant.json", "儲存庫 DIR") does
// not hold.
QString NoSuchAxisMessage(const QString& where, const QString& axis);
