#include "PlantPorts.h"

#include "ExitCode.h"

std::vector<DrivePort> PlantPorts(const Plant& plant, const QString& fileName,
                                  const LinkSettings& defaults) {
    std::vector<DrivePort> ports;
    QStringList given;
    for (const PlantAxis& axis : plant.axes) {
        LinkSettings link = defaults;
        if (axis.timing) {
            link.timing = *axis.timing;
        }
        if (axis.timeoutMs) {
            link.SetTimeout(*axis.timeoutMs);
        }
        try {
            const std::vector<DrivePort> one = ParsePortList({axis.port}, link);
            if (one.size() != 1) {
                throw UsageError(QStringLiteral("一個軸只能有一個通訊埠"));
            }
            ports.push_back(one.front());
        } catch (const UsageError& error) {
            throw EFileError(QStringLiteral("%1 第 %2 行 %3 的 port：%4")
                                 .arg(fileName)
                                 .arg(axis.line)
                                 .arg(axis.Path(), error.Text()));
        }
        given << axis.port;
    }
    try {
        ParsePortList(given); // one device, or host and port, for two axes
    } catch (const UsageError& error) {
        throw EFileError(QStringLiteral("%1：%2").arg(fileName, error.Text()));
    }
    return ports;
}

const PlantAxis* FindAxis(const Plant& plant, const QString& path) {
    for (const PlantAxis& axis : plant.axes) {
        if (axis.Path() == path) {
            return &axis;
        }
    }
    return nullptr;
}
