#pragma once

#include "catalogue/SheetRanges.h"

#include <QString>
#include <array>

// One value text per slot, in file order: what a save reads, a file holds,
// a load writes and a report shows.
using ParameterValues = std::array<QString, kSlotCount>;
