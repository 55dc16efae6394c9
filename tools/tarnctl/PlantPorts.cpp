#include "PlantPorts.h"

#include "ExitCode.h"
#include "TarnctlText.h"

#include <algorithm>

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

bool PlantRead::Interrupted() const {
    return std::any_of(reports.begin(), reports.end(),
                       [](const DriveReport& r) { return r.exitCode == kExitInterrupted; });
}

PlantRead ReadPlantDrives(const std::vector<DrivePort>& ports, const QString& interrupted,
                          size_t jobs) {
    PlantRead read;
    read.readings.resize(ports.size());
    read.reports = RunOnDrives(
        ports,
        [&](DriveSession& session, DriveReport& report) {
            AxisReading& reading = read.readings[session.Index()];
            reading = AxisReadingOf(ReadWholeDrive(session, interrupted));
            if (!reading.values) {
                report.Fail(kExitDrive, reading.failure);
            }
        },
        jobs);
    // A port that never opened has its reason only in its report.
    for (size_t i = 0; i < ports.size(); ++i) {
        read.readings[i].failure = read.reports[i].errors.value(0);
    }
    return read;
}
