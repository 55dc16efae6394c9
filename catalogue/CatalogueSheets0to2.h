#pragma once

#include "catalogue/CatalogueRow.h"

namespace catalogue_data {

inline constexpr CatalogueRow kSheets0to2[] = {
    // clang-format off
    // Sheet 0: row, number, description, gloss, control mode, form, unit, min, max
    { 1,   0, "功能選擇 1", "function selection 1", "S,P,T(重開機)", Grp3, "---", "0-0-0", "1-7-1"},
    { 2,   1, "顯示選擇設定", "display selection setting", "S,P,T(重開機)", Dec, "---", "0", "30"},
    { 3,   2, "回升放電準位", "regeneration discharge level", "M(立即)", Dec, "%", "0", "100"},
    { 4,   3, "過電壓保護準位", "over-voltage protection level", "M(立即)", Dec, "V", "0", "1000"},

    // Sheet 1: row, number, description, gloss, control mode, form, unit, min, max
    { 1, 100, "KVP1", "", "S(立即)", Dec, "0.1Hz", "1", "20000"},
    { 2, 101, "TI1", "", "S(立即)", Dec, "0.1ms", "0", "10000"},
    { 3, 102, "KPP1", "", "P(立即)", Dec, "0.01/s", "1", "20000"},
    { 4, 103, "KVP2", "", "S(立即)", Dec, "0.1Hz", "10", "20000"},
    { 5, 104, "TI2", "", "S(立即)", Dec, "0.1ms", "0", "10000"},
    { 6, 105, "KPP2", "", "P(立即)", Dec, "0.01/s", "1", "20000"},
    { 7, 106, "位置前饋增益", "position feed-forward gain", "P(立即)", Dec, "%", "0", "100"},
    { 8, 107, "位置前饋增益濾波時間", "position feed-forward gain filter time", "P(立即)", Dec, "0.1ms", "0", "1000"},
    { 9, 108, "負載慣性比例", "load inertia ratio", "S,P,T(立即)", Dec, "%", "0", "2000"},
    {10, 109, "PI模式切換功能選擇", "PI-mode switching function selection", "S(立即)", Grp2, "---", "0-0", "1-5"},
    {11, 110, "PI模式切換(轉矩命令)", "PI-mode switching (torque command)", "S(立即)", Dec, "%", "0", "300"},
    {12, 111, "PI模式切換(速度命令)", "PI-mode switching (speed command)", "S(立即)", Dec, "RPM", "0", "10000"},
    {13, 112, "PI模式切換(加速度)", "PI-mode switching (acceleration)", "S(立即)", Dec, "RPM/10ms", "0", "30000"},
    {14, 113, "PI模式切換(位置誤差脈波)", "PI-mode switching (position error pulses)", "S(立即)", Dec, "Counts", "0", "10000"},
    {15, 114, "增益切換功能選擇", "gain switching function selection", "P(立即)", Grp2, "---", "0-0", "1-6"},
    {16, 115, "增益切換時間 1", "gain switching time 1", "P(立即)", Dec, "ms", "0", "30000"},
    {17, 116, "增益切換時間 2", "gain switching time 2", "P(立即)", Dec, "ms", "0", "30000"},
    {18, 117, "增益等待時間 1", "gain waiting time 1", "P(立即)", Dec, "ms", "0", "30000"},
    {19, 118, "增益等待時間 2", "gain waiting time 2", "P(立即)", Dec, "ms", "0", "30000"},
    {20, 119, "KVFF1", "", "S(立即)", Dec, "%", "0", "100"},
    {21, 120, "KVFF2", "", "S(立即)", Dec, "%", "0", "100"},

    // Sheet 2: row, number, description, gloss, control mode, form, unit, min, max
    { 1, 200, "位置命令形式選擇", "position command form selection", "P(重開機)", Grp3, "---", "0-0-0", "7-5-1"},
    { 2, 201, "編碼器脈波輸出設定", "encoder pulse output setting", "P(重開機)", Dec, "---", "0", "1"},
    { 3, 202, "電子齒輪分母", "electronic gear denominator", "P(重開機)", Dec, "---", "1", "65535"},
    { 4, 203, "電子齒輪分子", "electronic gear numerator", "P(重開機)", Dec, "---", "1", "65535"},
    { 5, 204, "電子齒輪分子 1", "electronic gear numerator 1", "P(重開機)", Dec, "---", "1", "65535"},
    { 6, 205, "電子齒輪分子 2", "electronic gear numerator 2", "P(重開機)", Dec, "---", "1", "65535"},
    { 7, 206, "電子齒輪分子 3", "electronic gear numerator 3", "P(重開機)", Dec, "---", "1", "65535"},
    { 8, 207, "位置命令加減速選擇", "position command acceleration/deceleration selection", "P(立即)", Dec, "---", "0", "3"},
    { 9, 208, "位置命令指數型加減速時間", "position command exponential acceleration/deceleration time", "P(立即)", Dec, "ms", "0", "65535"},
    {10, 209, "位置命令指數型加減速時間", "position command exponential acceleration/deceleration time", "P(立即)", Dec, "ms", "0", "1000"},
    {11, 210, "位置命令S型加減速時間", "position command S-curve acceleration/deceleration time", "P(立即)", Dec, "ms", "0", "1000"},
    {12, 211, "編碼器脈波輸出數", "encoder output pulse count", "P(重開機)", Dec, "PLS/REV", "16", "8192"},
    {13, 212, "尋找馬達Index加減速時間(指數型)", "motor index search acceleration/deceleration time (exponential)", "P(立即)", Dec, "ms", "0", "65535"},
    {14, 213, "馬達Index Offset Value", "motor index offset value", "P(立即)", SDec, "pulse", "-9999", "9999"},
    // clang-format on
};

} // namespace catalogue_data
