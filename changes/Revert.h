#pragma once

#include "changes/ChangeLog.h"

#include <QList>
#include <optional>

// Putting parameters back, the way an edit puts a value in: the value text
// is stored in the records (with the derived digit characters and signed
// value) and marked waiting, which forgets any value still waiting there,
// then written at once with the edit's write, confirmation required. Each
// write adds a row to `log`. A run stops at the first write that fails:
// that parameter keeps the reverted text, waiting, as a failed edit does.

struct RevertOutcome {
    QList<quint16> stored;         // parameters whose records now hold the reverted text
    std::optional<quint16> failed; // the write that stopped the run
};

// Writes the original of each row in `rowIndices` back, newest row first.
// Rows that cannot be reverted (bulk rows, an original that is no value)
// are passed over.
RevertOutcome RevertRows(ChangeLog& log, const QList<int>& rowIndices);

// Writes back the original of every parameter the log names for 全部還原,
// in file order.
RevertOutcome RevertAll(ChangeLog& log);
