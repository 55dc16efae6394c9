#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One drive's port as given with --port: a COM number 1-9, mapped the way
// the window program maps it, or a device path taken as it is.
struct DrivePort {
    QString given;   // as written on the command line
    quint16 com = 0; // 1..9 for a COM number, 0 for a device path
    QString device;  // what is opened: ComDeviceName(com) or the path

    // How output lines and messages name the drive: "COM3" or the path.
    QString Label() const;
    // What {port} becomes in a file name: "3", or the device path's last
    // part ("ttyUSB0").
    QString FileTag() const;
};

// The ports of every --port value, in order; each value may be a list
// separated by commas ("1,2,3"). "COM3" is COM number 3. Throws UsageError
// for an empty item, a number outside 1-9 and a device named twice.
std::vector<DrivePort> ParsePortList(const QStringList& values);

// `pattern` with every "{port}" replaced by the port's FileTag().
QString ExpandPortPattern(const QString& pattern, const DrivePort& port);

constexpr const char* kPortPlaceholder = "{port}";
