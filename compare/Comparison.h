#pragma once

#include "values/ParameterValues.h"

#include <QString>
#include <vector>

// Comparing a parameter file with the values a drive holds: which
// parameters differ and which of those a write may send. Plain functions of
// the texts they are given; they read no drive's records and keep no state,
// so any thread may call them.

// What may be done with the file's value of a differing parameter.
enum class RowState : quint8 {
    Writable,   // passes the edit rule, or has none: ticked at the start
    OutOfRange, // fails the edit rule: may be written, unticked at the start
    NotWritten, // never sent by a load (Pn900, Pn901, "None", empty)
};

struct CompareRow {
    quint16 number = 0;
    QString driveText; // the value text the drive gave
    QString fileText;  // the value text the file holds, as it holds it
    RowState state = RowState::Writable;
    bool writable = true; // state != NotWritten
    bool ticked = true;   // state == Writable
};

// The state of writing `fileText` to parameter `number`, its edit rule
// taking any Pn904 bounds from `pn904Text` (the drive's Pn904). A text a
// load never sends, or Pn900/Pn901, is NotWritten; a parameter without a
// rule is Writable; one whose rule fails (including a Pn904 bound when
// `pn904Text` is not hexadecimal) is OutOfRange.
RowState StateOfFileValue(quint16 number, const QString& fileText, const QString& pn904Text);

// The Pn904 value text the drive holds once the values that differ are
// written: the file's when it differs and is a value a load sends, the
// drive's otherwise.
QString Pn904AfterComparedWrite(const ParameterValues& drive, const ParameterValues& file);

// One row per parameter whose value texts differ (ValuesEqual), in file
// order, with its state; the Pn904 bounds come from Pn904AfterComparedWrite.
std::vector<CompareRow> CompareValues(const ParameterValues& drive, const ParameterValues& file);
