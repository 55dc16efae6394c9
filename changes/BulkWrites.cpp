#include "changes/BulkWrites.h"

#include "changes/ChangeTexts.h"

namespace {

// The writes the drive confirmed: in file order up to the one that failed,
// leaving out what a run never sends.
QMap<quint16, QString> ConfirmedWrites(const ParameterValues& values, const LoadResult& result) {
    QMap<quint16, QString> confirmed;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const quint16 number = NumberOfSlot(slot);
        if (!result.complete && number == result.failedNumber)
            break;
        if (!IsNeverWritten(number) && IsWritableValueText(values[slot]))
            confirmed.insert(number, values[slot]);
    }
    return confirmed;
}

} // namespace

void NoteBulkWrite(ChangeLog& log, const QString& action, const QString& fileName,
                   const ParameterValues& values, const LoadResult& result) {
    const QMap<quint16, QString> confirmed = ConfirmedWrites(values, result);
    log.AddBulk(BulkNote(action, fileName, confirmed.size()),
                result.complete ? ChangeResult::Written : ChangeResult::Failed, confirmed);
}
