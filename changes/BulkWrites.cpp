#include "changes/BulkWrites.h"

#include "changes/ChangeTexts.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QMap<quint16, QString> Confirmed(const ParameterValues& values, const LoadResult& result) {
    QMap<quint16, QString> confirmed;
    for (const quint16 number : result.written)
        confirmed.insert(number, values[SlotOf(number)]);
    return confirmed;
}

} // namespace

void NoteBulkWrite(ChangeLog& log, const QString& action, const QString& fileName,
                   const ParameterValues& values, const LoadResult& result) {
    const QMap<quint16, QString> confirmed = Confirmed(values, result);
    log.AddBulk(BulkNote(action, fileName, confirmed.size()),
                result.complete ? ChangeResult::Written : ChangeResult::Failed, confirmed);
}

void NoteLoad(ChangeLog& log, const QString& fileName, const ParameterValues& values,
              const LoadResult& result) {
    if (result.complete) {
        NoteBulkWrite(log, QCoreApplication::translate("BulkWrites", "載入"), fileName, values,
                      result);
        return;
    }
    log.AddBulk(QCoreApplication::translate("BulkWrites", "載入 %1：%2")
                    .arg(QFileInfo(fileName).fileName(), LoadStoppedMessage(result)),
                ChangeResult::Failed, Confirmed(values, result));
}
