#pragma once

#include "catalogue/CatalogueRow.h"

namespace catalogue_data {

inline constexpr CatalogueRow kSheet7[] = {
    // clang-format off
    // Sheet 7: row, number, description, gloss, control mode, form, unit, min, max
    // Pn701, Pn702, Pn703, Pn704, Pn705, Pn706, Pn710, Pn711, Pn712, Pn713, Pn717, Pn725 have value slots but no row.
    { 1, 700, "壓力命令輸入最大電壓", "maximum voltage of the pressure command input", "IJ(重開機)", Grp3, "---", "0-0-0", "5-3-1"},
    { 2, 707, "最大壓力命令電壓對應最大壓力", "maximum pressure for the maximum pressure command voltage", "IJ(重開機)", Dec, "0.01MPa", "100", "30000"},
    { 3, 708, "洩壓時反轉轉速限制", "reverse speed limit while releasing pressure", "IJ(立即)", Dec, "RPM", "0", "Pn904"},
    { 4, 709, "當最高轉速時,最大流量", "maximum flow at the highest speed", "IJ(重開機)", Dec, "0.001L/min", "1", "9999"},
    { 5, 714, "內部電壓命令延遲時間", "internal voltage command delay time", "IJ(立即)", Dec, "ms", "1", "1000"},
    { 6, 715, "壓力命令BIAS", "pressure command bias", "IJ(立即)", Dec, "0.01MPa", "0", "200"},
    { 7, 716, "壓力命令平滑時間", "pressure command smoothing time", "IJ(立即)", Dec, "ms", "0", "1000"},
    { 8, 718, "壓力靠近時,使用增益KPP2", "gain KPP2 used when the pressure is near", "IJ(立即)", Dec, "0.01MPa", "0", "1000"},
    { 9, 719, "正壓力誤差(含負流量區域)作用增益KPPU", "gain KPPU for positive pressure error (including the negative-flow region)", "IJ(立即)", Dec, "0.01", "1", "12700"},
    {10, 720, "正壓力誤差且壓力已達到靠近值作用增益KPP1", "gain KPP1 for positive pressure error once the pressure has reached the near value", "IJ(立即)", Dec, "0.01", "1", "12700"},
    {11, 721, "壓力達到靠近值且進入低流量KPP2", "KPP2 when the pressure has reached the near value and the flow is low", "IJ(立即)", Dec, "0.01", "1", "12700"},
    {12, 722, "負壓力誤差(過衝區域)的作用增益KPPD", "gain KPPD for negative pressure error (overshoot region)", "IJ(立即)", Dec, "0.01", "1", "12700"},
    {13, 723, "一般區域的作用積分增益KPI1", "integral gain KPI1 in the normal region", "IJ(立即)", Dec, "ms", "0", "10000"},
    // Row 0: Pn726 takes row 14, Pn724 keeps its slot only.
    { 0, 724, "進入靠近值區域的作用積分增益", "integral gain on entering the near-value region", "IJ(立即)", Dec, "ms", "0", "10000"},
    {14, 726, "壓力到達", "pressure reached", "IJ(立即)", Dec, "0.01MPa", "0", "30000"},
    {15, 727, "內部壓力命令 1", "internal pressure command 1", "IJ(立即)", Dec, "0.01MPa", "0", "30000"},
    {16, 728, "內部壓力命令 2", "internal pressure command 2", "IJ(立即)", Dec, "0.01MPa", "0", "30000"},
    {17, 729, "內部壓力命令 3", "internal pressure command 3", "IJ(立即)", Dec, "0.01MPa", "0", "30000"},
    {18, 730, "內部壓力命令 4", "internal pressure command 4", "IJ(立即)", Dec, "0.01MPa", "0", "30000"},
    {19, 731, "內部壓力命令 5", "internal pressure command 5", "IJ(立即))", Dec, "0.01MPa", "0", "30000"},
    {20, 732, "內部壓力命令 6", "internal pressure command 6", "IJ(立即)", Dec, "0.01MPa", "0", "30000"},
    {21, 733, "內部壓力命令 7", "internal pressure command 7", "IJ(立即))", Dec, "0.01MPa", "0", "30000"},
    {22, 734, "內部壓力命令 8", "internal pressure command 8", "IJ(立即))", Dec, "0.01MPa", "0", "30000"},
    {23, 735, "內部流量命令 1", "internal flow command 1", "IJ(立即)", Dec, "0.001L/min", "0", "9999"},
    {24, 736, "內部流量命令 2", "internal flow command 2", "IJ(立即)", Dec, "0.001L/min", "0", "9999"},
    {25, 737, "內部流量命令 3", "internal flow command 3", "IJ(立即)", Dec, "0.001L/min", "0", "9999"},
    {26, 738, "內部流量命令 4", "internal flow command 4", "IJ(立即)", Dec, "0.001L/min", "0", "9999"},
    {27, 739, "內部流量命令 5", "internal flow command 5", "IJ(立即))", Dec, "0.001L/min", "0", "9999"},
    {28, 740, "內部流量命令 6", "internal flow command 6", "IJ(立即)", Dec, "0.001L/min", "0", "9999"},
    {29, 741, "內部流量命令 7", "internal flow command 7", "IJ(立即)", Dec, "0.001L/min", "0", "9999"},
    {30, 742, "內部流量命令 8", "internal flow command 8", "IJ(立即)", Dec, "0.001L/min", "0", "9999"},
    {31, 743, "壓力回授濾波時間常數", "pressure feedback filter time constant", "IJ(立即)", Dec, "ms", "0", "1000"},
    {32, 744, "流量命令濾波時間常數", "flow command filter time constant", "IJ(立即)", Dec, "ms", "0", "1000"},
    {33, 745, "低流量準位", "low-flow level", "IJ(立即)", Dec, "%", "0", "1000"},
    {34, 746, "壓力靠近", "pressure near", "IJ(立即)", Dec, "0.01MPa", "0", "10000"},
    {35, 747, "壓力命令不作用區", "pressure command dead band", "IJ(立即)", Dec, "0.1%", "0", "1000"},
    {36, 748, "低流量準位增益切換遲滯區", "gain switching hysteresis band of the low-flow level", "IJ(立即)", Dec, "0.1%", "0", "1000"},
    {37, 749, "壓力靠近增益切換遲滯區", "gain switching hysteresis band of pressure near", "IJ(立即)", Dec, "0.1%", "0", "1000"},
    // clang-format on
};

} // namespace catalogue_data
