#pragma once

#include "catalogue/ParameterRecord.h"

#include <stdexcept>

// One row of the catalogue data as it is written: texts exactly as shown,
// bounds as the grid writes them. RecordOfRow parses a row into its record
// while the program is compiled, so a malformed mark or bound text does not
// build.
struct CatalogueRow {
    int row; // grid row 1.. of its sheet; 0: shown by no row
    quint16 number;
    const char* description;
    const char* gloss;
    const char* controlMode;
    DisplayForm form;
    const char* unit;
    const char* min;
    const char* max;
};

// A number kept in a form although no row shows it (sheet 9).
struct HeldForm {
    quint16 number;
    DisplayForm form;
};

namespace catalogue_data {
// Short names for the forms, so that each table row fits one line.
constexpr DisplayForm Dec = DisplayForm::Decimal;
constexpr DisplayForm SDec = DisplayForm::SignedDecimal;
constexpr DisplayForm Grp3 = DisplayForm::ThreeDigitGroup;
constexpr DisplayForm Grp2 = DisplayForm::TwoDigitGroup;
constexpr DisplayForm Grp4 = DisplayForm::FourDigitGroup;
constexpr DisplayForm Pair = DisplayForm::PairGroup;
constexpr DisplayForm Sig = DisplayForm::SignalSelect;
} // namespace catalogue_data

namespace catalogue_parse {

constexpr bool SameText(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

constexpr bool Contains(const char* text, const char* part) {
    for (; *text != '\0'; ++text) {
        const char* t = text;
        const char* p = part;
        while (*p != '\0' && *t == *p) {
            ++t;
            ++p;
        }
        if (*p == '\0') {
            return true;
        }
    }
    return false;
}

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits from `text` up to a '-' or the end; advances `text` past them.
constexpr qint32 Number(const char*& text) {
    if (!IsDigit(*text)) {
        throw std::invalid_argument("a bound needs a digit");
    }
    qint32 n = 0;
    for (; IsDigit(*text); ++text) {
        n = n * 10 + (*text - '0');
        if (n > 65535) {
            throw std::invalid_argument("a bound beyond 16 bits");
        }
    }
    return n;
}

constexpr int PartsOf(DisplayForm form) {
    switch (form) {
    case DisplayForm::ThreeDigitGroup:
        return 3;
    case DisplayForm::FourDigitGroup:
        return 4;
    case DisplayForm::TwoDigitGroup:
    case DisplayForm::PairGroup:
    case DisplayForm::SignalSelect:
        return 2;
    default:
        return 0;
    }
}

} // namespace catalogue_parse

// A bound text of a row of `form`: a decimal number (with "-" when
// negative), "Pn904" or "-Pn904" for the decimal forms; numbers joined by
// "-" ("1-7-1", "08-08", "44-1"), one per digit or group, for the others.
// A Pn904 bound reads the word the way its row shows numbers: signed in a
// Signed decimal row (Pn304..Pn311, Pn407), unsigned in a Decimal row
// (Pn406, Pn708). Throws std::invalid_argument for any other text.
constexpr ParameterBound ParseBound(const char* text, DisplayForm form) {
    using namespace catalogue_parse;
    ParameterBound bound;
    bound.text = text;
    if (IsDigitWise(form)) {
        bound.kind = BoundKind::Digits;
        const char* p = text;
        while (true) {
            if (bound.partCount == PartsOf(form)) {
                throw std::invalid_argument("too many parts in a bound");
            }
            bound.parts[bound.partCount++] = Number(p);
            if (*p == '\0') {
                break;
            }
            if (*p++ != '-') {
                throw std::invalid_argument("parts of a bound are joined by '-'");
            }
        }
        if (bound.partCount != PartsOf(form)) {
            throw std::invalid_argument("too few parts in a bound");
        }
        return bound;
    }
    bound.signedWord = form == DisplayForm::SignedDecimal;
    if (SameText(text, "Pn904")) {
        bound.kind = BoundKind::Pn904;
        return bound;
    }
    if (SameText(text, "-Pn904")) {
        bound.kind = BoundKind::MinusPn904;
        return bound;
    }
    const bool negative = *text == '-';
    const char* p = negative ? text + 1 : text;
    const qint32 n = Number(p);
    if (*p != '\0') {
        throw std::invalid_argument("a decimal bound is one number");
    }
    bound.kind = BoundKind::Fixed;
    bound.value = negative ? -n : n;
    return bound;
}

// The mark of a control-mode text; every catalogued text has one.
constexpr TakesEffect EffectOf(const char* controlMode) {
    if (catalogue_parse::Contains(controlMode, "(立即)")) {
        return TakesEffect::Immediately;
    }
    if (catalogue_parse::Contains(controlMode, "(重開機)")) {
        return TakesEffect::AfterRestart;
    }
    throw std::invalid_argument("a control mode needs its mark");
}

constexpr ParameterRecord RecordOfRow(const CatalogueRow& row) {
    ParameterRecord r;
    r.number = row.number;
    r.sheet = row.number / 100;
    r.row = row.row;
    r.description = row.description;
    r.gloss = row.gloss;
    r.controlMode = row.controlMode;
    r.takesEffect = EffectOf(row.controlMode);
    r.form = row.form;
    r.unit = row.unit;
    r.min = ParseBound(row.min, row.form);
    r.max = ParseBound(row.max, row.form);
    return r;
}
