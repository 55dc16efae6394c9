#pragma once

#include "values/ParameterValues.h"
#include "values/ValueWords.h"

#include <QString>
#include <QStringList>

// Parameters in words, for people reading a repository's history: the
// lines of `show` (git's text conversion of *.tarn), of a backup's commit
// message and of `history`.

// All 309 lines of a file's values (ParameterWordsLine), in file order.
QStringList ParameterWordsLines(const ParameterValues& values);

// One line per parameter whose value text differs (ChangeLine), in file order:
// "Pn100 KVP1 400 → 500 0.1Hz".
QStringList ChangedParameterLines(const ParameterValues& before, const ParameterValues& after);

// The values of a parameter file's bytes, checked whole as a load checks a
// file; `name` names it in a refusal (EFileError).
ParameterValues ParameterValuesOfBytes(const QByteArray& bytes, const QString& name);
