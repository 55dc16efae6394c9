#include "editing/EditMasks.h"

#include "editing/CommitState.h"

#include <array>

namespace {

struct MaskRow {
    int sheet;
    int firstRow;
    int lastRow;
    const char* mask;
};

// The rows of the digit-wise parameters that a grid row shows, by sheet.
constexpr std::array<MaskRow, 16> kMaskRows{{
    {0, 1, 1, "0-0-0"},     // Pn000
    {1, 10, 10, "0-0"},     // Pn109
    {1, 15, 15, "0-0"},     // Pn114
    {2, 1, 1, "0-0-0"},     // Pn200
    {3, 1, 1, "0-0-0"},     // Pn300
    {4, 1, 1, "0-0-0"},     // Pn400
    {4, 12, 12, "0-0-0-0"}, // Pn415
    {5, 1, 1, "0-0-0"},     // Pn500
    {5, 13, 13, "00-00"},   // Pn512
    {5, 23, 37, "00-0"},    // Pn525 .. Pn539
    {6, 3, 3, "0-0-0"},     // Pn602
    {6, 25, 25, "0-0-0"},   // Pn626
    {7, 1, 1, "0-0-0"},     // Pn700
    {9, 2, 2, "0-0-0-0"},
    {9, 9, 9, "0-0-0"},
    {9, 13, 13, "0-0"},
}};

constexpr char kBackspace = 8;
constexpr char kEnter = 13;

} // namespace

QString EditMaskOf(int sheetIndex, int col, int row) {
    if (col != kValueColumn)
        return QString();
    for (const MaskRow& m : kMaskRows) {
        if (m.sheet == sheetIndex && row >= m.firstRow && row <= m.lastRow)
            return QString::fromLatin1(m.mask);
    }
    return QString();
}

void FilterEditKey(char& key) {
    if (key >= '0' && key <= '9')
        return;
    if (key == kBackspace || key == '-')
        return;
    if (key == kEnter) {
        CommitRequested = 1;
        return;
    }
    key = '\0';
}
