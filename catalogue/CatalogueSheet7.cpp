#include "catalogue/CatalogueData.h"

using namespace catalogue_data;

std::vector<CatalogueEntry> CatalogueSheet7() {
    // clang-format off
    return {
        // Sheet 7: sheet, row, number, description, control mode, form, unit, min, max
        // Pn701, Pn702, Pn703, Pn704, Pn705, Pn706, Pn710, Pn711, Pn712, Pn713, Pn717, Pn725 have value slots but no row.
        {7,  1, 700, "壓力命令輸入最大電壓", "IJ(重開機)", Grp3, "---", "0-0-0", "5-3-1"}, // maximum voltage of the pressure command input
        {7,  2, 707, "最大壓力命令電壓對應最大壓力", "IJ(重開機)", Dec, "0.01MPa", "100", "30000"}, // maximum pressure for the maximum pressure command voltage
        {7,  3, 708, "洩壓時反轉轉速限制", "IJ(立即)", Dec, "RPM", "0", "Pn904"}, // reverse speed limit while releasing pressure
        {7,  4, 709, "當最高轉速時,最大流量", "IJ(重開機)", Dec, "0.001L/min", "1", "9999"}, // maximum flow at the highest speed
        {7,  5, 714, "內部電壓命令延遲時間", "IJ(立即)", Dec, "ms", "1", "1000"}, // internal voltage command delay time
        {7,  6, 715, "壓力命令BIAS", "IJ(立即)", Dec, "0.01MPa", "0", "200"}, // pressure command bias
        {7,  7, 716, "壓力命令平滑時間", "IJ(立即)", Dec, "ms", "0", "1000"}, // pressure command smoothing time
        {7,  8, 718, "壓力靠近時,使用增益KPP2", "IJ(立即)", Dec, "0.01MPa", "0", "1000"}, // gain KPP2 used when the pressure is near
        {7,  9, 719, "正壓力誤差(含負流量區域)作用增益KPPU", "IJ(立即)", Dec, "0.01", "1", "12700"}, // gain KPPU for positive pressure error (including the negative-flow region)
        {7, 10, 720, "正壓力誤差且壓力已達到靠近值作用增益KPP1", "IJ(立即)", Dec, "0.01", "1", "12700"}, // gain KPP1 for positive pressure error once the pressure has reached the near value
        {7, 11, 721, "壓力達到靠近值且進入低流量KPP2", "IJ(立即)", Dec, "0.01", "1", "12700"}, // KPP2 when the pressure has reached the near value and the flow is low
        {7, 12, 722, "負壓力誤差(過衝區域)的作用增益KPPD", "IJ(立即)", Dec, "0.01", "1", "12700"}, // gain KPPD for negative pressure error (overshoot region)
        {7, 13, 723, "一般區域的作用積分增益KPI1", "IJ(立即)", Dec, "ms", "0", "10000"}, // integral gain KPI1 in the normal region
        {7,  0, 724, "進入靠近值區域的作用積分增益", "IJ(立即)", Dec, "ms", "0", "10000"}, // integral gain on entering the near-value region; row 0: Pn726 takes row 14, Pn724 keeps its slot only
        {7, 14, 726, "壓力到達", "IJ(立即)", Dec, "0.01MPa", "0", "30000"}, // pressure reached
        {7, 15, 727, "內部壓力命令 1", "IJ(立即)", Dec, "0.01MPa", "0", "30000"}, // internal pressure command 1
        {7, 16, 728, "內部壓力命令 2", "IJ(立即)", Dec, "0.01MPa", "0", "30000"}, // internal pressure command 2
        {7, 17, 729, "內部壓力命令 3", "IJ(立即)", Dec, "0.01MPa", "0", "30000"}, // internal pressure command 3
        {7, 18, 730, "內部壓力命令 4", "IJ(立即)", Dec, "0.01MPa", "0", "30000"}, // internal pressure command 4
        {7, 19, 731, "內部壓力命令 5", "IJ(立即))", Dec, "0.01MPa", "0", "30000"}, // internal pressure command 5
        {7, 20, 732, "內部壓力命令 6", "IJ(立即)", Dec, "0.01MPa", "0", "30000"}, // internal pressure command 6
        {7, 21, 733, "內部壓力命令 7", "IJ(立即))", Dec, "0.01MPa", "0", "30000"}, // internal pressure command 7
        {7, 22, 734, "內部壓力命令 8", "IJ(立即))", Dec, "0.01MPa", "0", "30000"}, // internal pressure command 8
        {7, 23, 735, "內部流量命令 1", "IJ(立即)", Dec, "0.001L/min", "0", "9999"}, // internal flow command 1
        {7, 24, 736, "內部流量命令 2", "IJ(立即)", Dec, "0.001L/min", "0", "9999"}, // internal flow command 2
        {7, 25, 737, "內部流量命令 3", "IJ(立即)", Dec, "0.001L/min", "0", "9999"}, // internal flow command 3
        {7, 26, 738, "內部流量命令 4", "IJ(立即)", Dec, "0.001L/min", "0", "9999"}, // internal flow command 4
        {7, 27, 739, "內部流量命令 5", "IJ(立即))", Dec, "0.001L/min", "0", "9999"}, // internal flow command 5
        {7, 28, 740, "內部流量命令 6", "IJ(立即)", Dec, "0.001L/min", "0", "9999"}, // internal flow command 6
        {7, 29, 741, "內部流量命令 7", "IJ(立即)", Dec, "0.001L/min", "0", "9999"}, // internal flow command 7
        {7, 30, 742, "內部流量命令 8", "IJ(立即)", Dec, "0.001L/min", "0", "9999"}, // internal flow command 8
        {7, 31, 743, "壓力回授濾波時間常數", "IJ(立即)", Dec, "ms", "0", "1000"}, // pressure feedback filter time constant
        {7, 32, 744, "流量命令濾波時間常數", "IJ(立即)", Dec, "ms", "0", "1000"}, // flow command filter time constant
        {7, 33, 745, "低流量準位", "IJ(立即)", Dec, "%", "0", "1000"}, // low-flow level
        {7, 34, 746, "壓力靠近", "IJ(立即)", Dec, "0.01MPa", "0", "10000"}, // pressure near
        {7, 35, 747, "壓力命令不作用區", "IJ(立即)", Dec, "0.1%", "0", "1000"}, // pressure command dead band
        {7, 36, 748, "低流量準位增益切換遲滯區", "IJ(立即)", Dec, "0.1%", "0", "1000"}, // gain switching hysteresis band of the low-flow level
        {7, 37, 749, "壓力靠近增益切換遲滯區", "IJ(立即)", Dec, "0.1%", "0", "1000"}, // gain switching hysteresis band of pressure near
    };
    // clang-format on
}
