#pragma once

#include "catalogue/Catalogue.h"

#include <QString>

// The texts of the minimum and maximum columns of a catalogue row. A row
// whose bound follows the drive ("Pn904", "-Pn904") shows the current
// Pn904Bounds word: signed for Pn304..Pn311 (both sides) and for Pn407's
// minimum, unsigned for the maxima of Pn406 and Pn708. Every other bound is
// the catalogue's text as it stands. Never fails.
QString ShownMinimum(const CatalogueEntry& entry);
QString ShownMaximum(const CatalogueEntry& entry);
