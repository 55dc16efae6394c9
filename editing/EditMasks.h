#pragma once

#include <QString>

// The value column of the grid; the only column that can be edited.
constexpr int kValueColumn = 3;

// The edit mask of cell (col, row) of sheet `sheetIndex`, from the display
// form of the parameter the row shows: "0" one digit, "-" a literal kept in
// the editor's text. Empty (no mask) for every cell outside the value
// column and for the rows of parameters edited as plain numbers. Sheet 9's
// rows keep masks of their own although no fill writes them.
QString EditMaskOf(int sheetIndex, int col, int row);
