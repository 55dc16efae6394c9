#pragma once

#include "values/ParameterValues.h"
#include "values/ValueWords.h"

#include <QString>
#include <QStringList>

// Parameters in words, for people reading a repository's history: the
// lines of `show` (git's text conversion of *.tarn), of a backup's commit
// message and of `history`. Each line's words come from values/ValueWords;
// here they are put together a file or a change at a time.

// All 309 lines of a file's values (ParameterWordsLine), in file order.
QStringList ParameterWordsLines(const ParameterValues& values);

// One line per parameter whose value text differs (ChangeLine), in file order:
// "Pn100 KVP1 400 → 500 0.1Hz".
QStringList ChangedParameterLines(const ParameterValues& before, const ParameterValues& after);

// A file the check refuses, as git's text conversion shows it so that
// `git log -p` goes on: each of its lines marked "（無法讀取） ", or, when it
// cannot be opened, `why` so marked.
QStringList UnreadableFileLines(const QString& fileName, const QString& why);

// The values of a parameter file's bytes, checked whole as a load checks a
// file; `name` names it in a refusal (EFileError).
ParameterValues ParameterValuesOfBytes(const QByteArray& bytes, const QString& name);
