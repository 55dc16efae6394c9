#include "catalogue/CatalogueData.h"

using namespace catalogue_data;

std::vector<CatalogueEntry> CatalogueSheets4to5() {
    // clang-format off
    return {
        // Sheet 4: sheet, row, number, description, control mode, form, unit, min, max
        // Pn404, Pn405, Pn411, Pn414 have value slots but no row.
        {4,  1, 400, "轉矩命令,轉矩限制及轉速限制選擇", "T(重開機)", Grp3, "---", "0-0-0", "1-1-1"}, // torque command, torque limit and speed limit selection
        {4,  2, 401, "轉矩限制類比輸入濾波時間常數", "T(立即)", Dec, "0.1ms", "0", "65535"}, // torque limit analog input filter time constant
        {4,  3, 402, "內部正轉轉矩限制", "T(立即)", Dec, "0.1%", "0", "3000"}, // internal forward torque limit
        {4,  4, 403, "內部反轉轉矩限制", "T(立即)", SDec, "0.1%", "-3000", "0"}, // internal reverse torque limit
        {4,  5, 406, "正轉轉速限制,當使用轉矩命令控制", "T(立即)", Dec, "RPM", "0", "Pn904"}, // forward speed limit under torque command control
        {4,  6, 407, "反轉轉速限制,當使用轉矩命令控制", "T(立即)", SDec, "RPM", "-Pn904", "0"}, // reverse speed limit under torque command control
        {4,  7, 408, "轉矩命令輸入濾波常數時間 1", "T(立即)", Dec, "0.1ms", "0", "65535"}, // torque command input filter time constant 1
        {4,  8, 409, "位置命令加減速選擇", "T(立即)", Dec, "Hz", "1", "5000"}, // position command acceleration/deceleration selection
        {4,  9, 410, "陷波濾波器Q1", "T(立即)", Dec, "0.01", "1", "1000"}, // notch filter Q1
        {4, 10, 412, "陷波濾波器頻率 2", "T(立即)", Dec, "Hz", "1", "5000"}, // notch filter frequency 2
        {4, 11, 413, "陷波濾波器Q2", "T(立即)", Dec, "0.01", "1", "1000"}, // notch filter Q2
        {4, 12, 415, "轉矩命令濾波器的選用", "T(立即)", Grp4, "---", "0-0-0-0", "1-1-1-1"}, // torque command filter selection

        // Sheet 5: sheet, row, number, description, control mode, form, unit, min, max
        // Pn513, Pn514, Pn515 have value slots but no row.
        {5,  1, 500, "類比輸出選擇", "S,P,T(重開機)", Grp3, "---", "0-0-0", "9-9-9"}, // analog output selection
        {5,  2, 501, "類比1輸入增益", "S,P,T(立即)", Dec, "0.01V", "200", "3000"}, // analog 1 input gain
        {5,  3, 502, "類比1偏壓補償", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"}, // analog 1 offset compensation
        {5,  4, 503, "類比2輸入增益", "S,P,T(立即)", Dec, "0.01V", "200", "3000"}, // analog 2 input gain
        {5,  5, 504, "類比2偏壓補償", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"}, // analog 2 offset compensation
        {5,  6, 505, "類比3輸入增益", "S,P,T(立即)", Dec, "0.01V", "200", "3000"}, // analog 3 input gain
        {5,  7, 506, "類比3偏壓補償", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"}, // analog 3 offset compensation
        {5,  8, 507, "類比位置命令增益", "P(立即)", Dec, "PLS/10V", "0", "30000"}, // analog position command gain
        {5,  9, 508, "類比1輸出放大值", "S,P,T(立即)", SDec, "0.01", "-9999", "9999"}, // analog 1 output scaling
        {5, 10, 509, "類比1偏壓值", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"}, // analog 1 offset value
        {5, 11, 510, "類比2輸出放大值", "S,P,T(立即)", SDec, "0.01", "-9999", "9999"}, // analog 2 output scaling
        {5, 12, 511, "類比2偏壓值", "S,P,T(立即)", SDec, "0.01V", "-1000", "1000"}, // analog 2 offset value
        {5, 13, 512, "類比輸出選擇", "S,P,T(立即)", Pair, "---", "00-00", "08-08"}, // analog output selection
        {5, 14, 516, "馬達煞車釋放延遲時間", "S,P,T(立即)", Dec, "ms", "0", "1000"}, // motor brake release delay time
        {5, 15, 517, "煞車致能馬達轉速準位", "S,P,T(立即)", Dec, "RPM", "0", "10000"}, // motor speed level for brake enable
        {5, 16, 518, "SERVO OFF 前馬達煞車鎖入時間", "S,P,T(立即)", Dec, "ms", "0", "1000"}, // motor brake engage time before SERVO OFF
        {5, 17, 519, "零速度檢出範圍", "S,P,T(立即)", Dec, "RPM", "0", "100"}, // zero-speed detection range
        {5, 18, 520, "定位完成範圍", "P(立即)", Dec, "PLS", "0", "30000"}, // positioning-complete range
        {5, 19, 521, "定位接近範圍", "P(立即)", Dec, "PLS", "0", "30000"}, // positioning-near range
        {5, 20, 522, "轉矩到達檢出範圍", "S,P,T(立即)", Dec, "%", "0", "400"}, // torque-reached detection range
        {5, 21, 523, "速度接近範圍", "S,P,T(立即)", Dec, "RPM", "0", "10000"}, // speed-near range
        {5, 22, 524, "位置追隨誤差檢出範圍", "P(立即)", Dec, "PLS", "0", "30000"}, // position following error detection range
        {5, 23, 525, "輸入信號選擇 1 --- CN1-6/SON", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 1, connector CN1 pin 6, SON
        {5, 24, 526, "輸入信號選擇 2 --- CN1-7/RST", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 2, CN1 pin 7, RST
        {5, 25, 527, "輸入信號選擇 3 --- CN1-13/TLM", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 3, CN1 pin 13, TLM
        {5, 26, 528, "輸入信號選擇 4 --- CN1-14/PRIH", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 4, CN1 pin 14, PRIH
        {5, 27, 529, "輸入信號選擇 5 --- CN1-15/NRIH", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 5, CN1 pin 15, NRIH
        {5, 28, 530, "輸入信號選擇 6 --- CN1-16/ZCMD", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 6, CN1 pin 16, ZCMD
        {5, 29, 531, "輸入信號選擇 7 --- CN1-32/SEL1", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 7, CN1 pin 32, SEL1
        {5, 30, 532, "輸入信號選擇 8 --- CN1-33/SEL2", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 8, CN1 pin 33, SEL2
        {5, 31, 533, "輸入信號選擇 9 --- CN1-35/SEL3", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 9, CN1 pin 35, SEL3
        {5, 32, 534, "輸入信號選擇 10 --- CN1-34/MODC", "S,P,T(重開機)", Sig, "---", "00-0", "44-1"}, // input signal selection 10, CN1 pin 34, MODC
        {5, 33, 535, "輸出信號選擇 1 --- CN1-10/ALM", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"}, // output signal selection 1, CN1 pin 10, ALM
        {5, 34, 536, "輸出信號選擇 2 --- CN1-17/RDY", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"}, // output signal selection 2, CN1 pin 17, RDY
        {5, 35, 537, "輸出信號選擇 3 --- CN1-36/TLC", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"}, // output signal selection 3, CN1 pin 36, TLC
        {5, 36, 538, "輸出信號選擇 4 --- CN1-18/INP", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"}, // output signal selection 4, CN1 pin 18, INP
        {5, 37, 539, "輸出信號選擇 5 --- CN1-37/ZS", "S,P,T(重開機)", Sig, "---", "00-0", "22-1"}, // output signal selection 5, CN1 pin 37, ZS
    };
    // clang-format on
}
