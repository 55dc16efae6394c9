#pragma once

#include "catalogue/CatalogueRow.h"

namespace catalogue_data {

inline constexpr CatalogueRow kSheets4to5[] = {
    // clang-format off
    // Sheet 4: row, number, description, gloss, control mode, form, unit, min, max
    // Pn404, Pn405, Pn411, Pn414 have value slots but no row.
    { 1, 400, "轉矩命令,轉矩限制及轉速限制選擇", "torque command, torque limit and speed limit selection", "T(重開機)", Grp3, "---", "0-0-0", "1-1-1"},
    { 2, 401, "轉矩限制類比輸入濾波時間常數", "torque limit analog input filter time constant", "T(立即)", Dec, "0.1ms", "0", "65535"},
    { 3, 402, "內部正轉轉矩限制", "internal forward torque limit", "T(立即)", Dec, "0.1%", "0", "3000"},
    { 4, 403, "內部反轉轉矩限制", "internal reverse torque limit", "T(立即)", SDec, "0.1%", "-3000", "0"},
    { 5, 406, "正轉轉速限制,當使用轉矩命令控制", "forward speed limit under torque command control", "T(立即)", Dec, "RPM", "0", "Pn904"},
    { 6, 407, "反轉轉速限制,當使用轉矩命令控制", "reverse speed limit under torque command control", "T(立即)", SDec, "RPM", "-Pn904", "0"},
    { 7, 408, "轉矩命令輸入濾波常數時間 1", "torque command input filter time constant 1", "T(立即)", Dec, "0.1ms", "0", "65535"},
    { 8, 409, "位置命令加減速選擇", "position command acceleration/deceleration selection", "T(立即)", Dec, "Hz", "1", "5000"},
    { 9, 410, "陷波濾波器Q1", "notch filter Q1", "T(立即)", Dec, "0.01", "1", "1000"},
    {10, 412, "陷波濾波器頻率 2", "notch filter frequency 2", "T(立即)", Dec, "Hz", "1", "5000"},
    {11, 413, "陷波濾波器Q2", "notch filter Q2", "T(立即)", Dec, "0.01", "1", "1000"},
    {12, 415, "轉矩命令濾波器的選用", "torque command filter selection", "T(立即)", Grp4, "---", "0-0-0-0", "1-1-1-1"},

    // Sheet 5: row, number, description, gloss, control mode, form, unit, min, max
    // Pn513, Pn514, Pn515 have value slots but no row.
    { 1, 500, "類比輸出選擇", "analog output selection", "S,P,T(重開機)", Grp3, "---", "0-0-0", "9-9-9"},
    { 2, 501, "類比1輸入增益", "analog 1 input gain", "S,P,T(立即)", Dec, "0.01V", "200", "3000"},
    { 3, 502, "類比1偏壓補償", "analog 1 offset compensation", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"},
    { 4, 503, "類比2輸入增益", "analog 2 input gain", "S,P,T(立即)", Dec, "0.01V", "200", "3000"},
    { 5, 504, "類比2偏壓補償", "analog 2 offset compensation", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"},
    { 6, 505, "類比3輸入增益", "analog 3 input gain", "S,P,T(立即)", Dec, "0.01V", "200", "3000"},
    { 7, 506, "類比3偏壓補償", "analog 3 offset compensation", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"},
    { 8, 507, "類比位置命令增益", "analog position command gain", "P(立即)", Dec, "PLS/10V", "0", "30000"},
    { 9, 508, "類比1輸出放大值", "analog 1 output scaling", "S,P,T(立即)", SDec, "0.01", "-9999", "9999"},
    {10, 509, "類比1偏壓值", "analog 1 offset value", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"},
    {11, 510, "類比2輸出放大值", "analog 2 output scaling", "S,P,T(立即)", SDec, "0.01", "-9999", "9999"},
    {12, 511, "類比2偏壓值", "analog 2 offset value", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"},
    {13, 512, "類比輸出選擇", "analog output selection", "S,P,T(立即)", Pair, "---", "00-00", "08-08"},
    {14, 516, "馬達煞車釋放延遲時間", "motor brake release delay time", "S,P,T(立即)", Dec, "ms", "0", "1000"},
    {15, 517, "煞車致能馬達轉速準位", "motor speed level for brake enable", "S,P,T(立即)", Dec, "RPM", "0", "10000"},
    {16, 518, "SERVO OFF 前馬達煞車鎖入時間", "motor brake engage time before SERVO OFF", "S,P,T(立即)", Dec, "ms", "0", "1000"},
    {17, 519, "零速度檢出範圍", "zero-speed detection range", "S,P,T(立即)", Dec, "RPM", "0", "100"},
    {18, 520, "定位完成範圍", "positioning-complete range", "P(立即)", Dec, "PLS", "0", "30000"},
    {19, 521, "定位接近範圍", "positioning-near range", "P(立即)", Dec, "PLS", "0", "30000"},
    {20, 522, "轉矩到達檢出範圍", "torque-reached detection range", "S,P,T(立即)", Dec, "%", "0", "400"},
    {21, 523, "速度接近範圍", "speed-near range", "S,P,T(立即)", Dec, "RPM", "0", "10000"},
    {22, 524, "位置追隨誤差檢出範圍", "position following error detection range", "P(立即)", Dec, "PLS", "0", "30000"},
    {23, 525, "輸入信號選擇 1 --- CN1-6/SON", "input signal selection 1, connector CN1 pin 6, SON", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {24, 526, "輸入信號選擇 2 --- CN1-7/RST", "input signal selection 2, CN1 pin 7, RST", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {25, 527, "輸入信號選擇 3 --- CN1-13/TLM", "input signal selection 3, CN1 pin 13, TLM", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {26, 528, "輸入信號選擇 4 --- CN1-14/PRIH", "input signal selection 4, CN1 pin 14, PRIH", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {27, 529, "輸入信號選擇 5 --- CN1-15/NRIH", "input signal selection 5, CN1 pin 15, NRIH", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {28, 530, "輸入信號選擇 6 --- CN1-16/ZCMD", "input signal selection 6, CN1 pin 16, ZCMD", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {29, 531, "輸入信號選擇 7 --- CN1-32/SEL1", "input signal selection 7, CN1 pin 32, SEL1", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {30, 532, "輸入信號選擇 8 --- CN1-33/SEL2", "input signal selection 8, CN1 pin 33, SEL2", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {31, 533, "輸入信號選擇 9 --- CN1-35/SEL3", "input signal selection 9, CN1 pin 35, SEL3", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {32, 534, "輸入信號選擇 10 --- CN1-34/MODC", "input signal selection 10, CN1 pin 34, MODC", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"},
    {33, 535, "輸出信號選擇 1 --- CN1-10/ALM", "output signal selection 1, CN1 pin 10, ALM", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"},
    {34, 536, "輸出信號選擇 2 --- CN1-17/RDY", "output signal selection 2, CN1 pin 17, RDY", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"},
    {35, 537, "輸出信號選擇 3 --- CN1-36/TLC", "output signal selection 3, CN1 pin 36, TLC", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"},
    {36, 538, "輸出信號選擇 4 --- CN1-18/INP", "output signal selection 4, CN1 pin 18, INP", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"},
    {37, 539, "輸出信號選擇 5 --- CN1-37/ZS", "output signal selection 5, CN1 pin 37, ZS", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"},
    // clang-format on
};

} // namespace catalogue_data
