#pragma once

#include "catalogue/SheetRanges.h"
#include "values/ParameterValues.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>

// The parameter file (*.tarn): one line per parameter in file order (the
// order of kSheetRanges), each line the four-character key and the value
// text with nothing between them, ended by CR LF; nothing else. Saving and
// loading both use only what is declared here.

// The key of parameter `number`: "P" and three decimal digits (P000, P987).
QString FileKey(quint16 number);

// One line of the file: key, value text, CR LF. The value text is kept
// byte for byte (Latin-1) when loading would accept it (IsLoadableValue);
// any other text stands for a reply not in the expected form and is
// written as "None", so a saved file always loads.
QByteArray FileLine(quint16 number, const QString& value);

// The whole file for `values`: 309 lines in file order.
QByteArray ParameterFileBytes(const ParameterValues& values);

// The name to write: `chosen` with ".tarn" appended unless it already ends
// in ".tarn" in any letter case.
QString WithTarnSuffix(const QString& chosen);

// Writes the file so that `fileName` is either left as it was or replaced
// by the complete new file (write to a temporary, then rename). Throws
// EFileError "Cannot create file <name>" when it cannot be created, written
// or put in place.
void WriteParameterFile(const QString& fileName, const ParameterValues& values);
// The same, but `cancelled` is asked once more just before the new file is
// put in place: true then leaves `fileName` as it was, removes the
// temporary and returns false (a user's stop that came while writing).
bool WriteParameterFile(const QString& fileName, const ParameterValues& values,
                        const std::function<bool()>& cancelled);

// Reads and checks a parameter file (a UTF-8 byte order mark at its very
// start is skipped; a quoted token shows control bytes and bytes that are
// not UTF-8 as \xNN, QuotedFileText). The first 309 white-space-separated
// tokens must be, in file order, each key followed by nothing, "None" or
// exactly four hexadecimal digits (either case, kept as they are); anything
// after the 309th token is ignored. Returns the 309 value texts. Throws
// EFileError naming the file when it cannot be opened, and naming the first
// offending line and what was expected there when a token breaks the rule
// or the file ends early; nothing else is touched.
ParameterValues ReadParameterFile(const QString& fileName);
// The same check of a file's bytes held in memory (a blob of a backup
// repository); `name` names it in a refusal.
ParameterValues ReadParameterBytes(const QByteArray& bytes, const QString& name);

// True when `value` may stand after a key in a file that loading accepts:
// empty, "None", or four hexadecimal digits. Saving and loading both judge
// by it.
bool IsLoadableValue(const QByteArray& value);

// True when `value` is a value the drive gave: loadable, and neither empty
// (no answer) nor "None".
bool HoldsDriveValue(const QString& value);
