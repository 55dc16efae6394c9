#include "files/ParameterFile.h"

#include "core/TarnError.h"

#include <QSaveFile>

QString FileKey(quint16 number) {
    return QStringLiteral("P%1").arg(number, 3, 10, QLatin1Char('0'));
}

QByteArray FileLine(quint16 number, const QString& value) {
    const QByteArray text = value.toLatin1();
    return FileKey(number).toLatin1() + (IsLoadableValue(text) ? text : QByteArray("None")) +
           "\r\n";
}

bool HoldsDriveValue(const QString& value) {
    return !value.isEmpty() && value != QLatin1String("None") && IsLoadableValue(value.toLatin1());
}

QByteArray ParameterFileBytes(const ParameterValues& values) {
    QByteArray bytes;
    bytes.reserve(kSlotCount * 10);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        bytes += FileLine(NumberOfSlot(slot), values[slot]);
    }
    return bytes;
}

QString WithTarnSuffix(const QString& chosen) {
    if (chosen.endsWith(QLatin1String(".tarn"), Qt::CaseInsensitive)) {
        return chosen;
    }
    return chosen + QLatin1String(".tarn");
}

void WriteParameterFile(const QString& fileName, const ParameterValues& values) {
    WriteParameterFile(fileName, values, [] { return false; });
}

bool WriteParameterFile(const QString& fileName, const ParameterValues& values,
                        const std::function<bool()>& cancelled) {
    const QByteArray bytes = ParameterFileBytes(values);
    // QSaveFile writes beside the target and renames only on commit, so a
    // failure at any point leaves an existing file as it was. Unbuffered, a
    // short write (disk full, size limit) shows in write()'s count; buffered,
    // the final flush can lose it and a cut file gets committed.
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size();
    if (written && cancelled()) {
        file.cancelWriting();
        file.commit(); // removes the temporary, leaves the target alone
        return false;
    }
    if (!written || !file.commit()) {
        throw EFileError(QStringLiteral("Cannot create file %1").arg(fileName));
    }
    return true;
}
