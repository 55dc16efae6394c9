#pragma once

#include "editing/ValueForms.h"

#include <QString>
#include <vector>

// One parameter the sheets show: grid row, texts, form and bounds, exactly
// as the grid shows them. Bounds are the shown texts: "0", "-9999",
// "Pn904", "-Pn904" for the decimal forms; "1-7-1", "08-08", "44-1" for the
// digit-wise forms.
struct CatalogueEntry {
    int sheet;           // 0..7
    int row;             // grid row, 1.. (0 = no row: kept but not shown)
    quint16 number;
    const char* description;
    const char* controlMode;
    DisplayForm form;
    const char* unit;
    const char* minText;
    const char* maxText;
};

// Every catalogue entry, sheet by sheet, in catalogue order (196 entries).
const std::vector<CatalogueEntry>& Catalogue();

// The entries of one sheet, in catalogue order; empty for 8 and 9.
std::vector<const CatalogueEntry*> CatalogueOfSheet(int sheet);

// The entry a grid row of `sheet` shows, or nullptr (header, beyond the
// sheet, sheets 8 and 9).
const CatalogueEntry* EntryAtRow(int sheet, int row);

// The entry of parameter `number`, or nullptr.
const CatalogueEntry* EntryOf(quint16 number);
