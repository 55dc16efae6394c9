#include "catalogue/CatalogueData.h"

using namespace catalogue_data;

std::vector<CatalogueEntry> CatalogueSheet3() {
    // clang-format off
    return {
        // Sheet 3: sheet, row, number, description, control mode, form, unit, min, max
        // Pn303, Pn334, Pn335 have value slots but no row.
        {3,  1, 300, "速度命令選擇", "S(重開機)", Grp3, "---", "0-0-0", "1-1-0"}, // speed command selection
        {3,  2, 301, "類比命令輸入不作用區", "S(立即)", Dec, "0.01v", "0", "1000"}, // analog command input dead band
        {3,  3, 302, "類比命令輸入濾波時間常數", "S(立即)", Dec, "0.1ms", "0", "65535"}, // analog command input filter time constant
        {3,  4, 304, "內部速度 1", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"}, // internal speed 1
        {3,  5, 305, "內部速度 2", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"}, // internal speed 2
        {3,  6, 306, "內部速度 3", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"}, // internal speed 3
        {3,  7, 307, "內部速度 4", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"}, // internal speed 4
        {3,  8, 308, "內部速度 5", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"}, // internal speed 5
        {3,  9, 309, "內部速度 6", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"}, // internal speed 6
        {3, 10, 310, "內部速度 7", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"}, // internal speed 7
        {3, 11, 311, "內部速度 8", "S(立即)", SDec, "RPM", "-Pn904", "Pn904"}, // internal speed 8
        {3, 12, 312, "直線加速度時間選擇 1", "S(立即)", Dec, "ms", "0", "65535"}, // linear acceleration time selection 1
        {3, 13, 313, "直線加速度時間選擇 2", "S(立即)", Dec, "ms", "0", "65535"}, // linear acceleration time selection 2
        {3, 14, 314, "直線加速度時間選擇 3", "S(立即)", Dec, "ms", "0", "65535"}, // linear acceleration time selection 3
        {3, 15, 315, "直線加速度時間選擇 4", "S(立即)", Dec, "ms", "0", "65535"}, // linear acceleration time selection 4
        {3, 16, 316, "直線加速度時間選擇 5", "S(立即)", Dec, "ms", "0", "65535"}, // linear acceleration time selection 5
        {3, 17, 317, "直線加速度時間選擇 6", "S(立即)", Dec, "ms", "0", "65535"}, // linear acceleration time selection 6
        {3, 18, 318, "直線加速度時間選擇 7", "S(立即)", Dec, "ms", "0", "65535"}, // linear acceleration time selection 7
        {3, 19, 319, "直線加速度時間選擇 8", "S(立即)", Dec, "ms", "0", "65535"}, // linear acceleration time selection 8
        {3, 20, 320, "直線減速度時間選擇 1", "S(立即)", Dec, "ms", "0", "65535"}, // linear deceleration time selection 1
        {3, 21, 321, "直線減速度時間選擇 2", "S(立即)", Dec, "ms", "0", "65535"}, // linear deceleration time selection 2
        {3, 22, 322, "直線減速度時間選擇 3", "S(立即)", Dec, "ms", "0", "65535"}, // linear deceleration time selection 3
        {3, 23, 323, "直線減速度時間選擇 4", "S(立即)", Dec, "ms", "0", "65535"}, // linear deceleration time selection 4
        {3, 24, 324, "直線減速度時間選擇 5", "S(立即)", Dec, "ms", "0", "65535"}, // linear deceleration time selection 5
        {3, 25, 325, "直線減速度時間選擇 6", "S(立即)", Dec, "ms", "0", "65535"}, // linear deceleration time selection 6
        {3, 26, 326, "直線減速度時間選擇 7", "S(立即)", Dec, "ms", "0", "65535"}, // linear deceleration time selection 7
        {3, 27, 327, "直線減速度時間選擇 1", "S(立即)", Dec, "ms", "0", "65535"}, // linear deceleration time selection 1
        {3, 28, 328, "直線加速時間", "S(立即)", Dec, "ms", "0", "65535"}, // linear acceleration time
        {3, 29, 329, "直線減速時間", "S(立即)", Dec, "ms", "0", "65535"}, // linear deceleration time
        {3, 30, 330, "S型加速完成時的速度", "S(立即)", Dec, "RPM", "0", "10000"}, // speed at the end of S-curve acceleration
        {3, 31, 331, "S型減速完成時的速度", "S(立即)", Dec, "RPM", "0", "10000"}, // speed at the end of S-curve deceleration
        {3, 32, 332, "S型加速時間", "S(立即)", Dec, "ms", "0", "65535"}, // S-curve acceleration time
        {3, 33, 333, "S型減速時間", "S(立即)", Dec, "ms", "0", "65535"}, // S-curve deceleration time
        {3, 34, 336, "正轉禁止減速時間", "S(立即)", Dec, "ms", "0", "65535"}, // forward-run inhibit deceleration time
        {3, 35, 337, "反轉禁止減速時間", "S(立即)", Dec, "ms", "0", "65535"}, // reverse-run inhibit deceleration time
        {3, 36, 338, "最低轉速進入HOLD", "S(立即)", Dec, "0.1RPM", "1", "1000"}, // lowest speed for entering HOLD
        {3, 37, 339, "進入HOLD的時間延遲", "S(立即)", Dec, "ms", "1", "1000"}, // delay before entering HOLD
        {3, 38, 340, "HOLD的增益", "S(立即)", Dec, "0.01/sec", "1", "10000"}, // HOLD gain
        {3, 39, 341, "進入HOLD的減速時間", "S(立即)", Dec, "ms", "0", "65535"}, // deceleration time for entering HOLD
    };
    // clang-format on
}
