#pragma once

#include "catalogue/Catalogue.h"

#include <vector>

// The catalogue's rows, one function per group of sheets so that each data
// file stays readable. Only Catalogue.cpp puts them together.

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

// Each returns its sheets' entries in catalogue order.
std::vector<CatalogueEntry> CatalogueSheets0to2();
std::vector<CatalogueEntry> CatalogueSheet3();
std::vector<CatalogueEntry> CatalogueSheets4to5();
std::vector<CatalogueEntry> CatalogueSheet6();
std::vector<CatalogueEntry> CatalogueSheet7();
