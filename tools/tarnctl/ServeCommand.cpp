#include "Command.h"
#include "ExitCode.h"
#include "Output.h"
#include "TarnctlText.h"
#include "web/WebServer.h"

// tarnctl serve --repo DIR: the backup repository in a browser, read only,
// until Ctrl-C or SIGTERM.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kPlant = QStringLiteral("plant");
const QString kListen = QStringLiteral("listen");

int RunServe(const Invocation& invocation) {
    if (!invocation.arguments.isEmpty()) {
        throw UsageError(TarnctlText::tr("serve 不需要引數（用 --repo、--plant、--listen）"));
    }
    if (invocation.Value(kRepo).isEmpty()) {
        throw UsageError(TarnctlText::tr("serve 需要 --repo 資料夾"));
    }
    ListenAddress address{QStringLiteral("127.0.0.1"), 8080};
    try {
        if (invocation.IsSet(kListen)) {
            address = ListenAddress::Parse(invocation.Value(kListen));
        }
    } catch (const WebServerError& error) {
        throw UsageError(error.Text());
    }
    try {
        std::optional<Plant> plant;
        if (invocation.IsSet(kPlant)) {
            plant = ReadPlantFile(invocation.Value(kPlant));
        }
        const GitRepository repo(invocation.Value(kRepo));
        repo.RequireExists();
        BlockStopSignals(); // before the server's threads start, so they inherit it
        WebSite site(repo.Folder(), std::move(plant));
        const WebServer server(site, address);
        PrintErr(
            TarnctlText::tr("tarnctl: 網頁在 %1（唯讀；Ctrl-C 結束）").arg(server.Address().Url()));
        WaitForStopSignal();
        PrintErr(TarnctlText::tr("tarnctl: 網頁已停止"));
    } catch (const EFileError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    } catch (const GitError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    } catch (const WebServerError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitUsage;
    }
    return kExitSuccess;
}

} // namespace

Command ServeCommand() {
    Command command;
    command.name = QStringLiteral("serve");
    command.usages = {QStringLiteral("serve --repo DIR [--plant PLANT.json] [--listen ADDR:PORT]")};
    command.summary =
        TarnctlText::tr("以網頁唯讀顯示備份儲存庫（廠區、各軸參數、變更歷史、比較、搜尋）");
    command.description = TarnctlText::tr(
        "在 --listen 的位址（預設 127.0.0.1:8080，只有本機能連）提供備份儲存庫的網頁：廠區的\n"
        "各軸、最後完整備份、上次執行的狀態、發行版和幾個參數不同（同 status 和 drift）、\n"
        "一軸在某個版本的 309 個參數和發行值（可下載該版本的 .tarn）、變更歷史（每頁 50 筆）、\n"
        "一個提交、兩個版本的比較、參數搜尋，/api/ 下的 JSON 和 /metrics（同 status --metrics\n"
        "寫出的內容）。只回答 GET 和 HEAD，\n"
        "從不開啟驅動器，也從不寫入儲存庫；新的備份在下一次請求就會顯示。\n"
        "--plant 依廠區檔列出各軸（沒有時列出儲存庫中的軸）。開始接受連線後在標準錯誤印出\n"
        "網址，直到 Ctrl-C 或 SIGTERM。\n"
        "結束碼：0 正常結束，2 用法錯誤或無法在該位址接受連線，5 不是儲存庫或廠區檔有誤。");
    command.options = {
        QCommandLineOption(kRepo, TarnctlText::tr("備份的 git 儲存庫資料夾"),
                           QStringLiteral("DIR")),
        QCommandLineOption(kPlant, TarnctlText::tr("廠區檔（列出各軸的順序）"),
                           QStringLiteral("PLANT.json")),
        QCommandLineOption(kListen, TarnctlText::tr("接受連線的位址和埠（預設 127.0.0.1:8080）"),
                           QStringLiteral("ADDR:PORT")),
    };
    command.examples = {
        QStringLiteral("tarnctl serve --repo backup"),
        QStringLiteral("tarnctl serve --repo backup --plant plant.json --listen 0.0.0.0:8080")};
    command.ports = PortUse::None;
    command.run = RunServe;
    return command;
}
