#pragma once

#include <QtGlobal>
#include <optional>

// Writes every parameter of sheet `sheetIndex` whose PendingWrite flag is
// raised, in increasing number order, each with its value text exactly as
// stored, lowering each flag after its write succeeds. Stops at the first
// write that WriteParameter reports failed and returns that number; its flag
// and those of later numbers stay raised. Returns nothing when every write
// succeeded (or none was pending); sheet 8 and indices above 9 write nothing.
std::optional<quint16> WriteThrough(int sheetIndex);
