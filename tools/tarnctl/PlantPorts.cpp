#include "PlantPorts.h"

#include "ExitCode.h"
#include "TarnctlText.h"

std::vector<DrivePort> PlantPorts(const Plant& plant, const QString& fileName,
                                  const LinkSettings& defaults) {
    std::vector<DrivePort> ports;
    for (const PlantAxis& axis : plant.axes) {
        try {
            const std::vector<DrivePort> one = ParsePortList({axis.port}, axis.Link(defaults));
            if (one.size() != 1) {
                throw UsageError(TarnctlText::tr("一個軸只能有一個通訊埠"));
            }
            ports.push_back(one.front());
        } catch (const UsageError& error) {
            throw EFileError(TarnctlText::tr("%1 第 %2 行 %3 的 port：%4")
                                 .arg(fileName)
                                 .arg(axis.line)
                                 .arg(axis.Path(), error.Text()));
        }
        // One device, or one server port, for two axes.
        for (size_t earlier = 0; earlier + 1 < ports.size(); ++earlier) {
            if (const std::optional<QString> same = SamePort(ports[earlier], ports.back())) {
                const PlantAxis& first = plant.axes[earlier];
                throw EFileError(
                    TarnctlText::tr("%1 第 %2 行 %3 的 port：和第 %4 行 %5 是同一個通訊埠（%6）")
                        .arg(fileName)
                        .arg(axis.line)
                        .arg(axis.Path())
                        .arg(first.line)
                        .arg(first.Path(), *same));
            }
        }
    }
    return ports;
}
