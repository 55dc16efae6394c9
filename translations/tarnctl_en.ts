<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>tarnctl</name>
    <message>
        <source>backup 需要一個廠區檔（例如 backup plant.json --repo 備份）</source>
        <translation>backup needs a plant file (for example backup plant.json --repo backup)</translation>
    </message>
    <message>
        <source>backup 需要 --repo 資料夾</source>
        <translation>backup needs --repo DIR</translation>
    </message>
    <message>
        <source>--push 要是遠端的名稱、網址或路徑：%1</source>
        <translation>--push must be a remote&apos;s name, URL or path: %1</translation>
    </message>
    <message>
        <source>--author 要寫成 &quot;姓名 &lt;email&gt;&quot;：%1</source>
        <translation>--author must read &quot;Name &lt;email&gt;&quot;: %1</translation>
    </message>
    <message>
        <source>--jobs 要是正整數：%1</source>
        <translation>--jobs must be a positive whole number: %1</translation>
    </message>
    <message>
        <source>已中斷，沒有提交</source>
        <translation>Interrupted, nothing committed</translation>
    </message>
    <message>
        <source>tarnctl: 已中斷，沒有提交</source>
        <translation>tarnctl: interrupted, nothing committed</translation>
    </message>
    <message>
        <source>已推送到 %1</source>
        <translation>Pushed to %1</translation>
    </message>
    <message>
        <source>讀取廠區每一軸，變更的參數檔提交到 git 儲存庫</source>
        <translation>Read a plant&apos;s axes, commit the changed files to git</translation>
    </message>
    <message>
        <source>git 儲存庫的資料夾（沒有時建立）</source>
        <translation>folder of the git repository (made when missing)</translation>
    </message>
    <message>
        <source>提交後推送到這個遠端（名稱、網址或路徑）</source>
        <translation>push to this remote after the commit (name, URL or path)</translation>
    </message>
    <message>
        <source>最多同時讀取的軸數（預設全部）</source>
        <translation>most axes read at once (default: all)</translation>
    </message>
    <message>
        <source>提交的作者，&quot;姓名 &lt;email&gt;&quot;</source>
        <translation>author of the commit, &quot;Name &lt;email&gt;&quot;</translation>
    </message>
    <message>
        <source>tarnctl backup plant.json --repo backup --author &quot;王小明 &lt;ming@example.com&gt;&quot;</source>
        <translation>tarnctl backup plant.json --repo backup --author &quot;Ming Wang &lt;ming@example.com&gt;&quot;</translation>
    </message>
    <message>
        <source>COM 編號 1–9、裝置路徑或網路位址 tcp://主機:埠、rfc2217://主機:埠；可重複，或以逗號分隔多個</source>
        <translation>COM number 1–9, device path or network address tcp://HOST:PORT, rfc2217://HOST:PORT; repeatable, or several separated by commas</translation>
    </message>
    <message>
        <source>顯示說明</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>顯示版本</source>
        <translation>show the version</translation>
    </message>
    <message>
        <source>等待方式：fixed 固定等待（預設），reply 回覆完整即結束</source>
        <translation>waiting: fixed waits the whole time (default), reply ends once the reply is whole</translation>
    </message>
    <message>
        <source>等待長度 10–5000 ms：讀取等 MS，寫入等 MS+10（預設 40）</source>
        <translation>wait 10–5000 ms: a read waits MS, a write MS+10 (default 40)</translation>
    </message>
    <message>
        <source>每次和驅動器的往來附加一行到 FILE（通訊記錄）</source>
        <translation>append a line to FILE for every exchange with a drive (the trace)</translation>
    </message>
    <message>
        <source>說明、訊息和報告的語言：zh 中文（預設）、en 英文；沒有時依 TARN_LANG</source>
        <translation>language of help, messages and reports: zh Chinese (default), en English; without it, TARN_LANG&apos;s</translation>
    </message>
    <message>
        <source>--timing 只能是 fixed 或 reply：%1</source>
        <translation>--timing must be fixed or reply: %1</translation>
    </message>
    <message>
        <source>--timeout 要在 %1 到 %2 ms 之間：%3</source>
        <translation>--timeout must be between %1 and %2 ms: %3</translation>
    </message>
    <message>
        <source>選項 %1 不適用於 %2</source>
        <translation>option %1 does not apply to %2</translation>
    </message>
    <message>
        <source>不明的選項：%1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>選項 %1 需要一個值</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>結束碼（多台驅動器時取其中最高者）：
  0  成功
  1  diff 找到差異；backup 提交了變更
  2  命令列用法錯誤
  3  通訊埠或驅動器錯誤：無法開啟、問候沒有回應、寫入未被確認、
     --verify 發現參數未保持寫入的值、連線中斷
  4  數值被規則拒絕（不在允許範圍內）
  5  檔案被拒絕或無法寫入；廠區檔或備份儲存庫被拒絕
  130  被 Ctrl-C 中斷</source>
        <translation>Exit codes (with several drives, the highest of theirs):
  0  success
  1  diff found differences; backup committed changes
  2  wrong command line
  3  port or drive: cannot open, no answer to the greeting, write not confirmed,
     --verify found a parameter not holding its written value, connection lost
  4  value refused by its rule (outside the allowed range)
  5  file refused or not writable; plant file or backup repository refused
  130  interrupted by Ctrl-C</translation>
    </message>
    <message>
        <source>用法：</source>
        <translation>Usage: </translation>
    </message>
    <message>
        <source>選項：</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>範例：</source>
        <translation>Examples:</translation>
    </message>
    <message>
        <source>結束碼見 tarnctl --help。</source>
        <translation>Exit codes: see tarnctl --help.</translation>
    </message>
    <message>
        <source>%1 不需要 --port</source>
        <translation>%1 takes no --port</translation>
    </message>
    <message>
        <source>%1 需要 --port（例如 -p 1）</source>
        <translation>%1 needs --port (for example -p 1)</translation>
    </message>
    <message>
        <source>--lang 只能是 %1 或 %2：%3</source>
        <translation>--lang must be %1 or %2: %3</translation>
    </message>
    <message>
        <source>TARN_LANG 只能是 %1 或 %2：%3</source>
        <translation>TARN_LANG must be %1 or %2: %3</translation>
    </message>
    <message>
        <source>不明的命令：%1（見 tarnctl --help）</source>
        <translation>unknown command: %1 (see tarnctl --help)</translation>
    </message>
    <message>
        <source>用法：tarnctl [-p PORT]… &lt;命令&gt; [引數…]

從命令列操作驅動器，規則、訊息與檔案格式都和視窗程式相同。
多個通訊埠時各台驅動器同時進行，每行輸出前加上通訊埠。</source>
        <translation>Usage: tarnctl [-p PORT]… &lt;command&gt; [arguments…]

The drive from the command line, with the window program&apos;s rules, messages and file
formats. With several ports the drives work at once, each output line led by its port.</translation>
    </message>
    <message>
        <source>命令：</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>各命令的說明：tarnctl &lt;命令&gt; --help</source>
        <translation>Help on each command: tarnctl &lt;command&gt; --help</translation>
    </message>
    <message>
        <source>%1 與 %2 相同</source>
        <translation>%1 and %2 are the same</translation>
    </message>
    <message>
        <source>已中斷</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>驅動器 %1</source>
        <translation>drive %1</translation>
    </message>
    <message>
        <source>diff 和 --port 一起時需要一個參數檔</source>
        <translation>diff with --port needs one parameter file</translation>
    </message>
    <message>
        <source>diff 需要 --port 和一個參數檔，或兩個參數檔</source>
        <translation>diff needs --port and a parameter file, or two parameter files</translation>
    </message>
    <message>
        <source>比較驅動器與參數檔，或兩個參數檔</source>
        <translation>Compare a drive with a file, or two files</translation>
    </message>
    <message>
        <source>比較驅動器（讀取全部 309 個參數）與參數檔，或不接驅動器比較兩個參數檔。
