#pragma once

#include "compare/Comparison.h"

#include <QString>

// The texts a comparison shows, shared by the comparison window and the
// command-line tool. Like the comparison itself they read no global record.

// A value text in the display form of its parameter's row, as the grid
// shows it, with the value text beside it in brackets where the form does
// not show every digit ("0-1-0 (0010)", "18-3 (0123)"). A parameter
// without a catalogue entry, and any text that is not hexadecimal ("None",
// empty), shows the value text as it is.
QString ValueCellText(quint16 number, const QString& valueText);

// The allowed range as the grid's minimum and maximum columns show it,
// "minimum ~ maximum" ("0 ~ 30", "0-0-0 ~ 1-7-1"), the bounds that follow
// Pn904 taken from `pn904Text`. Empty for a parameter without a catalogue
// entry, and for a Pn904 bound when `pn904Text` is not hexadecimal.
QString RangeText(quint16 number, const QString& pn904Text);

// The status a row starts with: empty for Writable, "超出範圍" for
// OutOfRange, "不寫入" for NotWritten.
QString RowStateText(RowState state);

// A value in display form followed by its parameter's unit: "5 %", "500
// 0.1Hz"; "（空）" for an empty text (no answer).
QString ValueWithUnit(quint16 number, const QString& valueText);

// A write the drive confirmed but did not keep, as read back:
// "Pn106 讀回 0 %，應為 5 %".
QString ReadBackMismatchText(quint16 number, const QString& written, const QString& readBack);
