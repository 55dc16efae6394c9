#include "catalogue/CatalogueData.h"

using namespace catalogue_data;

std::vector<CatalogueEntry> CatalogueSheet6() {
    // clang-format off
    return {
        // Sheet 6: sheet, row, number, description, control mode, form, unit, min, max
        // Pn608, Pn619, Pn628 have value slots but no row.
        {6,  1, 600, "位置點對點模式設定", "Tm(立即)", Dec, "---", "0", "3"}, // point-to-point position mode setting
        {6,  2, 601, "原點復歸方向設定", "Tm(重開機)", Dec, "---", "0", "1"}, // homing direction setting
        {6,  3, 602, "原點復歸模式選擇", "Tm(重開機)", Grp3, "---", "0-0-0", "1-1-1"}, // homing mode selection
        {6,  4, 603, "絕對編碼器原點偏移(需要絕對編碼器填值)", "Tm(立即)", Dec, "Pulse", "0", "4096"}, // absolute encoder home offset (needs an absolute encoder)
        {6,  5, 604, "尋找原點第一段速度", "Tm(立即)", Dec, "RPM", "1", "3000"}, // home search first-stage speed
        {6,  6, 605, "尋找原點第二段速度", "Tm(立即)", Dec, "RPM", "1", "3000"}, // home search second-stage speed
        {6,  7, 606, "原點復歸偏移脈波數", "Tm(立即)", Dec, "Pulse", "0", "32768"}, // homing offset pulse count
        {6,  8, 607, "分度功能速度", "Tm(立即)", Dec, "RPM", "1", "8000"}, // indexing speed
        {6,  9, 609, "分度切割數(需要絕對編碼器填值)", "Tm(立即)", Dec, "---", "2", "27"}, // number of index divisions (needs an absolute encoder)
        {6, 10, 610, "背隙補償", "Tm(立即)", Dec, "Pulse", "0", "32767"}, // backlash compensation
        {6, 11, 611, "原點復歸執行時間限制", "Tm(立即)", Dec, "ms", "0", "30000"}, // homing execution time limit
        {6, 12, 612, "等待INP延遲時間", "Tm(立即)", Dec, "ms", "0", "1000"}, // delay waiting for INP
        {6, 13, 613, "第一段命令加減速選擇", "(立即)", Dec, "---", "0", "2"}, // first-stage command acceleration/deceleration selection
        {6, 14, 614, "第一段命令直線型加減速時間", "P(立即)", Dec, "ms", "0", "250"}, // first-stage command linear acceleration/deceleration time
        {6, 15, 615, "第一段命令S型加減速時間", "P(立即)", Dec, "ms", "0", "1000"}, // first-stage command S-curve acceleration/deceleration time
        {6, 16, 616, "第二段命令加減速時間選擇", "(立即)", Dec, "---", "0", "2"}, // second-stage command acceleration/deceleration time selection
        {6, 17, 617, "第二段命令直線型加減速時間", "P(立即)", Dec, "ms", "0", "250"}, // second-stage command linear acceleration/deceleration time
        {6, 18, 618, "第二段命令S型加減速時間", "P(立即)", Dec, "ms", "0", "250"}, // second-stage command S-curve acceleration/deceleration time
        {6, 19, 620, "齒輪比數(分子)", "Tm(立即)", Dec, "---", "1", "32767"}, // gear ratio (numerator)
        {6, 20, 621, "齒輪比數(分母)", "Tm(立即)", Dec, "---", "1", "32767"}, // gear ratio (denominator)
        {6, 21, 622, "編碼器方向設定", "Tm(立即)", Dec, "---", "0", "1"}, // encoder direction setting
        {6, 22, 623, "校刀之刀號設定", "Tm(立即)", Dec, "---", "1", "27"}, // tool number for tool setting
        {6, 23, 624, "寸動速度", "Tm(立即)", Dec, "RPM", "1", "6000"}, // jog speed
        {6, 24, 625, "JOG Pulse(馬達編碼器Pulse)", "Tm(立即)", Dec, "PLS", "0", "100"}, // JOG pulses (motor encoder pulses)
        {6, 25, 626, "教導模式選擇", "Tm(立即)", Grp3, "---", "0-0-0", "1-1-5"}, // teaching mode selection
        {6, 26, 627, "分度功能完成後,位置到達範圍設定", "Tm(立即)", Dec, "Pulse", "1", "4096"}, // position-reached range after indexing completes
        {6, 27, 629, "角度回饋編碼器RS232通訊Time-Out", "Tm(立即)", Dec, "ms", "0", "1000"}, // angle feedback encoder RS232 communication time-out
        {6, 28, 630, "分度功能完成後,整定輸出延遲時間", "Tm(立即)", Dec, "ms", "0", "1000"}, // settling output delay after indexing completes
        {6, 29, 631, "絕對型編碼器一圈pulse數", "Tm(重開機)", Dec, "Pulse", "1", "32767"}, // absolute encoder pulses per revolution
        {6, 30, 632, "刀間距離(絕對型編碼器pulse數)", "Tm(重開機)", Dec, "Pulse", "1", "32767"}, // distance between tools (absolute encoder pulses)
        {6, 31, 633, "當分度功能啟動時,偏差大於範圍需做補償", "Tm(立即)", Dec, "Pulse", "0", "100"}, // compensation when the deviation exceeds the range while indexing runs
    };
    // clang-format on
}
