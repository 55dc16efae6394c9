#pragma once

#include "catalogue/DisplayForm.h"
#include "catalogue/ParameterRecord.h"

#include <QString>
#include <array>

// The forms of one parameter value and the conversions between them.
// Value text: the drive's form ("01F4", "None", or empty). Word: the
// number it denotes. Display text: what the value column shows. Hex text:
// what an edit stores.

// The single text-to-integer conversion: leading spaces skipped; "0x",
// "0X", "$", "x" or "X" starts up to eight hex digits (the eighth sets the
// sign bit); otherwise an optional sign and decimal digits within 32 bits.
// Anything else throws EConvertError "'<text>' is not a valid integer value"
// with the whole text.
qint32 StrToInt(const QString& text);

// The word of a value text: StrToInt("0x" + valueText), so "None" fails as
// '0xNone' and an empty text as '0x'.
qint32 WordOf(const QString& valueText);

// The 16-bit word of Pn904's value text, which the bounds that follow Pn904
// stand for: the low 16 bits of its word. Throws EConvertError for a text
// that is not hexadecimal.
quint16 Pn904WordOf(const QString& pn904Text);

// The words `record`'s Pn904 bounds stand for, given Pn904's value text (0
// for a side that does not follow Pn904). The text is converted only for a
// record whose bounds follow Pn904, and then fails like a sheet read would,
// with EConvertError, when it is not hexadecimal.
Pn904Words Pn904WordsFromText(const ParameterRecord& record, const QString& pn904Text);

// The low 16 bits of the word read as two's complement (FF9C -> -100).
qint16 SignedValueOf(const QString& valueText);

// Upper-case hex, at least four digits. A negative n gives its 16-bit two's
// complement in four digits (-1000 -> FC18); every accepted value fits.
QString HexText(qint32 n);

// The four characters of a value text, one each; empty beyond its end.
std::array<QString, 4> CharactersOf(const QString& text);

// The display text of a digit-wise form (the group forms and Signal select)
// from the value's four characters. Signal select throws the conversion
// error when its two middle characters are not hexadecimal.
QString DigitDisplay(DisplayForm form, const std::array<QString, 4>& c);

// The display text of `valueText` in `form`, from the text alone: what the
// grid shows once that text is read into a parameter of the form. Keeps no
// state, so any thread may call it. Decimal, Signed decimal and
// Signal select throw the conversion error on a text that is not
// hexadecimal; the group forms show its characters, missing ones empty.
QString DisplayTextOfValue(DisplayForm form, const QString& valueText);

// The value text made from typed text `typed` laid out as `form` shows it
// (Decimal/Signed: the hex text of the number; groups: the digits at the
// mask's positions; Signal select: "0", the two-digit group in two hex
// digits, the last digit).
QString EditedValueText(DisplayForm form, const QString& typed);
