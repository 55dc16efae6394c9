#include "DriveFiles.h"

#include "Output.h"
#include "core/TarnError.h"
#include "core/WholeFile.h"

#include <QMap>

std::vector<ParameterValues> FilesOfDrives(const Invocation& invocation) {
    const QString pattern = invocation.arguments.first();
    QMap<QString, ParameterValues> read;
    std::vector<ParameterValues> files;
    for (const DrivePort& port : invocation.ports) {
        const QString name = ExpandPortPattern(pattern, port);
        if (!read.contains(name)) {
            read.insert(name, ReadParameterFile(name));
        }
        files.push_back(read.value(name));
    }
    return files;
}

bool TargetsWritable(const std::vector<QString>& fileNames) {
    try {
        for (const QString& name : fileNames) {
            CheckFileTarget(name);
        }
    } catch (const EFileError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return false;
    }
    return true;
}
