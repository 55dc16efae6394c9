#pragma once

#include "catalogue/CatalogueRow.h"

namespace catalogue_data {

inline constexpr CatalogueRow kSheet3[] = {
    // clang-format off
    // Sheet 3: row, number, description, gloss, control mode, form, unit, min, max
    // Pn303, Pn334, Pn335 have value slots but no row.
    { 1, 300, "速度命令選擇", "speed command selection", "S(重開機)", Grp3, "---", "0-0-0", "1-1-0"},
    { 2, 301, "類比命令輸入不作用區", "analog command input dead band", "S(立即)", Dec, "0.01v", "0", "1000"},
    { 3, 302, "類比命令輸入濾波時間常數", "analog command input filter time constant", "S(立即)", Dec, "0.1ms", "0", "65535"},
    { 4, 304, "內部速度 1", "internal speed 1", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"},
    { 5, 305, "內部速度 2", "internal speed 2", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"},
    { 6, 306, "內部速度 3", "internal speed 3", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"},
    { 7, 307, "內部速度 4", "internal speed 4", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"},
    { 8, 308, "內部速度 5", "internal speed 5", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"},
    { 9, 309, "內部速度 6", "internal speed 6", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"},
    {10, 310, "內部速度 7", "internal speed 7", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"},
    {11, 311, "內部速度 8", "internal speed 8", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"},
    {12, 312, "直線加速度時間選擇 1", "linear acceleration time selection 1", "S(立即)", Dec, "ms", "0", "65535"},
    {13, 313, "直線加速度時間選擇 2", "linear acceleration time selection 2", "S(立即)", Dec, "ms", "0", "65535"},
    {14, 314, "直線加速度時間選擇 3", "linear acceleration time selection 3", "S(立即)", Dec, "ms", "0", "65535"},
    {15, 315, "直線加速度時間選擇 4", "linear acceleration time selection 4", "S(立即)", Dec, "ms", "0", "65535"},
    {16, 316, "直線加速度時間選擇 5", "linear acceleration time selection 5", "S(立即)", Dec, "ms", "0", "65535"},
    {17, 317, "直線加速度時間選擇 6", "linear acceleration time selection 6", "S(立即)", Dec, "ms", "0", "65535"},
    {18, 318, "直線加速度時間選擇 7", "linear acceleration time selection 7", "S(立即)", Dec, "ms", "0", "65535"},
    {19, 319, "直線加速度時間選擇 8", "linear acceleration time selection 8", "S(立即)", Dec, "ms", "0", "65535"},
    {20, 320, "直線減速度時間選擇 1", "linear deceleration time selection 1", "S(立即)", Dec, "ms", "0", "65535"},
    {21, 321, "直線減速度時間選擇 2", "linear deceleration time selection 2", "S(立即)", Dec, "ms", "0", "65535"},
    {22, 322, "直線減速度時間選擇 3", "linear deceleration time selection 3", "S(立即)", Dec, "ms", "0", "65535"},
    {23, 323, "直線減速度時間選擇 4", "linear deceleration time selection 4", "S(立即)", Dec, "ms", "0", "65535"},
    {24, 324, "直線減速度時間選擇 5", "linear deceleration time selection 5", "S(立即)", Dec, "ms", "0", "65535"},
    {25, 325, "直線減速度時間選擇 6", "linear deceleration time selection 6", "S(立即)", Dec, "ms", "0", "65535"},
    {26, 326, "直線減速度時間選擇 7", "linear deceleration time selection 7", "S(立即)", Dec, "ms", "0", "65535"},
    {27, 327, "直線減速度時間選擇 1", "linear deceleration time selection 1", "S(立即)", Dec, "ms", "0", "65535"},
    {28, 328, "直線加速時間", "linear acceleration time", "S(立即)", Dec, "ms", "0", "65535"},
    {29, 329, "直線減速時間", "linear deceleration time", "S(立即)", Dec, "ms", "0", "65535"},
    {30, 330, "S型加速完成時的速度", "speed at the end of S-curve acceleration", "S(立即)", Dec, "RPM", "0", "10000"},
    {31, 331, "S型減速完成時的速度", "speed at the end of S-curve deceleration", "S(立即)", Dec, "RPM", "0", "10000"},
    {32, 332, "S型加速時間", "S-curve acceleration time", "S(立即)", Dec, "ms", "0", "65535"},
    {33, 333, "S型減速時間", "S-curve deceleration time", "S(立即)", Dec, "ms", "0", "65535"},
    {34, 336, "正轉禁止減速時間", "forward-run inhibit deceleration time", "S(立即)", Dec, "ms", "0", "65535"},
    {35, 337, "反轉禁止減速時間", "reverse-run inhibit deceleration time", "S(立即)", Dec, "ms", "0", "65535"},
    {36, 338, "最低轉速進入HOLD", "lowest speed for entering HOLD", "S(立即)", Dec, "0.1RPM", "1", "1000"},
    {37, 339, "進入HOLD的時間延遲", "delay before entering HOLD", "S(立即)", Dec, "ms", "1", "1000"},
    {38, 340, "HOLD的增益", "HOLD gain", "S(立即)", Dec, "0.01/sec", "1", "10000"},
    {39, 341, "進入HOLD的減速時間", "deceleration time for entering HOLD", "S(立即)", Dec, "ms", "0", "65535"},
    // clang-format on
};

} // namespace catalogue_data
