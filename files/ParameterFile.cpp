#include "files/ParameterFile.h"

#include "core/WholeFile.h"

#include "core/TarnError.h"


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
    return WriteWholeFile(fileName, ParameterFileBytes(values), cancelled);
}
