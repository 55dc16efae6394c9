#include "changes/Revert.h"

#include <algorithm>

QList<ChangeRow> RowsToRevert(const ChangeLog& log, const QList<int>& rowIndices) {
    QList<int> newestFirst = rowIndices;
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<int>());
    QList<ChangeRow> chosen;
    for (const int index : newestFirst)
        if (index >= 0 && index < log.Rows().size() && log.Rows()[index].revertible)
            chosen << log.Rows()[index];
    return chosen;
}
