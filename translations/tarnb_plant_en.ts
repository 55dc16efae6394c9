<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>backup</name>
    <message>
        <source>找不到 git 程式（請安裝 git）</source>
        <translation>The git program is not found (please install git)</translation>
    </message>
    <message>
        <source>git %1 失敗（%2）：%3</source>
        <translation>git %1 failed (%2): %3</translation>
    </message>
    <message>
        <source>%1 不是 git 儲存庫</source>
        <translation>%1 is not a git repository</translation>
    </message>
    <message>
        <source>%1 在另一個 git 儲存庫之中，不在此建立儲存庫</source>
        <translation>%1 is inside another git repository; no repository is made there</translation>
    </message>
    <message>
        <source>無法建立資料夾 %1</source>
        <translation>Cannot create folder %1</translation>
    </message>
    <message>
        <source>無法建立暫存資料夾：%1</source>
        <translation>Cannot create a scratch folder: %1</translation>
    </message>
    <message>
        <source>HEAD 不在分支上</source>
        <translation>HEAD is not on a branch</translation>
    </message>
    <message>
        <source>儲存庫 %1 的 %2 沒有 %3</source>
        <translation>repository %1: %2 has no %3</translation>
    </message>
    <message>
        <source>儲存庫 %1 沒有 %2 這個版本</source>
        <translation>repository %1 has no revision %2</translation>
    </message>
    <message>
        <source>（另有 %1 行沒有顯示）</source>
        <translation>(%1 more lines not shown)</translation>
    </message>
    <message>
        <source>無法執行：%1</source>
        <translation>cannot be run: %1</translation>
    </message>
    <message>
        <source>%1 秒內沒有結束，已終止</source>
        <translation>did not end within %1 s, ended</translation>
    </message>
    <message>
        <source>被訊號終止</source>
        <translation>ended by a signal</translation>
    </message>
    <message>
        <source>結束碼 %1</source>
        <translation>exit code %1</translation>
    </message>
    <message>
        <source>無法開啟 %1：%2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>驅動器沒有回應，檔案未更新</source>
        <translation>The drive does not answer; file not updated</translation>
    </message>
    <message>
        <source>沒有變更，未提交（%1）</source>
        <translation>No changes, nothing committed (%1)</translation>
    </message>
    <message>
        <source>已提交 %1 %2</source>
        <translation>Committed %1 %2</translation>
    </message>
    <message>
        <source>提交失敗，檔案已還原為上次提交的內容：%1</source>
        <translation>The commit failed; the files are back as last committed: %1</translation>
    </message>
    <message>
        <source>鍵重複</source>
        <translation>duplicate key</translation>
    </message>
    <message>
        <source>廠名不能有控制字元</source>
        <translation>the plant name cannot hold control characters</translation>
    </message>
    <message>
        <source>%1 第 %2 行 %3：%4</source>
        <translation>%1 line %2 %3: %4</translation>
    </message>
    <message>
        <source>（最外層）</source>
        <translation>(top level)</translation>
    </message>
    <message>
        <source>不認得的鍵（可用：%1）</source>
        <translation>unknown key (allowed: %1)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>要是一個物件 {…}</source>
        <translation>must be an object {…}</translation>
    </message>
    <message>
        <source>少了 &quot;%1&quot;</source>
        <translation>&quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>要是非空的字串</source>
        <translation>must be a string that is not empty</translation>
    </message>
    <message>
        <source>要是非空的陣列 […]</source>
        <translation>must be an array that is not empty […]</translation>
    </message>
    <message>
        <source>要是參數編號的陣列（例如 [618, 700]）</source>
        <translation>must be an array of parameter numbers (for example [618, 700])</translation>
    </message>
    <message>
        <source>不是驅動器的參數編號：%1</source>
        <translation>not a parameter number of the drive: %1</translation>
    </message>
    <message>
        <source>機台名稱只能有字母、數字、中日韓文字、- 和 _（最多 %1 字，不能是 CON、NUL、COM1 之類的裝置名）：%2</source>
        <translation>a machine name can only hold letters, digits, CJK characters, - and _ (at most %1 characters, not a device name such as CON, NUL, COM1): %2</translation>
    </message>
    <message>
        <source>軸名稱只能有字母、數字、中日韓文字、- 和 _（最多 %1 字，不能是 CON、NUL、COM1 之類的裝置名）：%2</source>
        <translation>an axis name can only hold letters, digits, CJK characters, - and _ (at most %1 characters, not a device name such as CON, NUL, COM1): %2</translation>
    </message>
    <message>
        <source>機台名稱重複：%1</source>
        <translation>machine name used twice: %1</translation>
    </message>
    <message>
        <source>軸名稱重複：%1</source>
        <translation>axis name used twice: %1</translation>
    </message>
    <message>
        <source>只能是 &quot;fixed&quot; 或 &quot;reply&quot;</source>
        <translation>can only be &quot;fixed&quot; or &quot;reply&quot;</translation>
    </message>
    <message>
        <source>要是 %1 到 %2 之間的整數（ms）</source>
        <translation>must be a whole number from %1 to %2 (ms)</translation>
    </message>
    <message>
        <source>%1 第 %2 行：不是正確的 JSON（%3）</source>
        <translation>%1 line %2: not valid JSON (%3)</translation>
    </message>
    <message>
        <source>要是一個物件 {&quot;plant&quot;: …, &quot;machines&quot;: […]}</source>
        <translation>must be an object {&quot;plant&quot;: …, &quot;machines&quot;: […]}</translation>
    </message>
    <message>
        <source>無法開啟廠區檔 %1：%2</source>
        <translation>Cannot open plant file %1: %2</translation>
    </message>
    <message>
        <source>%1 沒有 %2 這一軸</source>
        <translation>%1 has no axis %2</translation>
    </message>
    <message>
        <source>推送到 %1 失敗，本機的提交保留：
