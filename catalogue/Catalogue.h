#pragma once

#include "catalogue/ParameterRecord.h"

#include <functional>
#include <vector>

// The catalogue: the records of the parameters the sheets show, with their
// texts, forms and bounds (196, Pn724 among them although no row shows it).

// Every catalogued record, sheet by sheet, in catalogue order.
const std::vector<std::reference_wrapper<const ParameterRecord>>& Catalogue();

// The catalogued records of one sheet, in catalogue order; empty for 8 and 9.
std::vector<const ParameterRecord*> CatalogueOfSheet(int sheet);

// The record a grid row of `sheet` shows, or nullptr (header, beyond the
// sheet, sheets 8 and 9).
const ParameterRecord* EntryAtRow(int sheet, int row);

// The record of parameter `number` when the catalogue lists it (196 of
// them), or nullptr; RecordOf gives any of the 309 the program holds.
const ParameterRecord* CatalogueEntryOf(quint16 number);

// The data rows of a sheet's grid, the header not counted.
int CatalogueRowCount(int sheet);
