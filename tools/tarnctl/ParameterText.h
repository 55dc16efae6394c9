#pragma once

#include "values/ValueWords.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

struct ParameterRecord;

// Parameters as tarnctl names them on the command line and prints them.

// The number a command-line argument names: "100", "Pn100", "P100", "5",
// "005". Throws UsageError for anything else and for a number the program
// holds no slot for (Pn050, Pn800).
quint16 ParameterArgument(const QString& text);
std::vector<quint16> ParameterArguments(const QStringList& texts);

// The record of a number that has a slot.
const ParameterRecord& RecordOfNumber(quint16 number);