%2</source>
        <translation>Pushing to %1 failed; the local commits are kept:
%2</translation>
    </message>
    <message>
        <source>推送 %1 分支到 %2 失敗：
%3</source>
        <translation>Pushing the %1 branch to %2 failed:
%3</translation>
    </message>
    <message>
        <source>儲存庫 %1 的 %2 分支不在發行的提交上（被手動移動過？）：%3 %4</source>
        <translation>the %2 branch of repository %1 is not on a release commit (moved by hand?): %3 %4</translation>
    </message>
    <message>
        <source>%1 不是儲存庫 %2 的備份</source>
        <translation>%1 is not a backup of repository %2</translation>
    </message>
    <message>
        <source>備份 %1 沒有 %2 的檔案，沒有發行</source>
        <translation>backup %1 has no file of %2; nothing released</translation>
    </message>
    <message>
        <source>%1 沒有發行版</source>
        <translation>%1 not released</translation>
    </message>
    <message>
        <source>%1 沒有備份</source>
        <translation>%1 not backed up</translation>
    </message>
    <message>
        <source>儲存庫 %1 有 git 留下的鎖定檔 %2；沒有 git 程式在執行時請刪除它</source>
        <translation>repository %1 has a lock file %2 left by git; delete it when no git program is running</translation>
    </message>
    <message>
        <source>儲存庫 %1 中有未提交的修改，先提交或還原它們：%2</source>
        <translation>repository %1 has changes that are not committed; commit or undo them first: %2</translation>
    </message>
    <message>
        <source>無法讀取 %1：%2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>上次完整備份 %1（%2 小時前，%3）</source>
        <translation>last complete backup %1 (%2 hours ago, %3)</translation>
    </message>
    <message>
        <source>沒有提交</source>
        <translation>no commit</translation>
    </message>
    <message>
        <source>從未完整備份</source>
        <translation>never backed up whole</translation>
    </message>
    <message>
        <source>上次失敗 %1：%2</source>
        <translation>last failure %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>發行版 有，%n 個參數不同</source>
        <translation>
            <numerusform>released, %n parameter differs</numerusform>
            <numerusform>released, %n parameters differ</numerusform>
        </translation>
    </message>
    <message>
        <source>沒有發行版</source>
        <translation>not released</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>無法讀取執行紀錄 %1：%2</source>
        <translation>Cannot read the run log %1: %2</translation>
    </message>
    <message>
        <source>執行紀錄 %1 第 %2 行無法讀取，略過</source>
        <translation>run log %1 line %2 cannot be read, skipped</translation>
    </message>
    <message>
        <source>無法寫入 %1：%2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>無法開啟資料夾 %1：%2</source>
        <translation>Cannot open folder %1: %2</translation>
    </message>
    <message>
        <source>儲存庫 %1 正由另一個 tarnctl 使用</source>
        <translation>repository %1 is in use by another tarnctl</translation>
    </message>
    <message>
        <source>無法鎖定儲存庫 %1：%2</source>
        <translation>Cannot lock repository %1: %2</translation>
    </message>
    <message>
        <source>無法寫入執行紀錄 %1：%2</source>
        <translation>Cannot write the run log %1: %2</translation>
    </message>
    <message>
        <source>完整</source>
        <translation>complete</translation>
    </message>
    <message>
        <source>無回應</source>
        <translation>silent</translation>
    </message>
    <message>
        <source>部分</source>
        <translation>partial</translation>
    </message>
    <message numerus="yes">
        <source>%n 個參數沒有讀到數值（第一個 %1），檔案未更新</source>
        <translation>
            <numerusform>%n parameter was read without a value (%1); file not updated</numerusform>
            <numerusform>%n parameters were read without a value (the first %1); file not updated</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>無法啟動 git：%1</source>
        <translation>Cannot start git: %1</translation>
    </message>
    <message>
        <source>無法啟動 git</source>
        <translation>Cannot start git</translation>
    </message>
    <message>
        <source>git cat-file 在 %1 停止回應</source>
        <translation>git cat-file stopped answering in %1</translation>
    </message>
    <message>
        <source>只能讀取（GET、HEAD）</source>
        <translation>Read only (GET, HEAD)</translation>
    </message>
    <message>
        <source>網址太長</source>
        <translation>The address is too long</translation>
    </message>
    <message>
        <source>網址不正確</source>
        <translation>The address is not valid</translation>
    </message>
    <message>
        <source>查詢文字不正確</source>
        <translation>The query is not valid</translation>
    </message>
    <message>
        <source>沒有這一頁</source>
        <translation>No such page</translation>
    </message>
    <message>
        <source>軸要寫成 機台/軸（例如 M01/X）</source>
        <translation>An axis is written machine/axis (for example M01/X)</translation>
    </message>
    <message>
        <source>版本不正確：%1</source>
        <translation>Not a valid revision: %1</translation>
    </message>
    <message>
        <source>伺服器內部錯誤</source>
        <translation>Internal server error</translation>
    </message>
    <message>
        <source>--listen 要寫成 位址:埠（例如 127.0.0.1:8080）：%1</source>
        <translation>--listen is written address:port (for example 127.0.0.1:8080): %1</translation>
    </message>
    <message>
        <source>無法在 %1 接受連線（位址已被使用或不屬於這台電腦）</source>
        <translation>Cannot accept connections at %1 (the address is in use or not of this computer)</translation>
    </message>
    <message>
        <source>TARN/B 備份</source>
        <translation>TARN/B backup</translation>
    </message>
    <message>
        <source>廠區</source>
        <translation>Plant</translation>
    </message>
    <message>
        <source>變更歷史</source>
        <translation>History</translation>
    </message>
    <message>
        <source>搜尋參數</source>
        <translation>Find parameters</translation>
    </message>
    <message numerus="yes">
        <source>%n 分鐘</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小時</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <source>尚未備份</source>
        <translation>not backed up yet</translation>
    </message>
    <message>
        <source>錯誤 %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>有</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>沒有</source>
        <translation>no</translation>
    </message>
    <message>
        <source>廠區 %1</source>
        <translation>Plant %1</translation>
    </message>
    <message>
        <source>備份儲存庫</source>
        <translation>Backup repository</translation>
    </message>
    <message>
        <source>%1 · %2 軸 · %3 次備份提交</source>
        <translation>%1 · axes: %2 · backup commits: %3</translation>
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
        <source>最後完整備份</source>
        <translation>Last complete backup</translation>
    </message>
    <message>
        <source>距今</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>上次執行</source>
        <translation>Last run</translation>
    </message>
    <message>
        <source>發行版</source>
        <translation>Released</translation>
    </message>
    <message>
        <source>和發行版不同</source>
        <translation>Differ from release</translation>
    </message>
    <message>
        <source>30 天內變更</source>
        <translation>Changes in 30 days</translation>
    </message>
    <message>
        <source>請給軸（axis=M01/X）</source>
        <translation>Name an axis (axis=M01/X)</translation>
    </message>
    <message>
        <source>儲存庫沒有 %1 這個版本</source>
        <translation>The repository has no revision %1</translation>
    </message>
    <message>
        <source>版本 %1 沒有 %2</source>
        <translation>Revision %1 has no %2</translation>
    </message>
    <message>
        <source>版本 %1 的 %2.tarn 無法讀取</source>
        <translation>%2.tarn of revision %1 cannot be read</translation>
    </message>
    <message>
        <source>超出範圍</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>版本 %1 · %2</source>
        <translation>Revision %1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 個參數和發行版不同</source>
        <translation>
            <numerusform>%n parameter differs from the release</numerusform>
            <numerusform>%n parameters differ from the release</numerusform>
        </translation>
    </message>
    <message>
        <source>沒有發行版</source>
        <translation>not released</translation>
    </message>
    <message>
        <source>下載 %1.tarn</source>
        <translation>Download %1.tarn</translation>
    </message>
    <message>
        <source>這一軸的變更歷史</source>
        <translation>History of this axis</translation>
    </message>
    <message>
        <source>篩選（編號、說明、數值）</source>
        <translation>Filter (number, description, value)</translation>
    </message>
    <message>
        <source>篩選</source>
        <translation>Filter</translation>
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
        <source>數值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>發行值</source>
        <translation>Released value</translation>
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
        <source>不是參數編號：%1（例如 100 或 Pn100）</source>
        <translation>Not a parameter number: %1 (for example 100 or Pn100)</translation>
    </message>
    <message>
        <source>頁數不正確：%1</source>
        <translation>Not a valid page: %1</translation>
    </message>
    <message>
        <source>儲存庫</source>
        <translation>The repository</translation>
    </message>
    <message>
        <source>沒有第 %1 頁（共 %2 頁）</source>
        <translation>There is no page %1 (%2 pages)</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>all</translation>
    </message>
    <message>
        <source>沒有變更。</source>
        <translation>No changes.</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>提交</source>
        <translation>Commit</translation>
    </message>
    <message>
        <source>變更</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>« 最新</source>
        <translation>« Newest</translation>
    </message>
    <message>
        <source>← 較新</source>
        <translation>← Newer</translation>
    </message>
    <message>
        <source>第 %1 頁，共 %2 頁</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>較舊 →</source>
        <translation>Older →</translation>
    </message>
    <message>
        <source>最舊 »</source>
        <translation>Oldest »</translation>
    </message>
    <message>
        <source>首次備份</source>
        <translation>First backup</translation>
    </message>
    <message>
        <source>比較需要 axis、a 和 b（例如 ?axis=M01/X&amp;a=HEAD~1&amp;b=HEAD）</source>
        <translation>Comparing needs axis, a and b (for example ?axis=M01/X&amp;a=HEAD~1&amp;b=HEAD)</translation>
    </message>
    <message>
        <source>兩個版本相同。</source>
        <translation>The two revisions are the same.</translation>
    </message>
    <message>
        <source>比較 %1</source>
        <translation>Compare %1</translation>
    </message>
    <message>
        <source>搜尋文字太長</source>
        <translation>The search text is too long</translation>
    </message>
    <message>
        <source>無法讀取</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>編號、中文或英文說明</source>
        <translation>Number, English or Chinese description</translation>
    </message>
    <message>
        <source>搜尋文字</source>
        <translation>Search text</translation>
    </message>
    <message>
        <source>搜尋</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>沒有相符的參數。</source>
        <translation>No parameter matches.</translation>
    </message>
    <message>
        <source>英文說明</source>
        <extracomment>The other language&apos;s description (the gloss in Chinese, the Chinese description in English).</extracomment>
        <translation>Chinese description</translation>
    </message>
    <message>
        <source>頁籤</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>%1 在每一軸的數值</source>
        <translation>%1 on every axis</translation>
    </message>
</context>
</TS>
