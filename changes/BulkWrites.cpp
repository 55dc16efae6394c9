#include "changes/BulkWrites.h"

#include "changes/ChangeTexts.h"

void NoteBulkWrite(ChangeLog& log, const QString& action, const QString& fileName,
                   const ParameterValues& values, const LoadResult& result) {
    QMap<quint16, QString> confirmed;
    for (const quint16 number : result.written)
        confirmed.insert(number, values[SlotOf(number)]);
    log.AddBulk(BulkNote(action, fileName, confirmed.size()),
                result.complete ? ChangeResult::Written : ChangeResult::Failed, confirmed);
}
