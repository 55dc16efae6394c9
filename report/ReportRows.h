#pragma once

#include "report/ReportModel.h"

#include <QString>
#include <optional>

// The one place where the report reads the parameter records: everything
// else in the report works on the resolved texts of ReportRow.

struct GridRow {
    int sheet = 0; // 0..7
    int row = 0;   // grid row, 1..
    ReportRow texts;
};

// The grid row of parameter `number` with `valueText` resolved as the grid
// shows it after reading these values: display text, bounds (Pn904-bounded
// ones from `pn904Text`), and where the value stands against its rule (StandingOf),
// its words in `language` (in English the description is the gloss, and no
// gloss is left to show below it). Empty for a parameter that no sheet
// shows. Reads no global record.
std::optional<GridRow> GridRowOf(quint16 number, const QString& valueText, const QString& pn904Text,
                                 Language language);
