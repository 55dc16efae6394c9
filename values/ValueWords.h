#pragma once

#include "catalogue/ParameterRecord.h"
#include "core/Language.h"

#include <QJsonObject>
#include <QString>
#include <optional>

// How a parameter's value and range read in words: every output that names
// a value (the grid's neighbours, the change list, the report, the
// comparison, tarnctl and a backup's history) takes its text from here, so
// a value reads the same wherever a person meets it. Plain functions of the
// texts they are given: any thread may call them. A line with words in it
// takes the language to read in; Chinese unless asked, since commit
// messages and a backup's files keep their lines in Chinese for everyone.
// Values, units and ranges read the same in both.

// The value as the value column shows it: a hexadecimal value text in the
// display form of its parameter ("1-7-1", "-1000", "500"); any other text
// ("None", empty) and a number without a record as it stands.
QString ValueInWords(quint16 number, const QString& valueText);

// The same with the value text beside it in brackets where the form does
// not show every digit ("1-7-1 (0171)", "18-3 (0123)"): where two different
// texts could read alike side by side. A parameter without a catalogue
// entry shows its value text as it stands.
QString ValueInWordsWithHex(quint16 number, const QString& valueText);

// ValueInWordsWithHex followed by the parameter's unit ("5 %", "500
// 0.1Hz"); "（空）" for an empty text (no answer; "(none)" in English).
QString ValueWithUnit(quint16 number, const QString& valueText,
                      Language language = Language::Chinese);

// The texts of a row's minimum and maximum columns.
struct BoundTexts {
    QString minimum;
    QString maximum;
};

// The columns with the bounds that follow Pn904 standing for `words`; the
// catalogue's other bounds as it writes them; empty for a record without
// a rule.
BoundTexts BoundTextsOf(const ParameterRecord& record, const Pn904Words& words);

// The columns as the grid shows them once a sheet read has met Pn904's
// value text `pn904Text`. Throws EConvertError, as the sheet read would,
// when a bound follows Pn904 and that text is not hexadecimal.
BoundTexts BoundTextsOf(const ParameterRecord& record, const QString& pn904Text);

// The allowed range "minimum ~ maximum" ("0 ~ 30", "0-0-0 ~ 1-7-1"). Empty
// for a parameter without a catalogue entry, and for a Pn904 bound when
// `pn904Text` is not hexadecimal.
QString RangeText(quint16 number, const QString& pn904Text);

// One parameter on one line, as `tarnctl read` prints it: number, value
// text, value in words, unit ("Pn100 01F4 500 0.1Hz"; no unit, no
// trailing blank).
QString ParameterLine(quint16 number, const QString& valueText);

// One parameter in words, as a file reads in a backup's history: number,
// description, value with its unit ("Pn100 KVP1 500 0.1Hz"); a parameter
// without a description reads number and value text ("Pn900 0123").
QString ParameterWordsLine(quint16 number, const QString& valueText,
                           Language language = Language::Chinese);

// How a change line names its parameter.
enum class ChangeNaming {
    NumberOnly,           // "Pn100 400 → 500 0.1Hz": tarnctl diff
    NumberAndDescription, // "Pn100 KVP1 400 → 500 0.1Hz": history, commits
};

// One parameter's change, both values with their hex text where the form
// hides digits, "（空）" for no answer, then the unit.
QString ChangeLine(quint16 number, const QString& before, const QString& after,
                   ChangeNaming naming = ChangeNaming::NumberAndDescription,
                   Language language = Language::Chinese);

// The facts of one parameter line (ParameterLine) as JSON, as tarnctl's
// --json and the web view's /api give them: number, name, value text,
// value in words, unit, and the bounds the grid shows given Pn904's value
// text (none for a parameter without a rule, or when Pn904 gave no value).
QJsonObject ParameterJson(const ParameterRecord& record, const QString& valueText,
                          const QString& pn904Text);
// A parameter's unit and description as the catalogue gives them
// (DescriptionIn); empty for a parameter without an entry.
QString UnitOf(quint16 number);
QString DescriptionOf(quint16 number, Language language = Language::Chinese);

// A parameter whose value differs from the one released, as drift lists
// it: "Pn100 KVP1 發行 400 → 目前 500 0.1Hz".
QString DriftLine(quint16 number, const QString& released, const QString& current,
                  Language language = Language::Chinese);

// A parameter across axes, as query lists it: ParameterWordsLine, then the
// released value ("發行 400", "發行 —" without a release) and "≠" where
// the two differ: "Pn100 KVP1 500 0.1Hz 發行 400 ≠".
QString QueryLine(quint16 number, const QString& current, const std::optional<QString>& released,
                  Language language = Language::Chinese);
