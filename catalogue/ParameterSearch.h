#pragma once

#include "core/Language.h"

#include <QString>
#include <optional>
#include <vector>

// Finding a parameter by what a technician remembers of it: its number in
// any spelling ("100", "Pn100", "pn1"), words of its Chinese description or
// of its English gloss. Both programs use it (搜尋參數, tarnctl find).

struct SearchHit {
    quint16 number = 0;
    QString description; // as the grid shows it; empty for an uncatalogued number
    QString gloss;       // English; empty where there is none
    int sheet = 0;       // the hundreds digit
    // It has a row on one of the tabs Pn0xx to Pn5xx, so the grid can show it.
    bool selectable = false;
};

// The hits for `text` over all 309 parameters: those whose name ("Pn100")
// holds the text come first, then those whose description or gloss holds
// it, each group in file order. Case is ignored, and so is white space
// around the text; full-width forms match their ASCII letters and digits
// (NFKC); an empty text finds nothing.
std::vector<SearchHit> FindParameters(const QString& text);

// The sheet column of a hit: "Pn1xx" where it can be shown, else its sheet
// and that it has no row there, "Pn9xx（不在表格中）" (in English "Pn9xx (not
// in the grid)"); Chinese unless asked, as the web view's JSON gives it.
QString SheetTextOf(const SearchHit& hit, Language language = Language::Chinese);

// The number a technician writes for a parameter: "100", "Pn100", "P100",
// "5", "005" (white space around it ignored, letters in any case); nullopt
// for anything else. Whether the program holds a slot for it is SlotOf's.
std::optional<quint16> ParameterNumberOf(const QString& text);
