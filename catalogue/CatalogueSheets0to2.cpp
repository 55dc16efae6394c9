#include "catalogue/CatalogueData.h"

using namespace catalogue_data;

std::vector<CatalogueEntry> CatalogueSheets0to2() {
    // clang-format off
    return {
        // Sheet 0: sheet, row, number, description, control mode, form, unit, min, max
        {0,  1,   0, "功能選擇 1", "S,P,T(重開機)", Grp3, "---", "0-0-0", "1-7-1"}, // function selection 1
        {0,  2,   1, "顯示選擇設定", "S,P,T(重開機)", Dec, "---", "0", "30"}, // display selection setting
        {0,  3,   2, "回升放電準位", "M(立即)", Dec, "%", "0", "100"}, // regeneration discharge level
        {0,  4,   3, "過電壓保護準位", "M(立即)", Dec, "V", "0", "1000"}, // over-voltage protection level

        // Sheet 1: sheet, row, number, description, control mode, form, unit, min, max
        {1,  1, 100, "KVP1", "S(立即)", Dec, "0.1Hz", "1", "20000"},
        {1,  2, 101, "TI1", "S(立即)", Dec, "0.1ms", "0", "10000"},
        {1,  3, 102, "KPP1", "P(立即)", Dec, "0.01/s", "1", "20000"},
        {1,  4, 103, "KVP2", "S(立即)", Dec, "0.1Hz", "10", "20000"},
        {1,  5, 104, "TI2", "S(立即)", Dec, "0.1ms", "0", "10000"},
        {1,  6, 105, "KPP2", "P(立即)", Dec, "0.01/s", "1", "20000"},
        {1,  7, 106, "位置前饋增益", "P(立即)", Dec, "%", "0", "100"}, // position feed-forward gain
        {1,  8, 107, "位置前饋增益濾波時間", "P(立即)", Dec, "0.1ms", "0", "1000"}, // position feed-forward gain filter time
        {1,  9, 108, "負載慣性比例", "S,P,T(立即)", Dec, "%", "0", "2000"}, // load inertia ratio
        {1, 10, 109, "PI模式切換功能選擇", "S(立即)", Grp2, "---", "0-0", "1-5"}, // PI-mode switching function selection
        {1, 11, 110, "PI模式切換(轉矩命令)", "S(立即)", Dec, "%", "0", "300"}, // PI-mode switching (torque command)
        {1, 12, 111, "PI模式切換(速度命令)", "S(立即)", Dec, "RPM", "0", "10000"}, // PI-mode switching (speed command)
        {1, 13, 112, "PI模式切換(加速度)", "S(立即)", Dec, "RPM/10ms", "0", "30000"}, // PI-mode switching (acceleration)
        {1, 14, 113, "PI模式切換(位置誤差脈波)", "S(立即)", Dec, "Counts", "0", "10000"}, // PI-mode switching (position error pulses)
        {1, 15, 114, "增益切換功能選擇", "P(立即)", Grp2, "---", "0-0", "1-6"}, // gain switching function selection
        {1, 16, 115, "增益切換時間 1", "P(立即)", Dec, "ms", "0", "30000"}, // gain switching time 1
        {1, 17, 116, "增益切換時間 2", "P(立即)", Dec, "ms", "0", "30000"}, // gain switching time 2
        {1, 18, 117, "增益等待時間 1", "P(立即)", Dec, "ms", "0", "30000"}, // gain waiting time 1
        {1, 19, 118, "增益等待時間 2", "P(立即)", Dec, "ms", "0", "30000"}, // gain waiting time 2
        {1, 20, 119, "KVFF1", "S(立即)", Dec, "%", "0", "100"},
        {1, 21, 120, "KVFF2", "S(立即)", Dec, "%", "0", "100"},

        // Sheet 2: sheet, row, number, description, control mode, form, unit, min, max
        {2,  1, 200, "位置命令形式選擇", "P(重開機)", Grp3, "---", "0-0-0", "7-5-1"}, // position command form selection
        {2,  2, 201, "編碼器脈波輸出設定", "P(重開機)", Dec, "---", "0", "1"}, // encoder pulse output setting
        {2,  3, 202, "電子齒輪分母", "P(重開機)", Dec, "---", "1", "65535"}, // electronic gear denominator
        {2,  4, 203, "電子齒輪分子", "P(重開機)", Dec, "---", "1", "65535"}, // electronic gear numerator
        {2,  5, 204, "電子齒輪分子 1", "P(重開機)", Dec, "---", "1", "65535"}, // electronic gear numerator 1
        {2,  6, 205, "電子齒輪分子 2", "P(重開機)", Dec, "---", "1", "65535"}, // electronic gear numerator 2
        {2,  7, 206, "電子齒輪分子 3", "P(重開機)", Dec, "---", "1", "65535"}, // electronic gear numerator 3
        {2,  8, 207, "位置命令加減速選擇", "P(立即)", Dec, "---", "0", "3"}, // position command acceleration/deceleration selection
        {2,  9, 208, "位置命令指數型加減速時間", "P(立即)", Dec, "ms", "0", "65535"}, // position command exponential acceleration/deceleration time
        {2, 10, 209, "位置命令指數型加減速時間", "P(立即)", Dec, "ms", "0", "1000"}, // position command exponential acceleration/deceleration time
        {2, 11, 210, "位置命令S型加減速時間", "P(立即)", Dec, "ms", "0", "1000"}, // position command S-curve acceleration/deceleration time
        {2, 12, 211, "編碼器脈波輸出數", "P(重開機)", Dec, "PLS/REV", "16", "8192"}, // encoder output pulse count
        {2, 13, 212, "尋找馬達Index加減速時間(指數型)", "P(立即)", Dec, "ms", "0", "65535"}, // motor index search acceleration/deceleration time (exponential)
        {2, 14, 213, "馬達Index Offset Value", "P(立即)", SDec, "pulse", "-9999", "9999"}, // motor index offset value
    };
    // clang-format on
}
