#pragma once

#include "values/ParameterValues.h"

#include <QString>
#include <QStringList>

// Parameters in words, for people reading a repository's history: the
// lines of `show` (git's text conversion of *.tarn), of a backup's commit
// message and of `history`.

// One parameter as `show` prints it: number, description, the value as
// the grid shows it, unit ("Pn100 KVP1 500 0.1Hz"); a parameter without a
// description reads number and value text ("Pn900 0123"). A value the drive
// did not give reads （空）, or "None" as the file has it.
QString ParameterWordsLine(quint16 number, const QString& valueText);

// All 309 lines of a file's values, in file order.
QStringList ParameterWordsLines(const ParameterValues& values);

// One parameter's change: "Pn100 KVP1 400 → 500 0.1Hz".
QString ChangeLine(quint16 number, const QString& before, const QString& after);

// One line per parameter whose value text differs, in file order:
// "Pn100 KVP1 400 → 500 0.1Hz".
QStringList ChangedParameterLines(const ParameterValues& before, const ParameterValues& after);

// The values of a parameter file's bytes, checked whole as a load checks a
// file; `name` names it in a refusal (EFileError).
ParameterValues ParameterValuesOfBytes(const QByteArray& bytes, const QString& name);
