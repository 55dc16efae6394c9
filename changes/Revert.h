#pragma once

#include "changes/ChangeLog.h"

#include <QList>
#include <optional>

// Putting parameters back, the way an edit puts a value in: the value text
// is stored in the records (with the derived digit characters and signed
// value) and marked waiting, which forgets any value still waiting there,
// then written at once with the edit's write, confirmation required. Each
// write adds a row to the change list. A run stops at the first write that
// fails: that parameter keeps the reverted text, waiting, as a failed edit
// does. The drive object runs it (Drive::RevertRows, Drive::RevertAll).

struct RevertOutcome {
    QList<quint16> stored;         // parameters whose records now hold the reverted text
    std::optional<quint16> failed; // the write that stopped the run
    // The original outside its edit rule that stopped the run, not written.
    std::optional<quint16> refused;
    QString refusedLine; // its value and range: "Pn722 0（1 ~ 12700）"
};

// The rows of `rowIndices` to put back, newest first, taken before any is
// written (each revert adds a row of its own). Rows that cannot be reverted
// (bulk rows, an original that is no value) are passed over.
QList<ChangeRow> RowsToRevert(const ChangeLog& log, const QList<int>& rowIndices);
