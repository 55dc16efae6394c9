#include "core/WholeFile.h"

#include "core/TarnError.h"

#include <QSaveFile>

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
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size();
    if (written && cancelled()) {
        file.cancelWriting();
        file.commit(); // removes the temporary, leaves the target alone
        return false;
    }
    if (!written || !file.commit())
        throw EFileError(QStringLiteral("Cannot create file %1").arg(fileName));
    return true;
}
