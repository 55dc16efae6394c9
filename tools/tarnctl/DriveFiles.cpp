#include "DriveFiles.h"

#include "ExitCode.h"
#include "Output.h"
#include "TarnctlText.h"
#include "core/TarnError.h"
#include "core/WholeFile.h"
#include "report/ReportFormat.h"

#include <QMap>
#include <QSet>

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

std::vector<QString> FileNamesOfPorts(const QString& pattern, const std::vector<DrivePort>& ports,
                                      const QString& example, const QString& sameFile,
                                      const std::function<QString(const QString&)>& finish) {
    if (ports.size() > 1 && !pattern.contains(QLatin1String(kPortPlaceholder))) {
        throw UsageError(
            TarnctlText::tr("多個通訊埠時檔名要有 {port}（例如 %1）：%2").arg(example, pattern));
    }
    std::vector<QString> names;
    QSet<QString> seen;
    for (const DrivePort& port : ports) {
        const QString expanded = ExpandPortPattern(pattern, port);
        const QString name = finish ? finish(expanded) : expanded;
        if (seen.contains(name)) {
            throw UsageError(TarnctlText::tr("%1：%2").arg(sameFile, name));
        }
        seen.insert(name);
        names.push_back(name);
    }
    return names;
}

std::vector<QString> ReportFileNames(const QString& pattern, const std::vector<DrivePort>& ports) {
    if (pattern.isEmpty()) {
        throw UsageError(TarnctlText::tr("report 需要 -o 報告檔名（例如 -o axis.pdf）"));
    }
    // Only the name's last part: a dot in a folder's name is no extension.
    if (!ReportFormatOf(pattern.section(QLatin1Char('/'), -1))) {
        throw UsageError(TarnctlText::tr("報告檔名要以 .pdf、.html 或 .csv 結尾：%1").arg(pattern));
    }
    if (ports.empty()) {
        return {pattern};
    }
    return FileNamesOfPorts(pattern, ports, QStringLiteral("axis-{port}.pdf"),
                            TarnctlText::tr("兩台驅動器會寫到同一個報告"));
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
