#pragma once

#include <QString>
#include <vector>

#include "link/LinkSettings.h"
#include "link/PortAddress.h"

#include <optional>

// One drive's port: a COM number 1-9 (ComDeviceName), a network address
// (tcp://, socket://, rfc2217://) or a device path taken as it is; with the
// link settings to reach it by.
struct DrivePort {
    QString given;   // as written on the command line
    quint16 com = 0; // 1..9 for a COM number, 0 for a device path or address
    QString device;  // what is opened: ComDeviceName(com), the path or the address
    std::optional<PortAddress> address; // for a network address
    LinkSettings link;

    // How output lines and messages name the drive: "COM3", the path or the
    // address ("tcp://10.0.0.5:4001").
    QString Label() const;
    // What {port} becomes in a file name: "3", the device path's last part
    // ("ttyUSB0") or host and port ("10.0.0.5_4001").
    QString FileTag() const;

    static DrivePort Com(quint16 com, const QString& given = {});
    static DrivePort Network(const PortAddress& address, const QString& given = {});
    static DrivePort Device(const QString& path);
};

// What makes `a` and `b` one port, when they are: the device's real path
// (links followed: /dev/serial/by-id/… and /dev/ttyUSB0), or an address and
// port both reach ("127.0.0.1:4001" for localhost and 127.0.0.1), or, for
// two spellings of one host name, that name and port. Host names are
// resolved once a run, at most 5 s each; one that does not resolve is one
// only with itself. nullopt for two ports.
std::optional<QString> SamePort(const DrivePort& a, const DrivePort& b);

// `pattern` with every "{port}" replaced by the port's FileTag().
QString ExpandPortPattern(const QString& pattern, const DrivePort& port);

constexpr const char* kPortPlaceholder = "{port}";
