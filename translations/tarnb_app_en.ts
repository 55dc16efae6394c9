<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ErrorHandler</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TChangeLogForm</name>
    <message>
        <source>%1 寫入失敗</source>
        <translation>%1 write failed</translation>
    </message>
    <message>
        <source>%1 不在允許範圍內，未還原</source>
        <translation>%1 is outside the allowed range, not reverted</translation>
    </message>
    <message>
        <source>變更記錄</source>
        <translation>Change list</translation>
    </message>
    <message>
        <source>還原</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>全部還原</source>
        <translation>Revert all</translation>
    </message>
    <message>
        <source>匯出</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>TCommForm</name>
    <message>
        <source>固定等待</source>
        <translation>Fixed wait</translation>
    </message>
    <message>
        <source>回覆完整即結束</source>
        <translation>Until reply complete</translation>
    </message>
    <message>
        <source>逾時 %1 ms</source>
        <translation>timeout %1 ms</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>請選擇通訊埠</source>
        <translation>Choose the port</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>離線編輯檔案</source>
        <translation>Edit file offline</translation>
    </message>
    <message>
        <source>網路位址</source>
        <translation>Network address</translation>
    </message>
    <message>
        <source>tcp://主機:埠</source>
        <translation>tcp://host:port</translation>
    </message>
    <message>
        <source>等待方式</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>逾時 (ms)</source>
        <translation>Timeout (ms)</translation>
    </message>
</context>
<context>
    <name>TComparePmForm</name>
    <message>
        <source>寫入</source>
        <translation>Write</translation>
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
        <source>驅動器數值</source>
        <translation>Drive value</translation>
    </message>
    <message>
        <source>檔案數值</source>
        <translation>File value</translation>
    </message>
    <message>
        <source>單位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>範圍</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>狀態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>比較檔案</source>
        <translation>Compare file</translation>
    </message>
    <message>
        <source>全選</source>
        <translation>Tick all</translation>
    </message>
    <message>
        <source>全不選</source>
        <translation>Tick none</translation>
    </message>
    <message>
        <source>寫入勾選參數</source>
        <translation>Write ticked</translation>
    </message>
    <message>
        <source>關閉</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TFindForm</name>
    <message>
        <source>編號</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>說明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>頁籤</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>搜尋參數</source>
        <translation>Find parameter</translation>
    </message>
    <message>
        <source>搜尋</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>編號或說明，例如 Pn100、編碼器、gain</source>
        <translation>Number or description, e.g. Pn100, encoder, gain</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>檔案</source>
        <translation>File</translation>
    </message>
    <message>
        <source>載入檔案</source>
        <translation>Load file</translation>
    </message>
    <message>
        <source>儲存檔案</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>比較檔案</source>
        <translation>Compare file</translation>
    </message>
    <message>
        <source>匯出報告</source>
        <translation>Export report</translation>
    </message>
    <message>
        <source>離開</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>參數</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Set up</translation>
    </message>
    <message>
        <source>變更記錄</source>
        <translation>Change list</translation>
    </message>
    <message>
        <source>搜尋</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>幫助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>通訊記錄</source>
        <translation>Exchange trace</translation>
    </message>
    <message>
        <source>關於</source>
        <translation>About</translation>
    </message>
    <message>
        <source>語言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>離線</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>驅動器與檔案相同</source>
        <translation>Drive and file are the same</translation>
    </message>
    <message>
        <source>請重開驅動器</source>
        <translation>Please restart the drive</translation>
    </message>
    <message>
        <source>TARN/B - %1（離線）</source>
        <translation>TARN/B - %1 (offline)</translation>
    </message>
    <message>
        <source>檔案已修改，是否儲存？</source>
        <translation>The file has changed. Save it?</translation>
    </message>
    <message>
        <source>數值與檔案相同</source>
        <translation>Values and file are the same</translation>
    </message>
    <message>
        <source>目前數值</source>
        <translation>Current value</translation>
    </message>
    <message>
        <source>離線時不可用</source>
        <translation>Not available offline</translation>
    </message>
    <message>
        <source>不在允許範圍內</source>
        <translation>Outside the allowed range</translation>
    </message>
    <message>
        <source>%1 寫入失敗</source>
        <translation>%1 write failed</translation>
    </message>
    <message>
        <source>! 超出範圍</source>
        <translation>! Out of range</translation>
    </message>
    <message>
        <source>（離線編輯，未儲存）</source>
        <translation> (edited offline, not saved)</translation>
    </message>
</context>
<context>
    <name>TPmDataForm</name>
    <message>
        <source>最小值</source>
        <comment>the grid&apos;s narrow column</comment>
        <translation>Min</translation>
    </message>
    <message>
        <source>最大值</source>
        <comment>the grid&apos;s narrow column</comment>
        <translation>Max</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>燒錄參數中...</source>
        <translation>Writing parameters...</translation>
    </message>
    <message>
        <source>讀取參數中...</source>
        <translation>Reading parameters...</translation>
    </message>
    <message>
        <source>下載參數中...</source>
        <translation>Saving parameters...</translation>
    </message>
    <message>
        <source>比較參數中...</source>
        <translation>Comparing parameters...</translation>
    </message>
</context>
<context>
    <name>TReadpmForm</name>
    <message>
        <source>參數讀取中...</source>
        <translation>Reading parameters...</translation>
    </message>
</context>
<context>
    <name>TReportInfoForm</name>
    <message>
        <source>報告資料</source>
        <translation>Report details</translation>
    </message>
    <message>
        <source>瀏覽...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>語言</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>TTraceForm</name>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>通訊埠</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>送出</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>收到</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>等待 ms</source>
        <translation>Wait ms</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>通訊記錄</source>
        <translation>Exchange trace</translation>
    </message>
    <message>
        <source>匯出</source>
        <translation>Export</translation>
    </message>
</context>
</TS>
