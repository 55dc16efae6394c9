<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BulkWrites</name>
    <message>
        <source>載入</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>載入 %1：%2</source>
        <translation>Load %1: %2</translation>
    </message>
    <message>
        <source>寫入</source>
        <translation>Write</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>S(立即)</source>
        <translation>S(immediate)</translation>
    </message>
    <message>
        <source>S(重開機)</source>
        <translation>S(restart)</translation>
    </message>
    <message>
        <source>P(立即)</source>
        <translation>P(immediate)</translation>
    </message>
    <message>
        <source>P(重開機)</source>
        <translation>P(restart)</translation>
    </message>
    <message>
        <source>T(立即)</source>
        <translation>T(immediate)</translation>
    </message>
    <message>
        <source>T(重開機)</source>
        <translation>T(restart)</translation>
    </message>
    <message>
        <source>S,P,T(立即)</source>
        <translation>S,P,T(immediate)</translation>
    </message>
    <message>
        <source>S,P,T(重開機)</source>
        <translation>S,P,T(restart)</translation>
    </message>
    <message>
        <source>Tm(立即)</source>
        <translation>Tm(immediate)</translation>
    </message>
    <message>
        <source>Tm(重開機)</source>
        <translation>Tm(restart)</translation>
    </message>
    <message>
        <source>IJ(立即)</source>
        <translation>IJ(immediate)</translation>
    </message>
    <message>
        <source>IJ(重開機)</source>
        <translation>IJ(restart)</translation>
    </message>
    <message>
        <source>IJ(立即))</source>
        <translation>IJ(immediate)</translation>
    </message>
    <message>
        <source>M(立即)</source>
        <translation>M(immediate)</translation>
    </message>
    <message>
        <source>(立即)</source>
        <translation>(immediate)</translation>
    </message>
</context>
<context>
    <name>ChangeTexts</name>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>編號</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>說明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>原值</source>
        <translation>Old value</translation>
    </message>
    <message>
        <source>新值</source>
        <translation>New value</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>已寫入</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>寫入失敗</source>
        <translation>Write failed</translation>
    </message>
    <message>
        <source>已修改</source>
        <translation>Changed</translation>
    </message>
    <message>
        <source>等待寫入</source>
        <translation>Waiting to write</translation>
    </message>
    <message>
        <source>還原：%1</source>
        <translation>Revert: %1</translation>
    </message>
    <message>
        <source>%1 %2：%3 個參數</source>
        <translation>%1 %2: %3 parameters</translation>
    </message>
</context>
<context>
    <name>ComDevices</name>
    <message>
        <source>%1（不存在）</source>
        <translation>%1 (not present)</translation>
    </message>
</context>
<context>
    <name>CompareTexts</name>
    <message>
        <source>超出範圍</source>
        <translation>Out of range</translation>
    </message>
    <message>
        <source>不寫入</source>
        <translation>Not written</translation>
    </message>
    <message>
        <source>%1 讀回 %2，應為 %3</source>
        <translation>%1 read back %2, should be %3</translation>
    </message>
</context>
<context>
    <name>DriveGroup</name>
    <message>
        <source>驅動器沒有回應</source>
        <translation>The drive does not answer</translation>
    </message>
</context>
<context>
    <name>ExchangeTrace</name>
    <message>
        <source>無法寫入通訊記錄 %1：%2</source>
        <translation>Cannot write the exchange trace %1: %2</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>應為 %1 加上四位十六進位數值、None 或空白</source>
        <translation>expected %1 followed by four hex digits, None or nothing</translation>
    </message>
    <message>
        <source>無法載入參數檔 %1
第 %2 行：%3</source>
        <translation>Cannot load parameter file %1
Line %2: %3</translation>
    </message>
    <message>
        <source>%1，但檔案已結束（只有 %2 個項目，應有 %3 個）</source>
        <translation>%1, but the file ends (only %2 entries of %3)</translation>
    </message>
    <message>
        <source>%1，讀到 %2</source>
        <translation>%1, found %2</translation>
    </message>
    <message>
        <source>無法開啟參數檔 %1：%2</source>
        <translation>Cannot open parameter file %1: %2</translation>
    </message>
</context>
<context>
    <name>ParameterSearch</name>
    <message>
        <source>%1（不在表格中）</source>
        <translation>%1 (not in the grid)</translation>
    </message>
