#include "changes/ChangeTexts.h"

#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "core/TarnError.h"
#include "editing/ValueForms.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

QByteArray CsvField(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') || bytes.contains('\n'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

QByteArray CsvLine(const QStringList& fields) {
    QByteArray line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += CsvField(fields[i]);
    }
    return line + "\r\n";
}

} // namespace

QStringList ChangeLogHeaders() {
    return {QStringLiteral("時間"), QStringLiteral("編號"), QStringLiteral("說明"),
            QStringLiteral("原值"), QStringLiteral("新值"), QStringLiteral("結果")};
}

QString ResultText(ChangeResult result) {
    switch (result) {
    case ChangeResult::Written:
        return QStringLiteral("已寫入");
    case ChangeResult::Failed:
        return QStringLiteral("寫入失敗");
    case ChangeResult::Pending:
        break;
    }
    return QStringLiteral("等待寫入");
}

QString ShownValueText(quint16 number, const QString& valueText) {
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr)
        return valueText;
    try {
        return DisplayTextOfValue(record->form, valueText);
    } catch (const EConvertError&) {
        return valueText;
    }
}

QStringList ChangeRowTexts(const ChangeRow& row) {
    const QString time = row.time.toString(QStringLiteral("hh:mm:ss"));
    if (row.kind == ChangeKind::Bulk)
        return {time, QString(), row.note, QString(), QString(), ResultText(row.result)};
    const ParameterRecord* record = RecordOf(row.number);
    QString description = record ? QString::fromUtf8(record->description) : QString();
    if (row.kind == ChangeKind::Revert)
        description = QStringLiteral("還原：") + description;
    return {time,
            PnName(row.number),
            description,
            ShownValueText(row.number, row.originalText),
            ShownValueText(row.number, row.newText),
            ResultText(row.result)};
}

QByteArray ChangeLogCsv(const QList<ChangeRow>& rows) {
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += CsvLine(ChangeLogHeaders());
    for (const ChangeRow& row : rows)
        bytes += CsvLine(ChangeRowTexts(row));
    return bytes;
}

void WriteChangeLogCsv(const QString& fileName, const QList<ChangeRow>& rows) {
    const QByteArray bytes = ChangeLogCsv(rows);
    // As with parameter files: an existing file is replaced whole or kept.
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        throw EFileError(QStringLiteral("Cannot create file %1").arg(fileName));
}

QString WithCsvSuffix(const QString& chosen) {
    if (chosen.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QLatin1String(".csv");
}

QString BulkNote(const QString& action, const QString& fileName, int count) {
    return QStringLiteral("%1 %2：%3 個參數")
        .arg(action, QFileInfo(fileName).fileName(), QString::number(count));
}
