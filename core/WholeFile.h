#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Writes `bytes` as the whole of `fileName`, so that the file is either left
// as it was or replaced by the complete new one: the bytes go to a
// temporary beside it, which is renamed into place only once all of them
// are written. Throws EFileError "Cannot create file <name>" when the file
// cannot be created, written or put in place, the reason on a second line
// (CannotCreateMessage). Parameter files, reports and the change list's
// export all go through it.
void WriteWholeFile(const QString& fileName, const QByteArray& bytes);

// The same, but `cancelled` is asked once more just before the new file is
// put in place: true then leaves `fileName` as it was, removes the temporary
// and returns false (a user's stop that came while writing).
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes,
                    const std::function<bool()>& cancelled);

// Tries the target of a file before anything is read for it, so a run that
// cannot end in a file fails at once: the folder exists, and a file can be
// created there, written (a block of 4 KiB, so a full disk shows) and
// removed. Throws EFileError as WriteWholeFile does; `fileName` itself is
// not touched.
void CheckFileTarget(const QString& fileName);

// Why a file could not be made, from the system's error `errorNumber`
// (errno): "資料夾不存在", "沒有寫入權限", "磁碟空間不足", else the
// system's own text.
QString WriteFailureReason(const QString& fileName, int errorNumber);

// "Cannot create file <name>" and the reason on the line below it.
QString CannotCreateMessage(const QString& fileName, const QString& reason);
