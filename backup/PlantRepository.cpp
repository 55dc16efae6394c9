#include "backup/PlantRepository.h"

#include "backup/PlantText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSysInfo>

std::unique_ptr<RepositoryLock> PlantRepository::Prepare(const Plant& plant) {
    git_.RefuseNested();
    auto lock = std::make_unique<RepositoryLock>(Folder());
    for (const QString& file : git_.LockFiles()) {
        throw GitError(
            PlantText::tr("儲存庫 %1 有 git 留下的鎖定檔 %2；沒有 git 程式在執行時請刪除它")
                .arg(Folder(), file));
    }
    git_.OpenOrCreate();
    QStringList paths{QLatin1String(kAttributesFile)};
    for (const PlantAxis& axis : plant.axes) {
        paths << axis.FilePath();
    }
    const QStringList edited = git_.Uncommitted(paths);
    if (!edited.isEmpty()) {
        throw GitError(PlantText::tr("儲存庫 %1 中有未提交的修改，先提交或還原它們：%2")
                           .arg(Folder(), edited.join(PlantText::tr("、"))));
    }
    git_.SetConfig(QStringLiteral("diff.tarn.textconv"), TextConversionCommand());
    return lock;
}

void PlantRepository::RestoreCommitted(const QStringList& paths) const {
    for (const QString& path : paths) {
        const QString fileName = QDir(Folder()).filePath(path);
        QByteArray committed;
        try {
            committed = git_.FileAt(QStringLiteral("HEAD"), path);
        } catch (const GitError&) {
            QFile::remove(fileName); // new in this run
            continue;
        }
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(committed) != committed.size() ||
            !file.commit()) {
            throw GitError(QStringLiteral("Cannot create file %1").arg(fileName));
        }
    }
}

bool PlantRepository::WriteAttributes() const {
    QFile file(QDir(Folder()).filePath(QLatin1String(kAttributesFile)));
    QByteArray text;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            throw GitError(
                PlantText::tr("無法讀取 %1：%2").arg(file.fileName(), file.errorString()));
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
    return QStringLiteral("'%1' show --textconv").arg(path);
}
