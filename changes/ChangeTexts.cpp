#include "changes/ChangeTexts.h"

#include "catalogue/CatalogueTexts.h"
#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "core/CsvText.h"
#include "core/WholeFile.h"
#include "values/ValueWords.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString Text(Language language, const char* source) {
    return Translated(language, "ChangeTexts", source);
}

} // namespace

QStringList ChangeLogHeaders(Language language) {
    static const char* const headers[] = {
        QT_TRANSLATE_NOOP("ChangeTexts", "時間"), QT_TRANSLATE_NOOP("ChangeTexts", "編號"),
        QT_TRANSLATE_NOOP("ChangeTexts", "說明"), QT_TRANSLATE_NOOP("ChangeTexts", "原值"),
        QT_TRANSLATE_NOOP("ChangeTexts", "新值"), QT_TRANSLATE_NOOP("ChangeTexts", "結果")};
    QStringList texts;
    for (const char* header : headers)
        texts << Text(language, header);
    return texts;
}

QString ResultText(ChangeResult result, Language language) {
    switch (result) {
    case ChangeResult::Written:
        return Text(language, QT_TRANSLATE_NOOP("ChangeTexts", "已寫入"));
    case ChangeResult::Failed:
        return Text(language, QT_TRANSLATE_NOOP("ChangeTexts", "寫入失敗"));
    case ChangeResult::Stored:
        return Text(language, QT_TRANSLATE_NOOP("ChangeTexts", "已修改"));
    case ChangeResult::Pending:
        break;
    }
    return Text(language, QT_TRANSLATE_NOOP("ChangeTexts", "等待寫入"));
}

QStringList ChangeRowTexts(const ChangeRow& row, Language language) {
    const QString time = row.time.toString(QStringLiteral("hh:mm:ss"));
    if (row.kind == ChangeKind::Bulk)
        return {time, QString(), row.note, QString(), QString(), ResultText(row.result, language)};
    const ParameterRecord* record = RecordOf(row.number);
    QString description = record ? DescriptionIn(*record, language) : QString();
    if (row.kind == ChangeKind::Revert)
        description = Text(language, QT_TRANSLATE_NOOP("ChangeTexts", "還原：%1")).arg(description);
    return {time,
            PnName(row.number),
            description,
            ValueInWords(row.number, row.originalText),
            ValueInWords(row.number, row.newText),
            ResultText(row.result, language)};
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
    return QCoreApplication::translate("ChangeTexts", "%1 %2：%3 個參數")
        .arg(action, QFileInfo(fileName).fileName(), QString::number(count));
}