每個不同的參數一行：編號、左邊的值 → 右邊的值（都是表格的顯示值）、單位，
左邊是驅動器或第一個檔案，右邊是參數檔或第二個檔案；例如
「Pn100 500 → 600 0.1Hz」表示載入右邊的檔案會把 500 改成 600。
檔名有 {port} 時每台驅動器和自己的檔案比較。
沒有差異時印出「驅動器 COM1 與 a.tarn 相同」。
結束碼：相同 0，有差異 1；檔案被拒絕 5；驅動器錯誤 3。</source>
        <translation>Compares a drive (all 309 parameters read) with a parameter file, or two parameter
files without a drive. One line per parameter that differs: number, left value → right
value (both as the grid shows them), unit; the left is the drive or the first file, the
right the parameter file or the second file: &quot;Pn100 500 → 600 0.1Hz&quot; means loading the
right file would change 500 to 600.
With {port} in the name each drive is compared with its own file.
When nothing differs it prints &quot;drive COM1 and a.tarn are the same&quot;.
Exit codes: same 0, different 1; file refused 5; drive error 3.</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drift 需要一個廠區檔（例如 drift plant.json --repo 備份）</source>
        <translation>drift needs a plant file (for example drift plant.json --repo backup)</translation>
    </message>
    <message>
        <source>drift 需要 --repo 資料夾</source>
        <translation>drift needs --repo DIR</translation>
    </message>
    <message>
        <source>列出和發行版不同的參數</source>
        <translation>Parameters that differ from the released settings</translation>
    </message>
    <message>
        <source>備份的 git 儲存庫資料夾</source>
        <translation>folder of the backup&apos;s git repository</translation>
    </message>
    <message>
        <source>讀取驅動器現在的值來比較</source>
        <translation>compare the values the drives hold now</translation>
    </message>
    <message>
        <source>多個通訊埠時檔名要有 {port}（例如 %1）：%2</source>
        <translation>with several ports the file name needs {port} (for example %1): %2</translation>
    </message>
    <message>
        <source>report 需要 -o 報告檔名（例如 -o axis.pdf）</source>
        <translation>report needs -o NAME (for example -o axis.pdf)</translation>
    </message>
    <message>
        <source>報告檔名要以 .pdf、.html 或 .csv 結尾：%1</source>
        <translation>the report&apos;s name must end in .pdf, .html or .csv: %1</translation>
    </message>
    <message>
        <source>兩台驅動器會寫到同一個報告</source>
        <translation>two drives would write the same report</translation>
    </message>
    <message>
        <source>讀取</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>find 需要一個搜尋文字</source>
        <translation>find needs one text to search for</translation>
    </message>
    <message>
        <source>請給要找的文字</source>
        <translation>give the text to find</translation>
    </message>
    <message>
        <source>以編號、中文說明或英文說明找參數（不需驅動器）</source>
        <translation>Find parameters by number or description (no drive)</translation>
    </message>
    <message>
        <source>和視窗程式的「搜尋參數」相同：TEXT 比對編號（100、Pn100、pn1）、中文說明和英文說明，
不分大小寫，全形的數字和字母當半形（１００ 即 100），任何一部分相符即可，涵蓋全部
309 個參數；編號相符的在前，依檔案順序。
每個相符的參數一行，以 Tab 分隔：編號、說明、英文說明、頁籤；表格中沒有的參數
（Pn6xx、Pn7xx、Pn9xx 等）頁籤寫成「Pn9xx（不在表格中）」。沒有相符的參數時結束碼為 1。</source>
        <translation>As the window program&apos;s Find Parameter: TEXT is matched with the number (100, Pn100,
pn1), the Chinese and the English description, ignoring case, full-width digits and
letters taken as half-width (１００ is 100), any part matching, over all 309 parameters;
number matches first, then in file order.
One line per match, separated by tabs: number, description, English description, tab
of the grid; parameters the grid does not show (Pn6xx, Pn7xx, Pn9xx …) name their tab
as not in the grid. Exit code 1 when nothing matches.</translation>
    </message>
    <message>
        <source>tarnctl find 編碼器</source>
        <translation>tarnctl find encoder</translation>
    </message>
    <message>
        <source>history 不需要引數（用 --repo、--axis、--param）</source>
        <translation>history takes no arguments (use --repo, --axis, --param)</translation>
    </message>
    <message>
        <source>history 需要 --repo 資料夾</source>
        <translation>history needs --repo DIR</translation>
    </message>
    <message>
        <source>--axis 要寫成 機台/軸（例如 M01/X）：%1</source>
        <translation>--axis must read machine/axis (for example M01/X): %1</translation>
    </message>
    <message>
        <source>--released 不和 --axis、--param 一起使用</source>
        <translation>--released does not go with --axis or --param</translation>
    </message>
    <message>
        <source>儲存庫 %1</source>
        <translation>repository %1</translation>
    </message>
    <message>
        <source>從備份儲存庫的歷史列出參數的變更，最新的在前</source>
        <translation>Parameter changes in a backup repository, newest first</translation>
    </message>
    <message>
        <source>讀取 tarnctl backup 的儲存庫歷史，同一軸前後兩次備份之間每個變更的參數一行，
最新的在前：日期、提交、機台/軸、編號、說明、舊值 → 新值（表格的顯示值）、單位，
例如「2026-12-09 21:50:03 +0800 1a2b3c4d5e M01/X Pn100 KVP1 400 → 500 0.1Hz」。
一軸的第一次備份是起點，不算變更。--axis 只列一軸（名稱要完全相同，儲存庫從來
沒有這一軸時為用法錯誤，同 restore），--param 只列一個參數。
--released 改為列出發行（tarnctl release），最新的在前，例如
「2026-12-10 10:00:00 +0800 5448c60842 發行 廠A：M01/X、M01/Y（交機）」。
結束碼：0 成功，2 用法錯誤，5 不是儲存庫。</source>
        <translation>Reads the history of a tarnctl backup repository: one line per parameter that changed
between two successive backups of an axis, newest first: date, commit, machine/axis,
number, description, old value → new value (as the grid shows them), unit, for example
&quot;2026-12-09 21:50:03 +0800 1a2b3c4d5e M01/X Pn100 KVP1 400 → 500 0.1Hz&quot;.
An axis&apos;s first backup is its start, not a change. --axis lists one axis only (the name
exactly; an axis the repository never held is a usage error, as for restore), --param
one parameter only.
--released lists the releases instead (tarnctl release), newest first, for example
&quot;2026-12-10 10:00:00 +0800 5448c60842 發行 廠A：M01/X、M01/Y（交機）&quot; (their titles
are commit messages, in Chinese).
Exit codes: 0 success, 2 usage error, 5 not a repository.</translation>
    </message>
    <message>
        <source>只列這一軸（機台/軸）</source>
        <translation>only this axis (machine/axis)</translation>
    </message>
    <message>
        <source>只列這個參數</source>
        <translation>only this parameter</translation>
    </message>
    <message>
        <source>列出發行，不列參數的變更</source>
        <translation>list the releases instead of parameter changes</translation>
    </message>
    <message>
        <source>%1 時以 /bin/sh -c 執行這個命令（見說明）</source>
        <translation>run this command with /bin/sh -c on %1 (see the description)</translation>
    </message>
    <message>
        <source>核對已中斷</source>
        <translation>Verification interrupted</translation>
    </message>
    <message>
        <source>已中斷，沒有寫入任何參數</source>
        <translation>Interrupted, no parameter written</translation>
    </message>
    <message>
        <source>寫入</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>核對 Pn%1xx</source>
        <translation>Verifying Pn%1xx</translation>
    </message>
    <message>
        <source>以下參數超出允許範圍，沒有寫入任何參數（--force 仍然寫入）：</source>
        <translation>These parameters are outside their allowed range; no parameter was written (--force writes them anyway):</translation>
    </message>
    <message>
        <source>load 需要一個參數檔（例如 load machine.tarn）</source>
        <translation>load needs a parameter file (for example load machine.tarn)</translation>
    </message>
    <message>
        <source>將參數檔寫入驅動器（同視窗程式的載入檔案）</source>
        <translation>Load a parameter file into the drive (as Load File)</translation>
    </message>
    <message>
        <source>先檢查整個參數檔（不合格式的檔案不寫入任何驅動器，結束碼 5），再依視窗程式「載入
