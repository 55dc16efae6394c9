#pragma once

#include "link/DrivePort.h"

#include <QStringList>
#include <vector>

// The ports of every --port value, in order; each value may be a list
// separated by commas ("1,2,3"). "COM3" is COM number 3; a COM number is
// mapped the way the window program maps it. Throws UsageError for an empty
// item, a number outside 1-9, a malformed network address, a device named
// twice and a host and port named twice (in either form; see SamePort).
std::vector<DrivePort> ParsePortList(const QStringList& values,
                                     const LinkSettings& link = LinkSettings{});
