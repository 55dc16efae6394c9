#include "PlantRepository.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>

void PlantRepository::Prepare(const Plant& plant) {
    git_.OpenOrCreate();
    QStringList paths{QLatin1String(kAttributesFile)};
    for (const PlantAxis& axis : plant.axes) {
        paths << axis.FilePath();
    }
    const QStringList edited = git_.Uncommitted(paths);
    if (!edited.isEmpty()) {
        throw GitError(QStringLiteral("儲存庫 %1 中有未提交的修改，先提交或還原它們：%2")
                           .arg(Folder(), edited.join(QStringLiteral("、"))));
    }
    git_.SetConfig(QStringLiteral("diff.tarn.textconv"), TextConversionCommand());
}

bool PlantRepository::WriteAttributes() const {
    QFile file(QDir(Folder()).filePath(QLatin1String(kAttributesFile)));
    QByteArray text;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            throw GitError(
                QStringLiteral("無法讀取 %1：%2").arg(file.fileName(), file.errorString()));
        }
        text = file.readAll();
        file.close();
        for (const QByteArray& line : text.split('\n')) {
            if (line.trimmed() == kAttributesLine) {
                return false;
            }
        }
    }
    if (!text.isEmpty() && !text.endsWith('\n')) {
        text += '\n';
    }
    text += QByteArray(kAttributesLine) + '\n';
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        throw GitError(QStringLiteral("Cannot create file %1").arg(file.fileName()));
    }
    return true;
}

GitIdentity PlantRepository::Identity() const {
    if (const auto configured = git_.ConfiguredIdentity()) {
        return *configured;
    }
    QString host = QSysInfo::machineHostName();
    if (host.isEmpty()) {
        host = QStringLiteral("localhost");
    }
    return GitIdentity{QStringLiteral("tarnctl"), QStringLiteral("tarnctl@") + host};
}

QString PlantRepository::TextConversionCommand() {
    QString path = QCoreApplication::applicationFilePath();
    path.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QStringLiteral("'%1' show").arg(path);
}