</context>
<context>
    <name>PortAddress</name>
    <message>
        <source>位址不可含使用者名稱</source>
        <translation>The address cannot hold a user name</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>第 %1 頁，共 %2 頁</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>0 (無標記)</source>
        <translation>0 (unmarked)</translation>
    </message>
    <message>
        <source>未定</source>
        <translation>undetermined</translation>
    </message>
    <message>
        <source>檔案 %1</source>
        <translation>File %1</translation>
    </message>
    <message>
        <source>驅動器 %1 (%2)，回覆格式 %3</source>
        <translation>Drive %1 (%2), reply format %3</translation>
    </message>
    <message>
        <source>報告已寫入</source>
        <translation>Report written</translation>
    </message>
    <message>
        <source>%1 含有控制字元（第 %2 個字元）</source>
        <translation>%1 holds a control character (character %2)</translation>
    </message>
    <message>
        <source>參數報告</source>
        <translation>Parameter report</translation>
    </message>
    <message>
        <source>無數值</source>
        <translation>No value</translation>
    </message>
    <message>
        <source>日期時間</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>來源</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>程式版本</source>
        <translation>Program version</translation>
    </message>
    <message>
        <source>其他參數（不在表格中）</source>
        <translation>Other parameters (not in the grid)</translation>
    </message>
    <message>
        <source>摘要</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>參數總數</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>超出範圍</source>
        <translation>Out of range</translation>
    </message>
    <message>
        <source>與參考檔案不同</source>
        <translation>Differing from reference</translation>
    </message>
    <message>
        <source>與參考檔案不同的參數</source>
        <translation>Parameters differing from the reference file</translation>
    </message>
    <message>
        <source>超出範圍的參數</source>
        <translation>Parameters out of range</translation>
    </message>
    <message>
        <source>無數值的參數</source>
        <translation>Parameters without a value</translation>
    </message>
    <message>
        <source>範圍</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>參考檔案數值</source>
        <translation>Reference value</translation>
    </message>
    <message>
        <source>檔案修改時間</source>
        <translation>File modified</translation>
    </message>
    <message>
        <source>參考檔案</source>
        <translation>Reference file</translation>
    </message>
    <message>
        <source>參考檔案 SHA-256</source>
        <translation>Reference file SHA-256</translation>
    </message>
    <message>
        <source>機台</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>軸</source>
        <translation>Axis</translation>
    </message>
    <message>
        <source>客戶</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>技術員</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>備註</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>技術員簽名</source>
        <translation>Technician&apos;s signature</translation>
    </message>
    <message>
        <source>客戶簽名</source>
        <translation>Customer&apos;s signature</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>編號</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>說明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>控制模式</source>
        <translation>Control mode</translation>
    </message>
    <message>
        <source>數值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>單位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Maximum</translation>
    </message>
</context>
<context>
    <name>TransferResult</name>
    <message>
        <source>%1，但下列參數沒有讀到數值：%2</source>
        <translation>%1, but these parameters gave no value: %2</translation>
    </message>
    <message>
        <source>檔案已儲存</source>
        <translation>File saved</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>…（共 %1 個）</source>
        <translation>… (%1 in all)</translation>
    </message>
    <message>
        <source>驅動器沒有回應，檔案未儲存</source>
        <translation>The drive does not answer; file not saved</translation>
    </message>
    <message>
        <source>已中斷</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>%1 寫入時連線中斷：%2</source>
        <translation>%1 lost the connection while writing: %2</translation>
    </message>
    <message>
        <source>%1 沒有回應</source>
        <translation>%1 did not answer</translation>
    </message>
    <message>
        <source>%1 寫入失敗</source>
        <translation>%1 write failed</translation>
    </message>
    <message>
        <source>載入已停止：%1；沒有寫入任何參數，驅動器參數未變更</source>
        <translation>Load stopped: %1; no parameter written, the drive&apos;s parameters unchanged</translation>
    </message>
    <message>
        <source>載入已停止：%1；已寫入 %2 個參數（%3），驅動器其餘參數未變更</source>
        <translation>Load stopped: %1; %2 parameters written (%3), the drive&apos;s other parameters unchanged</translation>
    </message>
    <message>
        <source>沒有不同的參數，未寫入</source>
        <translation>No parameter differs; nothing written</translation>
    </message>
    <message>
        <source>已寫入 %1 個參數，請重開驅動器</source>
        <translation>%1 parameters written; restart the drive</translation>
    </message>
    <message>
        <source>已寫入 %1 個，讀回不符 %2 個，請重開驅動器</source>
        <translation>%1 written, %2 read back different; restart the drive</translation>
    </message>
    <message>
        <source>已寫入 %1 個，讀回不符 %2 個</source>
        <translation>%1 written, %2 read back different</translation>
    </message>
</context>
<context>
    <name>ValueMarks</name>
    <message>
        <source>本次已變更，原值 %1</source>
        <translation>Changed in this session, was %1</translation>
    </message>
</context>
<context>
    <name>ValueWords</name>
    <message>
        <source>（空）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1 發行 %2 → 目前 %3</source>
        <translation>%1 released %2 → now %3</translation>
    </message>
    <message>
        <source>%1 發行 %2</source>
        <translation>%1 released %2</translation>
    </message>
</context>
<context>
    <name>VerifyResult</name>
    <message>
        <source>已寫入</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>寫入失敗</source>
        <translation>Write failed</translation>
    </message>
    <message>
        <source>讀回不符：%1</source>
        <translation>Read back different: %1</translation>
    </message>
    <message>
        <source>未讀回</source>
        <translation>Not read back</translation>
    </message>
    <message>
        <source>已寫入並確認 %1 個，寫入失敗 %2 個</source>
        <translation>%1 written and confirmed, %2 failed</translation>
    </message>
    <message>
        <source>，讀回不符 %1 個</source>
        <translation>, %1 read back different</translation>
    </message>
    <message>
        <source>
請重開驅動器</source>
        <translation>
Restart the drive</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>資料夾不存在</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>沒有寫入權限</source>
        <translation>No permission to write</translation>
    </message>
    <message>
        <source>磁碟空間不足</source>
        <translation>The disk is full</translation>
    </message>
</context>
<context>
    <name>WriteRule</name>
    <message>
        <source>%1 %2（%3）</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>…等 %1 個</source>
        <translation>… %1 in all</translation>
    </message>
    <message>
        <source>以下參數超出允許範圍：
%1
仍要寫入嗎？</source>
        <translation>These parameters are outside their allowed range:
%1
Write them anyway?</translation>
    </message>
</context>
</TS>
