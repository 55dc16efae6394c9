#pragma once

#include "changes/ChangeLog.h"
#include "files/TransferResult.h"

// The change list's row of a run of writes over many parameters: a load, or
// the comparison window's write of a file's values. `action` names it
// ("載入", "寫入"); the row names the file and how many parameters the
// drive confirmed (result.written), and says 寫入失敗 when the run did not
// complete. The confirmed values (from `values`, in file order) move the
// marks of parameters the list tracks.
void NoteBulkWrite(ChangeLog& log, const QString& action, const QString& fileName,
                   const ParameterValues& values, const LoadResult& result);

// The row of a load (action "載入"): as NoteBulkWrite, but a load that did
// not complete says what it wrote, as its message does (LoadStoppedMessage).
void NoteLoad(ChangeLog& log, const QString& fileName, const ParameterValues& values,
              const LoadResult& result);