檔案」的順序寫入（307 個；Pn900、Pn901 不寫，None 與空值不送），遇到第一個未被
確認的寫入就停止並說明已寫入哪些參數：「載入已停止：Pn105 寫入失敗；已寫入
9 個參數（Pn000 ~ Pn104），驅動器其餘參數未變更」（結束碼 3）。
寫入前依編輯規則檢查每個值（範圍依載入完成後的 Pn904：檔案寫入 Pn904 時用
檔案的，否則用驅動器的）；有超出範圍的值時列出（顯示值與範圍），不寫入任何
參數（結束碼 4），加上 --force 仍然寫入。
--changed-only 先讀取驅動器，只寫入和檔案不同的參數。
--verify 寫完後讀回每個寫入的參數，列出沒有保持寫入值的參數
（「Pn106 讀回 0 %，應為 5 %」，結束碼 3）。
檔名有 {port} 時每台驅動器載入自己的檔案（axis-{port}.tarn），否則都載入同一個。
Ctrl-C 在進行中的那次寫入之後停止，並說明已寫入哪些參數。</source>
        <translation>Checks the whole parameter file first (a file not in the format is written into no
drive, exit code 5), then writes it in the order of the window program&apos;s Load File
(307 parameters; Pn900 and Pn901 are not written, None and empty values not sent),
stopping at the first write the drive does not confirm and telling which parameters
were written, for example that the load stopped at Pn105, 9 parameters (Pn000 ~ Pn104)
written and the drive&apos;s other parameters unchanged (exit code 3).
Every value is checked with its edit rule before any write (ranges from Pn904 as it
will be after the load: the file&apos;s when it writes Pn904, else the drive&apos;s); values
outside their range are listed (shown value and range) and no parameter is written
(exit code 4); --force writes them anyway.
--changed-only reads the drive first and writes only the parameters that differ.
--verify reads back every parameter written and lists those not holding the value
written (exit code 3).
With {port} in the name each drive loads its own file (axis-{port}.tarn), else all
load the same one.
Ctrl-C stops after the write in progress and tells which parameters were written.</translation>
    </message>
    <message>
        <source>先讀取驅動器，只寫入不同的參數</source>
        <translation>read the drive first, write only what differs</translation>
    </message>
    <message>
        <source>超出範圍的值也寫入</source>
        <translation>write values outside their range too</translation>
    </message>
    <message>
        <source>寫完後讀回並核對每個寫入的參數</source>
        <translation>read back and verify every parameter written</translation>
    </message>
    <message>
        <source>以一份 JSON 文件輸出同樣的結果，給程式讀取</source>
        <translation>print the same results as one JSON document, for programs</translation>
    </message>
    <message>
        <source>不是參數編號：%1（例如 100 或 Pn100）</source>
        <translation>not a parameter number: %1 (for example 100 or Pn100)</translation>
    </message>
    <message>
        <source>%1 不是驅動器的參數</source>
        <translation>%1 is not a parameter of the drive</translation>
    </message>
    <message>
        <source>plant 需要一個廠區檔（例如 plant plant.json）</source>
        <translation>plant needs a plant file (for example plant plant.json)</translation>
    </message>
    <message numerus="yes">
        <source>%1：%n 軸</source>
        <translation>
            <numerusform>%1: %n axis</numerusform>
            <numerusform>%1: %n axes</numerusform>
        </translation>
    </message>
    <message>
        <source>檢查廠區檔並列出每一軸（格式見 plant --help）</source>
        <translation>Check a plant file, list its axes (format: plant --help)</translation>
    </message>
    <message>
        <source>廠區檔（JSON）列出一個廠區的機台和每個機台的軸，給 backup 和 restore 使用：
  {&quot;plant&quot;: &quot;廠A&quot;, &quot;machines&quot;: [
    {&quot;name&quot;: &quot;M01&quot;, &quot;axes&quot;: [
      {&quot;name&quot;: &quot;X&quot;, &quot;port&quot;: &quot;tcp://10.0.0.5:4001&quot;},
      {&quot;name&quot;: &quot;Y&quot;, &quot;port&quot;: &quot;COM3&quot;, &quot;timing&quot;: &quot;reply&quot;, &quot;timeout&quot;: 100}]}]}
plant：廠名（提交訊息用）。machines：機台，每個有 name 和 axes。
軸：name、port（COM 編號、裝置路徑或網路位址，同 --port），可選 timing
（&quot;fixed&quot; 或 &quot;reply&quot;）與 timeout（10–5000 ms）；沒有時用命令的 --timing、
--timeout。ignore（最外層、機台或軸，參數編號的陣列，例如 &quot;ignore&quot;: [618, 700]）
列出會自己變動的參數：一軸忽略它所在各層列出的全部，drift 和事件命令不理會它們，
backup 仍然儲存並提交（變更行最後寫「（忽略）」）；不是驅動器參數編號的會被拒絕。
機台和軸的名稱就是儲存庫中的資料夾和檔名（M01/X.tarn）：只能有字母、
數字、中日韓文字、- 和 _（最多 64 字，不能是 CON、NUL、COM1 之類的裝置名），
同一層的名稱不能重複（不分大小寫）；同一個通訊埠不能給兩個軸（裝置以實際路徑、
網路位址以解析出的位址比對）。不認得的鍵和同一物件中重複的鍵也會被拒絕。
錯誤訊息寫出檔名、行號和鍵，例如
「plant.json 第 4 行 machines[0].axes[1].name：軸名稱重複：X」。
這個命令檢查廠區檔，每軸一行列出：機台/軸、通訊埠、等待方式、逾時。
結束碼：0 廠區檔正確，5 被拒絕。</source>
        <translation>A plant file (JSON) lists a plant&apos;s machines and each machine&apos;s axes, for backup and
restore:
  {&quot;plant&quot;: &quot;Plant A&quot;, &quot;machines&quot;: [
    {&quot;name&quot;: &quot;M01&quot;, &quot;axes&quot;: [
      {&quot;name&quot;: &quot;X&quot;, &quot;port&quot;: &quot;tcp://10.0.0.5:4001&quot;},
      {&quot;name&quot;: &quot;Y&quot;, &quot;port&quot;: &quot;COM3&quot;, &quot;timing&quot;: &quot;reply&quot;, &quot;timeout&quot;: 100}]}]}
plant: the plant&apos;s name (for commit messages). machines: each with name and axes.
An axis: name, port (COM number, device path or network address, as --port), optional
timing (&quot;fixed&quot; or &quot;reply&quot;) and timeout (10–5000 ms); without them the command&apos;s
--timing and --timeout. ignore (at the top, on a machine or an axis: an array of
parameter numbers, for example &quot;ignore&quot;: [618, 700]) lists parameters that change by
themselves: an axis ignores all those listed on its levels, drift and the event
commands pass them over, backup still stores and commits them (the change line ends in
&quot;（忽略）&quot;); a number that is no parameter of the drive is refused.
Machine and axis names are the folders and files in the repository (M01/X.tarn): only
letters, digits, CJK characters, - and _ (at most 64 characters, no device name such as
CON, NUL or COM1), not twice on one level (ignoring case); no port serves two axes
(devices compared by their real path, network addresses by the address resolved).
Unknown keys and a key twice in one object are refused too.
Error messages name the file, the line and the key.
This command checks the plant file and lists one line per axis: machine/axis, port,
waiting, timeout.
Exit codes: 0 plant file correct, 5 refused.</translation>
    </message>
    <message>
        <source>一個軸只能有一個通訊埠</source>
        <translation>an axis has one port only</translation>
    </message>
    <message>
        <source>%1 第 %2 行 %3 的 port：%4</source>
        <translation>%1 line %2 %3 port: %4</translation>
    </message>
    <message>
        <source>%1 第 %2 行 %3 的 port：和第 %4 行 %5 是同一個通訊埠（%6）</source>
        <translation>%1 line %2 %3 port: the same port as line %4 %5 (%6)</translation>
    </message>
    <message>
        <source>網路位址 %1 不正確（%2）</source>
        <translation>network address %1 is not correct (%2)</translation>
    </message>
    <message>
        <source>通訊埠 %1 不在 1–9 之間（或請給裝置路徑）</source>
        <translation>port %1 is not between 1 and 9 (or give a device path)</translation>
    </message>
    <message>
        <source>--port 的清單有空項目：%1</source>
        <translation>the --port list has an empty item: %1</translation>
    </message>
    <message>
        <source>網路位址重複：%1 與 %2 都是 %3</source>
        <translation>network address twice: %1 and %2 are both %3</translation>
    </message>
    <message>
        <source>通訊埠重複：%1 與 %2 都是 %3</source>
        <translation>port twice: %1 and %2 are both %3</translation>
    </message>
    <message>
        <source>序號 %1</source>
        <translation>serial number %1</translation>
    </message>
    <message>
        <source>ports 不需要引數：%1</source>
        <translation>ports takes no arguments: %1</translation>
    </message>
    <message>
        <source>系統回報的序列埠：</source>
        <translation>Serial ports the system reports:</translation>
    </message>
    <message>
        <source>  （沒有）</source>
        <translation>  (none)</translation>
    </message>
    <message>
        <source>COM 1–9 各開啟哪個裝置，以及系統回報的序列埠</source>
        <translation>What COM 1–9 open, and the system&apos;s serial ports</translation>
    </message>
    <message>
        <source>列出 COM 1–9 各對應的裝置（和視窗程式相同：TARN_COM&lt;n&gt;，否則 /dev/ttyS&lt;n-1&gt;；Windows 為 COMn），不存在的加上「（不存在）」；
再列出系統回報的序列埠：裝置、說明、製造商、USB 廠商:產品編號、序號，方便找到 USB 轉接器。</source>
        <translation>Lists the device of each COM 1–9 (as the window program opens it: TARN_COM&lt;n&gt;, else
/dev/ttyS&lt;n-1&gt;; COMn on Windows), marking those that do not exist;
then the serial ports the system reports: device, description, manufacturer, USB
vendor:product, serial number, to find the USB adapter.</translation>
    </message>
    <message>
        <source>query 需要參數編號（例如 query --repo 備份 100 101）</source>
        <translation>query needs parameter numbers (for example query --repo backup 100 101)</translation>
    </message>
    <message>
        <source>query 需要 --repo 資料夾</source>
        <translation>query needs --repo DIR</translation>
    </message>
    <message>
        <source>列出每一軸的這些參數和發行版的值</source>
        <translation>These parameters of every axis, beside the released</translation>
    </message>
    <message>
        <source>備份 REV（預設最後一次）中每一軸的檔案，每軸每個參數一行：機台/軸、編號、說明、
值和單位，再寫發行版的值，和發行版不同時最後加 ≠，例如
「M01/X Pn100 KVP1 500 0.1Hz 發行 400 ≠」；沒有發行版的軸寫「發行 —」。
用來找出哪些軸的某個參數和其他軸不同。
--json：{&quot;rows&quot;:[{&quot;axis&quot;,&quot;number&quot;,&quot;description&quot;,&quot;current&quot;,&quot;currentText&quot;,
&quot;released&quot;,&quot;releasedText&quot;,&quot;unit&quot;,&quot;differs&quot;}]}。
結束碼：0 成功，2 用法錯誤，5 不是儲存庫或版本不存在。</source>
        <translation>From every axis&apos;s file in backup REV (default: the last), one line per axis and
parameter: machine/axis, number, description, value and unit, then the released value,
with ≠ at the end when they differ, for example &quot;M01/X Pn100 KVP1 500 0.1Hz released 400 ≠&quot;;
an axis without released settings reads &quot;released —&quot;.
To find the axes whose parameter differs from the others&apos;.
--json: {&quot;rows&quot;:[{&quot;axis&quot;,&quot;number&quot;,&quot;description&quot;,&quot;current&quot;,&quot;currentText&quot;,
&quot;released&quot;,&quot;releasedText&quot;,&quot;unit&quot;,&quot;differs&quot;}]}.
Exit codes: 0 success, 2 usage error, 5 not a repository or no such revision.</translation>
    </message>
    <message>
        <source>這個版本的備份（預設最後一次）</source>
        <translation>the backup of this revision (default: the last)</translation>
    </message>
    <message>
        <source>%1 沒有讀到數值</source>
        <translation>%1: no value read</translation>
    </message>
    <message>
        <source>%1 的回覆不是預期的格式</source>
        <translation>%1: the reply is not in the expected form</translation>
    </message>
    <message>
        <source>read 需要至少一個參數編號（例如 read 100 101）</source>
        <translation>read needs at least one parameter number (for example read 100 101)</translation>
    </message>
    <message>
        <source>讀取參數：編號 數值文字 顯示值 單位</source>
        <translation>Read parameters: number, value text, value, unit</translation>
    </message>
    <message>
        <source>讀取參數，每個參數一行：編號、數值文字（驅動器的四位十六進位）、顯示值（和
表格數值欄相同）、單位，例如「Pn100 01F4 500 0.1Hz」。
N 寫作 100、Pn100 或 P100；程式沒有的參數編號（如 Pn050）是用法錯誤。
範圍依 Pn904 的參數（Pn304–Pn311、Pn406、Pn407、Pn708）先讀取驅動器的 Pn904。
沒有讀到數值的參數寫在標準錯誤，結束碼 3。</source>
        <translation>Reads parameters, one line each: number, value text (the drive&apos;s four hexadecimal
digits), shown value (as the grid&apos;s value column shows it), unit, for example
&quot;Pn100 01F4 500 0.1Hz&quot;.
N is written 100, Pn100 or P100; a number the program has no parameter for (such as
Pn050) is a usage error.
For the parameters whose range follows Pn904 (Pn304–Pn311, Pn406, Pn407, Pn708) the
drive&apos;s Pn904 is read first.
Parameters that gave no value are told on standard error, exit code 3.</translation>
    </message>
    <message>
        <source>release 需要一個廠區檔（例如 release plant.json --repo 備份）</source>
        <translation>release needs a plant file (for example release plant.json --repo backup)</translation>
    </message>
    <message>
        <source>release 需要 --repo 資料夾</source>
        <translation>release needs --repo DIR</translation>
    </message>
    <message>
        <source>廠區檔 %1</source>
        <translation>plant file %1</translation>
    </message>
    <message>
        <source>tarnctl: 推送到 %1 失敗，本機的發行保留：
%2</source>
        <translation>tarnctl: pushing to %1 failed, the local release is kept:
%2</translation>
    </message>
    <message>
        <source>把備份的參數檔記為發行版（交機時的設定）</source>
        <translation>Mark backed-up files as released (handover settings)</translation>
    </message>
    <message>
        <source>把備份 REV（預設最後一次備份）中各軸的檔案記為發行版：在儲存庫的 released 分支
上提交一次，樹中有每個發行過的軸的檔案；沒有指定的軸保留先前發行的檔案。
--axis 只發行這幾軸（可重複），沒有時發行廠區檔的每一軸。提交的標題如
「發行 廠A：M01/X、M01/Y（交機）」，括號中是 -m 的文字。工作目錄、索引和目前
的分支都不動；執行時鎖定儲存庫（同 backup）。REV 不是目前分支上的備份、備份中
沒有某軸的檔案、released 分支被手動移到不是發行的提交時拒絕。--push 之後推送
released 分支。tarnctl drift 比較目前的值和發行版，history --released 列出發行。
結束碼：0 已發行，2 用法錯誤，3 推送失敗，5 廠區檔或儲存庫被拒絕。</source>
        <translation>Marks each axis&apos;s file in backup REV (default: the last backup) as released: one
commit on the repository&apos;s released branch, whose tree holds the file of every axis
ever released; axes not named keep the file released before.
--axis releases only these axes (repeatable), else every axis of the plant file. The
commit&apos;s title reads like &quot;發行 廠A：M01/X、M01/Y（交機）&quot; (commit messages are in
Chinese), with -m&apos;s text in the brackets. The working tree, the index and the current
branch stay as they are; the repository is locked meanwhile (as for backup). Refused
when REV is no backup on the current branch, when the backup lacks an axis&apos;s file, or
when the released branch was moved by hand to a commit that is no release. --push then
pushes the released branch. tarnctl drift compares the values now with the released
ones; history --released lists the releases.
Exit codes: 0 released, 2 usage error, 3 push failed, 5 plant file or repository
refused.</translation>
    </message>
    <message>
        <source>只發行這一軸（機台/軸，可重複）</source>
        <translation>release only this axis (machine/axis, repeatable)</translation>
    </message>
    <message>
        <source>發行這個版本的備份（預設最後一次）</source>
        <translation>release the backup of this revision (default: the last)</translation>
    </message>
    <message>
        <source>寫在發行標題括號中的文字</source>
        <translation>text in the brackets of the release&apos;s title</translation>
    </message>
    <message>
        <source>發行後推送 released 分支到這個遠端</source>
        <translation>push the released branch to this remote afterwards</translation>
    </message>
    <message>
        <source>tarnctl release plant.json --repo backup -m 交機</source>
        <translation>tarnctl release plant.json --repo backup -m handover</translation>
    </message>
    <message>
        <source>已中斷，報告未寫入</source>
        <translation>Interrupted, no report written</translation>
    </message>
    <message>
        <source>已寫入報告 %1</source>
        <translation>Report written: %1</translation>
    </message>
    <message>
        <source>report 和 --port 一起時不需要參數檔</source>
        <translation>report with --port takes no parameter file</translation>
    </message>
    <message>
        <source>report 需要 --port 或一個參數檔</source>
        <translation>report needs --port or a parameter file</translation>
    </message>
    <message>
        <source>參數報告（PDF、HTML 或 CSV），來自驅動器或參數檔</source>
        <translation>Parameter report (PDF, HTML, CSV) of a drive or file</translation>
    </message>
    <message>
        <source>寫出參數報告，和視窗程式的「匯出報告」相同：讀取驅動器全部 309 個參數，
或讀取一個參數檔（先檢查整個檔案，被拒絕時結束碼 5）。
格式依 -o 檔名的副檔名：.pdf、.html（.htm）或 .csv。
報告先寫到暫存檔再換上，無法寫入時原檔不變（結束碼 5）；
驅動器一個數值都沒有回時不寫報告（結束碼 3）；有參數沒有讀到數值時照樣寫報告，
列出它們，結束碼 3。
多個通訊埠時各台同時讀取，檔名要有 {port}（axis-{port}.pdf → axis-1.pdf）。
Ctrl-C 中斷時不留下報告。PDF 不需要顯示器：沒有設定 QT_QPA_PLATFORM 時
使用 offscreen。
--machine、--axis、--customer、--technician、--note 寫在報告開頭（空的不寫）；
含有控制字元（--note 的換行除外）時為用法錯誤；
--against 參考檔：標出與參考檔不同的參數並列出兩邊的數值
（參考檔同樣先檢查整個檔案，被拒絕時結束碼 5），CSV 多兩欄
reference_value_text、differs。</source>
        <translation>Writes a parameter report, as the window program&apos;s Export Report does: all 309
parameters read from the drive, or a parameter file read (checked whole first; refused:
exit code 5). The format follows -o&apos;s extension: .pdf, .html (.htm) or .csv; the
report is in the language of --lang.
The report is written to a temporary file first, then put in place; when it cannot be
written the old file stays (exit code 5). A drive that gave no value at all gets no
report (exit code 3); parameters that gave no value are listed and the report written
anyway, exit code 3.
With several ports the drives are read at once and the name needs {port}
(axis-{port}.pdf → axis-1.pdf).
Ctrl-C leaves no report. A PDF needs no display: without QT_QPA_PLATFORM the
offscreen platform is used.
--machine, --axis, --customer, --technician and --note head the report (empty ones
are left out); a control character in them (but a line break in --note) is a usage
error.
--against REF: marks the parameters that differ from the reference file and shows both
values (the reference is checked whole as well; refused: exit code 5); the CSV gets two
more columns, reference_value_text and differs.</translation>
    </message>
    <message>
        <source>報告檔名：.pdf、.html 或 .csv</source>
        <translation>name of the report: .pdf, .html or .csv</translation>
    </message>
    <message>
        <source>備註（可多行）</source>
        <translation>note (may have several lines)</translation>
    </message>
    <message>
        <source>參考檔案：標出不同的參數</source>
        <translation>reference file: mark the parameters that differ</translation>
    </message>
    <message>
        <source>tarnctl -p 1 report -o handover.pdf --machine M-7 --axis X --customer 大成 --technician 林 --against agreed.tarn</source>
        <translation>tarnctl -p 1 report -o handover.pdf --machine M-7 --axis X --customer Dacheng --technician Lin --against agreed.tarn</translation>
    </message>
    <message>
        <source>restore 需要一個廠區檔（例如 restore plant.json --repo 備份 --axis M01/X）</source>
        <translation>restore needs a plant file (for example restore plant.json --repo backup --axis M01/X)</translation>
    </message>
    <message>
        <source>restore 需要 --repo 資料夾和 --axis 機台/軸</source>
        <translation>restore needs --repo DIR and --axis machine/axis</translation>
    </message>
    <message>
        <source>--at 要是一個版本（提交、分支或標籤）：%1</source>
        <translation>--at must be a revision (commit, branch or tag): %1</translation>
    </message>
    <message>
        <source>還原 %1 自 %2</source>
        <translation>Restoring %1 from %2</translation>
    </message>
    <message>
        <source>把備份儲存庫中一軸的參數檔載入它的驅動器</source>
        <translation>Load an axis&apos;s backed-up file into its drive</translation>
    </message>
    <message>
        <source>取出 tarnctl backup 儲存庫中這一軸在 REV（提交、分支或標籤，預設最新的 HEAD）
的參數檔，先整份檢查，再和 tarnctl load 一樣寫入廠區檔中這一軸的驅動器（換上
新驅動器之後）：完整載入，遵守載入的規則（--force 和 load --force 相同），
--verify 寫完後讀回並核對。
結束碼同 load；廠區檔、儲存庫或版本被拒絕為 5。</source>
        <translation>Takes the axis&apos;s parameter file at REV (commit, branch or tag, default the newest, HEAD)
from a tarnctl backup repository, checks it whole, then writes it as tarnctl load does
into the drive the plant file names for the axis (after a drive was replaced): a full
load under the load&apos;s rules (--force as load --force), --verify reading back and
verifying afterwards.
Exit codes as for load; 5 for a refused plant file, repository or revision.</translation>
    </message>
    <message>
        <source>要還原的軸（機台/軸）</source>
        <translation>the axis to restore (machine/axis)</translation>
    </message>
    <message>
        <source>從這個版本還原（預設 HEAD）</source>
        <translation>restore from this revision (default HEAD)</translation>
    </message>
    <message>
        <source>不符合規則的值也寫入（同 load --force）</source>
        <translation>write values their rule refuses too (as load --force)</translation>
    </message>
    <message>
        <source>save 需要一個檔名（例如 save axis.tarn）</source>
        <translation>save needs a file name (for example save axis.tarn)</translation>
    </message>
    <message>
        <source>兩台驅動器會存到同一個檔案</source>
        <translation>two drives would save to the same file</translation>
    </message>
    <message>
        <source>已中斷，檔案未儲存</source>
        <translation>Interrupted, file not saved</translation>
    </message>
    <message>
        <source>已儲存 %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>讀取全部 309 個參數並存檔（同視窗程式的儲存檔案）</source>
        <translation>Save all 309 parameters to a file (as Save File)</translation>
    </message>
    <message>
        <source>讀取驅動器全部 309 個參數，寫成參數檔，和視窗程式的「儲存檔案」相同：檔名不以
.tarn 結尾時加上 .tarn；檔案先寫到暫存檔再換上，中途失敗不動原檔；驅動器一個
數值都沒有回時不寫檔案（結束碼 3）；有參數沒有讀到數值時照樣寫檔，列出它們，
結束碼 3。
多個通訊埠時各台同時讀取，檔名要有 {port}：COM 編號、裝置路徑的最後一段，或網路
位址的主機_埠（axis-{port}.tarn → axis-1.tarn、axis-ttyUSB0.tarn、
axis-10.0.0.5_4001.tarn）。
Ctrl-C 中斷時不留下檔案，原有的檔案不變。</source>
        <translation>Reads all 309 parameters of the drive into a parameter file, as the window program&apos;s
Save File does: .tarn is added to a name not ending in it; the file is written to a
temporary file first and then put in place, so a failure leaves the old one; a drive
that gave no value at all gets no file (exit code 3); parameters that gave no value
are listed and the file written anyway, exit code 3.
With several ports the drives are read at once and the name needs {port}: the COM
number, the device path&apos;s last part or the network address&apos;s host_port
(axis-{port}.tarn → axis-1.tarn, axis-ttyUSB0.tarn, axis-10.0.0.5_4001.tarn).
Ctrl-C leaves no file; a file that was there stays as it was.</translation>
    </message>
    <message>
        <source>serve 不需要引數（用 --repo、--plant、--listen）</source>
        <translation>serve takes no arguments (use --repo, --plant, --listen)</translation>
    </message>
    <message>
        <source>serve 需要 --repo 資料夾</source>
        <translation>serve needs --repo DIR</translation>
    </message>
    <message>
        <source>tarnctl: 網頁在 %1（唯讀；Ctrl-C 結束）</source>
        <translation>tarnctl: web pages at %1 (read only; Ctrl-C ends)</translation>
    </message>
    <message>
        <source>tarnctl: 網頁已停止</source>
        <translation>tarnctl: web pages stopped</translation>
    </message>
    <message>
        <source>以網頁唯讀顯示備份儲存庫（廠區、各軸參數、變更歷史、比較、搜尋）</source>
        <translation>The backup repository in a browser, read only</translation>
    </message>
    <message>
        <source>廠區檔（列出各軸的順序）</source>
        <translation>plant file (the order of the axes)</translation>
    </message>
    <message>
        <source>接受連線的位址和埠（預設 127.0.0.1:8080）</source>
        <translation>address and port to accept connections at (default 127.0.0.1:8080)</translation>
    </message>
    <message>
        <source>show 需要一個參數檔（例如 show axis.tarn）</source>
        <translation>show needs a parameter file (for example show axis.tarn)</translation>
    </message>
    <message>
        <source>以文字列出參數檔的 309 個參數（git 的文字轉換）</source>
        <translation>A file&apos;s 309 parameters in words (git&apos;s text conversion)</translation>
    </message>
    <message>
        <source>先檢查整個參數檔（同載入檔案），再依檔案順序每個參數一行：編號、說明、表格的
顯示值、單位，例如「Pn100 KVP1 500 0.1Hz」；沒有說明的參數只有編號和數值文字
（「Pn900 0123」）；沒有數值的為（空）。
--textconv：給 git 用，一定成功：無法讀取的檔案照原來的行列出，每行前面標
（無法讀取）。tarnctl backup 把「tarnctl show --textconv」設為儲存庫中 *.tarn 的
文字轉換（diff.tarn.textconv），git log -p、git diff 和其他 git 工具因此以參數的
文字顯示變更，一個壞掉的檔案也不會讓它們停下。
結束碼：0 成功，5 檔案被拒絕（沒有 --textconv 時）。</source>
        <translation>Checks the whole parameter file (as Load File does), then prints one line per
parameter in file order: number, description, shown value, unit, for example
&quot;Pn100 KVP1 500 0.1Hz&quot;; a parameter without a description has its number and value
text only (&quot;Pn900 0123&quot;); a missing value reads （空）. The lines are the same in every
language (Chinese), as a repository reads the same for every user.
--textconv: for git, always succeeds: a file it cannot read is listed line by line as
it is, each line marked （無法讀取）. tarnctl backup makes &quot;tarnctl show --textconv&quot;
the text conversion of the repository&apos;s *.tarn (diff.tarn.textconv), so git log -p,
git diff and other git tools show changes as parameters in words, and a broken file
does not stop them.
Exit codes: 0 success, 5 file refused (without --textconv).</translation>
    </message>
    <message>
        <source>給 git 的文字轉換：無法讀取的檔案照原樣列出，標（無法讀取）</source>
        <translation>text conversion for git: a file it cannot read is listed as it is, marked （無法讀取）</translation>
    </message>
    <message>
        <source>status 需要一個廠區檔（例如 status plant.json --repo 備份）</source>
        <translation>status needs a plant file (for example status plant.json --repo backup)</translation>
    </message>
    <message>
        <source>status 需要 --repo 資料夾</source>
        <translation>status needs --repo DIR</translation>
    </message>
    <message>
        <source>--max-age 要是正數（小時）：%1</source>
        <translation>--max-age must be a positive number (hours): %1</translation>
    </message>
    <message>
        <source>每一軸的備份狀況：上次完整備份、上次失敗、和發行版的差異</source>
        <translation>Each axis&apos;s last backup, last failure and drift</translation>
    </message>
    <message>
        <source>從 backup 寫在 DIR/.git/tarn/runs.jsonl 的執行紀錄（每次備份每軸一行，不會提交）
每軸列出一行：上次完整備份的時間、距今幾小時和提交，上次失敗的時間和原因，
有沒有發行版和幾個參數和發行版不同（同 drift）。紀錄中斷在一行中間或有無法讀取
的行時寫出是哪一行，並用其他的行繼續。
--json：{&quot;axes&quot;:[{&quot;axis&quot;,&quot;lastRun&quot;,&quot;lastComplete&quot;:{&quot;time&quot;,&quot;commit&quot;},
&quot;lastFailure&quot;:{&quot;time&quot;,&quot;reason&quot;},&quot;released&quot;,&quot;drift&quot;,&quot;ageHours&quot;}]}。
--metrics FILE 寫出 node exporter 文字檔收集器的格式（整個檔案一次換上）：
tarn_axis_last_success_timestamp_seconds、tarn_axis_up、tarn_axis_drift_parameters、
tarn_backup_duration_seconds，標籤 plant、machine、axis。
結束碼：0 正常；1 有軸上次沒有完整讀到、從未讀到，或上次完整備份比 --max-age
小時舊（給監控系統檢查）；2 用法錯誤；5 廠區檔或儲存庫被拒絕。</source>
        <translation>From the run log backup writes in DIR/.git/tarn/runs.jsonl (a line per axis and
backup, never committed), one line per axis: time, age in hours and commit of the last
complete backup, time and reason of the last failure, whether there are released
settings and how many parameters differ from them (as drift). A log cut off in the
middle of a line, or a line that cannot be read, is told by its line and the other
lines are used.
--json: {&quot;axes&quot;:[{&quot;axis&quot;,&quot;lastRun&quot;,&quot;lastComplete&quot;:{&quot;time&quot;,&quot;commit&quot;},
&quot;lastFailure&quot;:{&quot;time&quot;,&quot;reason&quot;},&quot;released&quot;,&quot;drift&quot;,&quot;ageHours&quot;}]}.
--metrics FILE writes the format of node exporter&apos;s text file collector (the whole
file replaced at once): tarn_axis_last_success_timestamp_seconds, tarn_axis_up,
tarn_axis_drift_parameters, tarn_backup_duration_seconds, labels plant, machine, axis.
Exit codes: 0 healthy; 1 an axis was not read whole last time, never read, or its last
complete backup is older than --max-age hours (for monitoring); 2 usage error;
5 plant file or repository refused.</translation>
    </message>
    <message>
        <source>上次完整備份最多幾小時前（正數）</source>
        <translation>most hours since the last complete backup (positive)</translation>
    </message>
    <message>
        <source>寫出指標到這個檔案</source>
        <translation>write the metrics to this file</translation>
    </message>
    <message>
        <source>write --raw HEX4 只需要參數編號（例如 write 100 --raw 01F4）</source>
        <translation>write --raw HEX4 needs the parameter number only (for example write 100 --raw 01F4)</translation>
    </message>
    <message>
        <source>write 需要參數編號和數值（例如 write 100 500）</source>
        <translation>write needs a parameter number and a value (for example write 100 500)</translation>
    </message>
    <message>
        <source>--raw 需要四位十六進位數字：%1</source>
        <translation>--raw needs four hexadecimal digits: %1</translation>
    </message>
    <message>
        <source>%1 沒有編輯規則，只能用 --raw 寫入</source>
        <translation>%1 has no edit rule; only --raw writes it</translation>
    </message>
    <message>
        <source>Pn904 沒有讀到數值，無法檢查 %1 的範圍</source>
        <translation>Pn904 gave no value, so %1&apos;s range cannot be checked</translation>
    </message>
    <message>
        <source>%1 %2：不在允許範圍內（%3）</source>
        <translation>%1 %2: not within the allowed range (%3)</translation>
    </message>
    <message>
        <source>%1 寫入失敗</source>
        <translation>%1: write failed</translation>
    </message>
    <message>
        <source>寫入一個參數，依編輯規則檢查，由回覆確認</source>
        <translation>Write one parameter, checked and confirmed</translation>
    </message>
    <message>
        <source>寫入一個參數。VALUE 和在表格中輸入的一樣：十進位、有號十進位，或位數分組的
寫法（1-7-1、08-08、44-1），先依該參數的編輯規則檢查（範圍依 Pn904 的參數先讀
取驅動器的 Pn904）；不符合時顯示「不在允許範圍內」，結束碼 4，不寫入。
--raw HEX4 直接寫入四位十六進位的數值文字，不檢查。
寫入必須由驅動器的回覆確認，否則顯示「寫入失敗」，結束碼 3。
寫入後讀回該參數（--no-verify 不讀回）；驅動器沒有保持寫入的值時顯示
「Pn106 讀回 0 %，應為 5 %」，結束碼 3。
成功時印出寫入後的一行，格式和 read 相同。</source>
        <translation>Writes one parameter. VALUE is typed as in the grid: decimal, signed decimal, or the
digit groups (1-7-1, 08-08, 44-1), and checked first with the parameter&apos;s edit rule
(for ranges that follow Pn904 the drive&apos;s Pn904 is read first); a value it refuses is
told as not within the allowed range, exit code 4, and not written.
--raw HEX4 writes the four hexadecimal digits of a value text as they are, unchecked.
The drive&apos;s reply must confirm the write, else it is told as failed, exit code 3.
The parameter is read back afterwards (--no-verify: not); when the drive does not
hold the value written that is told, exit code 3.
On success it prints the line after the write, as read prints it.</translation>
    </message>
    <message>
        <source>直接寫入這個數值文字（四位十六進位），不檢查</source>
        <translation>write this value text (four hexadecimal digits) as it is, unchecked</translation>
    </message>
    <message>
        <source>寫入後不讀回核對</source>
        <translation>do not read back and verify after the write</translation>
    </message>
    <message>
        <source>同時讀取廠區檔（見 tarnctl plant --help）列出的每一軸（--jobs N：最多 N 軸同時），
每軸寫成 DIR/&lt;機台&gt;/&lt;軸&gt;.tarn（和「儲存檔案」寫的相同），再把有變更的檔案提交成
一個 git 提交。提交訊息第一行如「備份 廠A：2 軸變更，1 軸無回應，13 軸相同」，
之後每個變更的參數一行（「M01/X Pn100 KVP1 400 → 500 0.1Hz」），最後是沒有回應
的軸。沒有變更時不提交。沒有回應或只回應部分參數的軸保留上次提交的檔案。
讀取任何驅動器之前先檢查：另一個 tarnctl 正在使用這個儲存庫（鎖定 DIR 資料夾）、
git 留下 .git/index.lock 或 .git/HEAD.lock、儲存庫中廠區的 .tarn 檔與
.gitattributes 有未提交的修改時拒絕（結束碼 5）。提交的某一步失敗時，寫入的檔案
還原為上次提交的內容，並寫出失敗的步驟和 git 的完整訊息（結束碼 5）。DIR 不是儲存庫時以 git init 建立，寫入 .gitattributes
（*.tarn diff=tarn）並在儲存庫設定 diff.tarn.textconv 為「tarnctl show --textconv」，讓
git log -p 和 git diff 以參數的文字顯示變更。儲存庫中其他檔案一律不動。
作者取自 git 設定的 user.name、user.email，沒有時為 tarnctl &lt;tarnctl@主機名&gt;；
--author 可指定。--push REMOTE 之後推送目前的分支（沒有新提交時也推送，先前未推送
的提交一起送出，有 released 分支時一併推送）；被拒絕時本機提交保留並說明原因。
--timing、--timeout 是廠區檔中沒有指定的軸的預設值。
--on-changed CMD：提交了 ignore 以外的變更後，--on-failed CMD：有軸沒有回應或只回應
部分參數時（兩者都有時在 changed 之後）執行 CMD，標準輸入是提交訊息或失敗的軸和原因。
</source>
        <translation>Reads every axis the plant file lists (see tarnctl plant --help) at once (--jobs N:
at most N axes at a time), writes each as DIR/&lt;machine&gt;/&lt;axis&gt;.tarn (the same file
Save File writes), then commits the changed files as one git commit. The commit
message is always in Chinese: its first line reads like &quot;備份 廠A：2 軸變更，1 軸無回應，
13 軸相同&quot;, then one line per changed parameter (&quot;M01/X Pn100 KVP1 400 → 500 0.1Hz&quot;),
last the axes that did not answer. Nothing is committed when nothing changed. An axis
that does not answer, or answers only some parameters, keeps its last committed file.
Before any drive is read it refuses (exit code 5) when another tarnctl is using the
repository (it locks the DIR folder), when git left .git/index.lock or .git/HEAD.lock,
or when the plant&apos;s .tarn files or .gitattributes have uncommitted changes. When a step
of the commit fails, the files written go back to their last committed content and the
failed step is told with git&apos;s whole message (exit code 5). When DIR is no repository
it is made with git init, .gitattributes is written (*.tarn diff=tarn) and the
repository&apos;s diff.tarn.textconv set to &quot;tarnctl show --textconv&quot;, so git log -p and
git diff show changes as parameters in words. No other file of the repository is touched.
The author is git&apos;s user.name and user.email, else tarnctl &lt;tarnctl@hostname&gt;;
--author names another. --push REMOTE then pushes the current branch (even without a
new commit, so earlier unpushed commits go too, and the released branch with it when
there is one); when refused, the local commit stays and the reason is told.
--timing and --timeout are the defaults of the axes the plant file gives none.
--on-changed CMD after a commit of changes not ignored, --on-failed CMD when an axis
did not answer or answered only some parameters (after changed when both), run CMD
with the commit message, or the failed axes and why, on standard input.
</translation>
    </message>
    <message>
        <source>結束碼：0 沒有變更，1 已提交變更，3 有軸失敗或推送失敗（能提交的仍會提交），
2 用法錯誤，5 廠區檔或儲存庫被拒絕。</source>
        <translation>Exit codes: 0 nothing changed, 1 changes committed, 3 an axis or the push failed
(what could be committed still is), 2 usage error, 5 plant file or repository refused.</translation>
    </message>
    <message>
        <source>每一軸最後一次備份的值（--live：驅動器現在的值，只讀取，同 backup 的讀取和廠區檔
的通訊設定）和發行版（tarnctl release）不同的參數，每個一行，例如
「M01/X Pn100 KVP1 發行 400 → 目前 500 0.1Hz」；沒有發行版的軸寫「M02/Z 沒有發行版」，
沒有備份的軸寫「M02/Z 沒有備份」。廠區檔 ignore 列出的參數不比較。
--json：{&quot;axes&quot;:[{&quot;axis&quot;,&quot;released&quot;,&quot;compared&quot;,&quot;differences&quot;:[{&quot;number&quot;,
&quot;description&quot;,&quot;released&quot;,&quot;current&quot;,&quot;releasedText&quot;,&quot;currentText&quot;,&quot;unit&quot;}]}]}；
compared 是 false（沒有發行版、沒有備份或驅動器沒有回應）的軸沒有比較，differences 是空的。
--on-drift CMD：有不同時，--on-failed CMD：有軸沒有回應時（--live），執行 CMD，
標準輸入是不同的參數行或失敗的軸。
</source>
        <translation>One line per parameter whose value in each axis&apos;s last backup (--live: in the drive
now, only read, with backup&apos;s reading and the plant file&apos;s link settings) differs from
the released settings (tarnctl release), for example
&quot;M01/X Pn100 KVP1 released 400 → now 500 0.1Hz&quot;; an axis without released settings
reads &quot;M02/Z not released&quot;, one without a backup &quot;M02/Z not backed up&quot;.
The parameters the plant file&apos;s ignore lists are not compared.
--json: {&quot;axes&quot;:[{&quot;axis&quot;,&quot;released&quot;,&quot;compared&quot;,&quot;differences&quot;:[{&quot;number&quot;,
&quot;description&quot;,&quot;released&quot;,&quot;current&quot;,&quot;releasedText&quot;,&quot;currentText&quot;,&quot;unit&quot;}]}]};
an axis with &quot;compared&quot; false (no release, no backup, or its drive did not answer) was not
compared, and its differences are empty.
--on-drift CMD when something differs, --on-failed CMD when an axis did not answer
(--live), run CMD with the differing lines or the failed axes on standard input.
</translation>
    </message>
    <message>
        <source>結束碼：0 沒有不同，1 有不同，2 用法錯誤，3 有軸沒有回應（--live），
5 廠區檔或儲存庫被拒絕。</source>
        <translation>Exit codes: 0 nothing differs, 1 something differs, 2 usage error, 3 an axis did not
answer (--live), 5 plant file or repository refused.</translation>
    </message>
    <message>
        <source>CMD 以 /bin/sh -c 執行（使用者自己的權限，同 git hook），環境變數 TARN_EVENT、
TARN_PLANT、TARN_REPO、TARN_COMMIT、TARN_AXES（以空白分隔）。最多 %1 秒，之後
結束它的整個程序群組；輸出寫到標準錯誤，每行前加「hook &lt;事件&gt;: 」（最多 %2 行）
並寫出結束碼。命令失敗不改變任何檔案和結束碼。
</source>
        <translation>CMD runs as /bin/sh -c CMD (with the user&apos;s own rights, as a git hook does), with the
environment variables TARN_EVENT, TARN_PLANT, TARN_REPO, TARN_COMMIT, TARN_AXES
(separated by spaces). At most %1 s, then its whole process group is ended; its output
goes to standard error, each line led by &quot;hook &lt;event&gt;: &quot; (at most %2 lines), followed
by its exit code. A failed command changes no file and no exit code.
</translation>
    </message>
    <message>
        <source>在 --listen 的位址（預設 127.0.0.1:8080，只有本機能連）提供備份儲存庫的網頁：廠區的
各軸、最後完整備份、上次執行的狀態、發行版和幾個參數不同（同 status 和 drift）、
一軸在某個版本的 309 個參數和發行值（可下載該版本的 .tarn）、變更歷史（每頁 50 筆）、
一個提交、兩個版本的比較、參數搜尋，/api/ 下的 JSON 和 /metrics（同 status --metrics
寫出的內容）。只回答 GET 和 HEAD，
從不開啟驅動器，也從不寫入儲存庫；新的備份在下一次請求就會顯示。
--plant 依廠區檔列出各軸（沒有時列出儲存庫中的軸）。開始接受連線後在標準錯誤印出
網址，直到 Ctrl-C 或 SIGTERM。
結束碼：0 正常結束，2 用法錯誤或無法在該位址接受連線，5 不是儲存庫或廠區檔有誤。</source>
        <translation>Serves the backup repository&apos;s web pages at --listen&apos;s address (default
127.0.0.1:8080, this machine only): the plant&apos;s axes, their last complete backup, the
state of their last run, their released settings and how many parameters differ (as
status and drift give them), an axis&apos;s 309 parameters at a revision with their
released values (its .tarn to download), the history (50 to a page), a commit, two
revisions compared, parameter search, JSON under /api/ and /metrics (what
status --metrics writes). Answers GET and HEAD only,
never opens a drive and never writes to the repository; a new backup shows at the next
request.
--plant lists the axes in the plant file&apos;s order (without it, the repository&apos;s axes).
Once it accepts connections it prints the address on standard error, until Ctrl-C or
SIGTERM.
Exit codes: 0 ended normally, 2 usage error or no connections accepted at the
address, 5 not a repository or a wrong plant file.</translation>
    </message>
</context>
</TS>
