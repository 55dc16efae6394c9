#include "backup/ParameterWords.h"

#include "catalogue/SheetRanges.h"
#include "core/TarnError.h"
#include "files/ParameterFile.h"

#include <QFile>

QStringList ParameterWordsLines(const ParameterValues& values) {
    QStringList lines;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        lines << ParameterWordsLine(NumberOfSlot(slot), values[size_t(slot)]);
    }
    return lines;
}

QStringList ChangedParameterLines(const ParameterValues& before, const ParameterValues& after) {
    QStringList lines;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (before[size_t(slot)] != after[size_t(slot)]) {
            lines << ChangeLine(NumberOfSlot(slot), before[size_t(slot)], after[size_t(slot)]);
        }
    }
    return lines;
}

QStringList UnreadableFileLines(const QString& fileName, const QString& why) {
    static const QString kUnreadable = QStringLiteral("（無法讀取） ");
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return {kUnreadable + why};
    }
    const QByteArray bytes = file.readAll();
    QStringList lines;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        lines << kUnreadable + QString::fromUtf8(line);
    }
    if (bytes.endsWith('\n')) {
        lines.removeLast();
    }
    return lines;
}

ParameterValues ParameterValuesOfBytes(const QByteArray& bytes, const QString& name) {
    return ReadParameterBytes(bytes, name);
}
