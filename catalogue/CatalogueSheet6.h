#pragma once

#include "catalogue/CatalogueRow.h"

namespace catalogue_data {

inline constexpr CatalogueRow kSheet6[] = {
    // clang-format off
    // Sheet 6: row, number, description, gloss, control mode, form, unit, min, max
    // Pn608, Pn619, Pn628 have value slots but no row.
    { 1, 600, "位置點對點模式設定", "point-to-point position mode setting", "Tm(立即)", Dec, "---", "0", "3"},
    { 2, 601, "原點復歸方向設定", "homing direction setting", "Tm(重開機)", Dec, "---", "0", "1"},
    { 3, 602, "原點復歸模式選擇", "homing mode selection", "Tm(重開機)", Grp3, "---", "0-0-0", "1-1-1"},
    { 4, 603, "絕對編碼器原點偏移(需要絕對編碼器填值)", "absolute encoder home offset (needs an absolute encoder)", "Tm(立即)", Dec, "Pulse", "0", "4096"},
    { 5, 604, "尋找原點第一段速度", "home search first-stage speed", "Tm(立即)", Dec, "RPM", "1", "3000"},
    { 6, 605, "尋找原點第二段速度", "home search second-stage speed", "Tm(立即)", Dec, "RPM", "1", "3000"},
    { 7, 606, "原點復歸偏移脈波數", "homing offset pulse count", "Tm(立即)", Dec, "Pulse", "0", "32768"},
    { 8, 607, "分度功能速度", "indexing speed", "Tm(立即)", Dec, "RPM", "1", "8000"},
    { 9, 609, "分度切割數(需要絕對編碼器填值)", "number of index divisions (needs an absolute encoder)", "Tm(立即)", Dec, "---", "2", "27"},
    {10, 610, "背隙補償", "backlash compensation", "Tm(立即)", Dec, "Pulse", "0", "32767"},
    {11, 611, "原點復歸執行時間限制", "homing execution time limit", "Tm(立即)", Dec, "ms", "0", "30000"},
    {12, 612, "等待INP延遲時間", "delay waiting for INP", "Tm(立即)", Dec, "ms", "0", "1000"},
    {13, 613, "第一段命令加減速選擇", "first-stage command acceleration/deceleration selection", "(立即)", Dec, "---", "0", "2"},
    {14, 614, "第一段命令直線型加減速時間", "first-stage command linear acceleration/deceleration time", "P(立即)", Dec, "ms", "0", "250"},
    {15, 615, "第一段命令S型加減速時間", "first-stage command S-curve acceleration/deceleration time", "P(立即)", Dec, "ms", "0", "1000"},
    {16, 616, "第二段命令加減速時間選擇", "second-stage command acceleration/deceleration time selection", "(立即)", Dec, "---", "0", "2"},
    {17, 617, "第二段命令直線型加減速時間", "second-stage command linear acceleration/deceleration time", "P(立即)", Dec, "ms", "0", "250"},
    {18, 618, "第二段命令S型加減速時間", "second-stage command S-curve acceleration/deceleration time", "P(立即)", Dec, "ms", "0", "250"},
    {19, 620, "齒輪比數(分子)", "gear ratio (numerator)", "Tm(立即)", Dec, "---", "1", "32767"},
    {20, 621, "齒輪比數(分母)", "gear ratio (denominator)", "Tm(立即)", Dec, "---", "1", "32767"},
    {21, 622, "編碼器方向設定", "encoder direction setting", "Tm(立即)", Dec, "---", "0", "1"},
    {22, 623, "校刀之刀號設定", "tool number for tool setting", "Tm(立即)", Dec, "---", "1", "27"},
    {23, 624, "寸動速度", "jog speed", "Tm(立即)", Dec, "RPM", "1", "6000"},
    {24, 625, "JOG Pulse(馬達編碼器Pulse)", "JOG pulses (motor encoder pulses)", "Tm(立即)", Dec, "PLS", "0", "100"},
    {25, 626, "教導模式選擇", "teaching mode selection", "Tm(立即)", Grp3, "---", "0-0-0", "1-1-5"},
    {26, 627, "分度功能完成後,位置到達範圍設定", "position-reached range after indexing completes", "Tm(立即)", Dec, "Pulse", "1", "4096"},
    {27, 629, "角度回饋編碼器RS232通訊Time-Out", "angle feedback encoder RS232 communication time-out", "Tm(立即)", Dec, "ms", "0", "1000"},
    {28, 630, "分度功能完成後,整定輸出延遲時間", "settling output delay after indexing completes", "Tm(立即)", Dec, "ms", "0", "1000"},
    {29, 631, "絕對型編碼器一圈pulse數", "absolute encoder pulses per revolution", "Tm(重開機)", Dec, "Pulse", "1", "32767"},
    {30, 632, "刀間距離(絕對型編碼器pulse數)", "distance between tools (absolute encoder pulses)", "Tm(重開機)", Dec, "Pulse", "1", "32767"},
    {31, 633, "當分度功能啟動時,偏差大於範圍需做補償", "compensation when the deviation exceeds the range while indexing runs", "Tm(立即)", Dec, "Pulse", "0", "100"},
    // clang-format on
};

} // namespace catalogue_data
