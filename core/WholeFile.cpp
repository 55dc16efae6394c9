#include "core/WholeFile.h"

#include "core/TarnError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>

namespace {

[[noreturn]] void Fail(const QString& fileName, int errorNumber) {
    throw EFileError(CannotCreateMessage(fileName, WriteFailureReason(fileName, errorNumber)));
}

// A failure whose system error was not kept: the file's own text.
[[noreturn]] void Fail(const QString& fileName, int errorNumber, const QString& fileError) {
    if (errorNumber != 0 || !QFileInfo(fileName).absoluteDir().exists())
        Fail(fileName, errorNumber);
    throw EFileError(CannotCreateMessage(fileName, fileError));
}

} // namespace

QString CannotCreateMessage(const QString& fileName, const QString& reason) {
    return QStringLiteral("Cannot create file %1\n%2").arg(fileName, reason);
}

QString WriteFailureReason(const QString& fileName, int errorNumber) {
    if (!QFileInfo(fileName).absoluteDir().exists() || errorNumber == ENOENT ||
        errorNumber == ENOTDIR)
        return QCoreApplication::translate("WholeFile", "資料夾不存在");
    if (errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS)
        return QCoreApplication::translate("WholeFile", "沒有寫入權限");
    if (errorNumber == ENOSPC || errorNumber == EDQUOT || errorNumber == EFBIG)
        return QCoreApplication::translate("WholeFile", "磁碟空間不足");
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

void CheckFileTarget(const QString& fileName) {
    const QFileInfo target(fileName);
    if (!target.absoluteDir().exists())
        Fail(fileName, ENOENT);
    if (target.isDir())
        Fail(fileName, EISDIR);
    QTemporaryFile probe(target.absoluteDir().filePath(QStringLiteral(".tarn-probe-XXXXXX")));
    errno = 0;
    if (!probe.open())
        Fail(fileName, errno);
    const QByteArray block(4096, '\0');
    errno = 0;
    if (probe.write(block) != block.size() || !probe.flush())
        Fail(fileName, errno != 0 ? errno : ENOSPC);
    // The probe is removed as it goes out of scope.
}

void WriteWholeFile(const QString& fileName, const QByteArray& bytes) {
    WriteWholeFile(fileName, bytes, [] { return false; });
}

bool WriteWholeFile(const QString& fileName, const QByteArray& bytes,
                    const std::function<bool()>& cancelled) {
    // QSaveFile renames only on commit, so a failure at any point leaves an
    // existing file as it was. Unbuffered, a short write (disk full, size
    // limit) shows in write()'s count; buffered, the final flush can lose it
    // and a cut file gets committed.
    QSaveFile file(fileName);
    errno = 0;
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size();
    const int writeError = errno;
    if (written && cancelled()) {
        file.cancelWriting();
        file.commit(); // removes the temporary, leaves the target alone
        return false;
    }
    if (!written)
        Fail(fileName, writeError, file.errorString());
    errno = 0;
    if (!file.commit())
        Fail(fileName, errno, file.errorString());
    return true;
}
