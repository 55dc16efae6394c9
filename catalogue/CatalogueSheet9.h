#pragma once

#include "catalogue/CatalogueRow.h"

namespace catalogue_data {

// Sheet 9 has no rows, but these numbers are kept digit by digit or as
// signed values all the same, with the forms their edit masks and signed
// records give them.
inline constexpr HeldForm kSheet9Forms[] = {
    // clang-format off
    {902, Grp4}, {908, SDec}, {909, Grp3}, {913, Grp2},
    {931, SDec}, {932, SDec}, {933, SDec}, {939, SDec}, {942, SDec}, {943, SDec},
    {952, SDec}, {953, SDec}, {955, SDec}, {956, SDec}, {958, SDec}, {959, SDec},
    {961, SDec}, {962, SDec},
    // clang-format on
};

} // namespace catalogue_data
