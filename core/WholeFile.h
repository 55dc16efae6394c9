#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Writes `bytes` as the whole of `fileName`, so that the file is either left
// as it was or replaced by the complete new one: the bytes go to a
// temporary beside it, which is renamed into place only once all of them
// are written. Throws EFileError "Cannot create file <name>" when the file
// cannot be created, written or put in place. Parameter files, reports and
// the change list's export all go through it.
void WriteWholeFile(const QString& fileName, const QByteArray& bytes);

// The same, but `cancelled` is asked once more just before the new file is
// put in place: true then leaves `fileName` as it was, removes the temporary
// and returns false (a user's stop that came while writing).
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes,
                    const std::function<bool()>& cancelled);
