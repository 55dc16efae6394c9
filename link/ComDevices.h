#pragma once

#include <QString>

// Whether the device that COM n names (ComDeviceName) is there: a device
// file elsewhere (a dangling link counts as missing), a port the system
// lists on Windows.
bool ComDeviceExists(quint16 port);

// What COM n opens, as the connect dialog shows it under the list: the
// device, followed by "（不存在）" when it is not there.
QString ComDeviceLine(quint16 port);
