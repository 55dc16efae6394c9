#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// Told of every write the write-through makes: the number, the value text
// sent, and whether WriteParameter reported it failed.
using WriteObserver = std::function<void(quint16 number, const QString& valueText, bool failed)>;

// Writes parameter `number` when its PendingWrite flag is raised, with its
// value text exactly as stored, and lowers the flag when the write is not
// reported failed. Returns true when the write failed (the flag stays
// raised); false when it went through or nothing was pending.
bool WritePending(quint16 number, const WriteObserver& observer = {});

// Writes every parameter of sheet `sheetIndex` whose PendingWrite flag is
// raised, in increasing number order, each with its value text exactly as
// stored, lowering each flag after its write succeeds. Stops at the first
// write that WriteParameter reports failed and returns that number; its flag
// and those of later numbers stay raised. Returns nothing when every write
// succeeded (or none was pending); sheet 8 and indices above 9 write nothing.
std::optional<quint16> WriteThrough(int sheetIndex, const WriteObserver& observer = {});
