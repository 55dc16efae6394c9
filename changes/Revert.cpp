#include "changes/Revert.h"

#include "catalogue/ParameterRecord.h"
#include "catalogue/ParameterRecords.h"
#include "editing/EditRules.h"
#include "editing/WriteThrough.h"

#include <algorithm>

namespace {

// True when the write failed.
bool RevertOne(ChangeLog& log, quint16 number, const QString& original, RevertOutcome& outcome) {
    const ParameterRecord* record = RecordOf(number);
    const QString before = PmStringSheet.Value(number);
    StoreAcceptedEdit(*record, original);
    outcome.stored << number;
    log.AddWrite(ChangeKind::Revert, number, before, original);
    const bool failed = WritePending(
        number, [&log](quint16 n, const QString& text, bool f) { log.NoteWrite(n, text, !f); });
    if (failed)
        outcome.failed = number;
    return failed;
}

} // namespace

RevertOutcome RevertRows(ChangeLog& log, const QList<int>& rowIndices) {
    QList<int> newestFirst = rowIndices;
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<int>());
    // The rows to put back are taken before any is written: each revert
    // adds a row of its own.
    QList<ChangeRow> chosen;
    for (const int index : newestFirst)
        if (index >= 0 && index < log.Rows().size() && log.Rows()[index].revertible)
            chosen << log.Rows()[index];
    RevertOutcome outcome;
    for (const ChangeRow& row : chosen)
        if (RevertOne(log, row.number, row.originalText, outcome))
            break;
    return outcome;
}

RevertOutcome RevertAll(ChangeLog& log) {
    RevertOutcome outcome;
    for (const quint16 number : log.NumbersToRevert())
        if (RevertOne(log, number, *log.OriginalOf(number), outcome))
            break;
    return outcome;
}
