#include "changes/ChangeTexts.h"

#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "core/CsvText.h"
#include "core/WholeFile.h"
#include "values/ValueWords.h"

#include <QFileInfo>

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
    case ChangeResult::Stored:
        return QStringLiteral("已修改");
    case ChangeResult::Pending:
        break;
    }
    return QStringLiteral("等待寫入");
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
            ValueInWords(row.number, row.originalText),
            ValueInWords(row.number, row.newText),
            ResultText(row.result)};
}

QByteArray ChangeLogCsv(const QList<ChangeRow>& rows) {
    QByteArray bytes = CsvStart();
    bytes += CsvLine(ChangeLogHeaders());
    for (const ChangeRow& row : rows)
        bytes += CsvLine(ChangeRowTexts(row));
    return bytes;
}

void WriteChangeLogCsv(const QString& fileName, const QList<ChangeRow>& rows) {
    WriteWholeFile(fileName, ChangeLogCsv(rows));
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
