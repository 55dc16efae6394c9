#include "ParameterWords.h"

#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "compare/CompareTexts.h"
#include "core/TarnError.h"
#include "files/ParameterFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QString Shown(quint16 number, const QString& value) {
    return value.isEmpty() ? QStringLiteral("（空）") : ValueCellText(number, value);
}

// "Pn100 KVP1" or "Pn900".
QString NumberAndDescription(quint16 number) {
    const ParameterRecord* record = RecordOf(number);
    const QString description = record ? QString::fromUtf8(record->description) : QString();
    return description.isEmpty() ? PnName(number) : PnName(number) + QLatin1Char(' ') + description;
}

QString WithUnit(quint16 number, const QString& text) {
    const ParameterRecord* record = RecordOf(number);
    const QString unit = record ? QString::fromUtf8(record->unit) : QString();
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

} // namespace

QString ParameterWordsLine(quint16 number, const QString& valueText) {
    return WithUnit(number,
                    NumberAndDescription(number) + QLatin1Char(' ') + Shown(number, valueText));
}

QStringList ParameterWordsLines(const ParameterValues& values) {
    QStringList lines;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        lines << ParameterWordsLine(NumberOfSlot(slot), values[size_t(slot)]);
    }
    return lines;
}

QString ChangeLine(quint16 number, const QString& before, const QString& after) {
    return WithUnit(number, QStringLiteral("%1 %2 → %3")
                                .arg(NumberAndDescription(number), Shown(number, before),
                                     Shown(number, after)));
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

ParameterValues ParameterValuesOfBytes(const QByteArray& bytes, const QString& name) {
    // The file check reads from a file: the bytes go through a scratch one,
    // and its refusal names them as the caller does.
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("values.tarn"));
    QFile file(path);
    if (!scratch.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size()) {
        throw EFileError(QStringLiteral("無法建立暫存檔：%1").arg(file.errorString()));
    }
    file.close();
    try {
        return ReadParameterFile(path);
    } catch (const EFileError& error) {
        QString text = error.Text();
        throw EFileError(text.replace(path, name));
    }
}
