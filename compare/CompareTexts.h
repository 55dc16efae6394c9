#pragma once

#include "compare/Comparison.h"

#include <QString>

// The texts a comparison shows, shared by the comparison window and the
// command-line tool; its values and ranges read as values/ValueWords.h
// words them. Like the comparison itself they read no global record.

// The status a row starts with: empty for Writable, "超出範圍" for
// OutOfRange, "不寫入" for NotWritten.
QString RowStateText(RowState state);

// A write the drive confirmed but did not keep, as read back:
// "Pn106 讀回 0 %，應為 5 %".
QString ReadBackMismatchText(quint16 number, const QString& written, const QString& readBack);
