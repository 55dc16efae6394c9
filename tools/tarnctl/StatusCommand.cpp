#include "Command.h"
#include "ExitCode.h"
#include "Output.h"
#include "TarnctlText.h"
#include "backup/PlantStatus.h"

// tarnctl status PLANT.json --repo DIR: each axis's health, for a person
// or a monitoring system.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kMaxAge = QStringLiteral("max-age");
const QString kMetrics = QStringLiteral("metrics");

int RunStatus(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(
            TarnctlText::tr("status 需要一個廠區檔（例如 status plant.json --repo 備份）"));
    }
    if (invocation.Value(kRepo).isEmpty()) {
        throw UsageError(TarnctlText::tr("status 需要 --repo 資料夾"));
    }
    std::optional<double> maxAge;
    if (invocation.IsSet(kMaxAge)) {
        bool ok = false;
        maxAge = invocation.Value(kMaxAge).toDouble(&ok);
        if (!ok || !(*maxAge > 0) || qIsInf(*maxAge)) {
            throw UsageError(
                TarnctlText::tr("--max-age 要是正數（小時）：%1").arg(invocation.Value(kMaxAge)));
        }
    }
    bool unhealthy = false;
    try {
        const Plant plant = ReadPlantFile(invocation.arguments.first());
        const GitRepository repo(invocation.Value(kRepo));
        repo.RequireExists();
        const PlantStatus status = StatusOf(repo, plant, QDateTime::currentDateTime());
        for (const QString& problem : status.logProblems) {
            PrintErr(QStringLiteral("tarnctl: ") + problem);
        }
        for (const AxisStatus& axis : status.axes) {
            unhealthy = unhealthy || axis.Unhealthy(maxAge);
            if (!invocation.IsSet(QStringLiteral("json"))) {
                PrintOut(axis.Line(CurrentLanguage()));
            }
        }
        if (invocation.IsSet(QStringLiteral("json"))) {
            PrintJson(QJsonDocument(StatusJson(status)));
        }
        if (invocation.IsSet(kMetrics)) {
            WriteWhole(invocation.Value(kMetrics), MetricsText(plant, status));
        }
    } catch (const TarnError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    return unhealthy ? kExitDifferent : kExitSuccess;
}

} // namespace

Command StatusCommand() {
    Command command;
    command.name = QStringLiteral("status");
    command.usages = {
        QStringLiteral("status PLANT.json --repo DIR [--max-age HOURS] [--json] [--metrics FILE]")};
    command.summary = TarnctlText::tr("每一軸的備份狀況：上次完整備份、上次失敗、和發行版的差異");
    command.description = TarnctlText::tr(
        "從 backup 寫在 DIR/.git/tarn/runs.jsonl 的執行紀錄（每次備份每軸一行，不會提交）\n"
        "每軸列出一行：上次完整備份的時間、距今幾小時和提交，上次失敗的時間和原因，\n"
        "有沒有發行版和幾個參數和發行版不同（同 drift）。紀錄中斷在一行中間或有無法讀取\n"
        "的行時寫出是哪一行，並用其他的行繼續。\n"
        "--json：{\"axes\":[{\"axis\",\"lastRun\",\"lastComplete\":{\"time\",\"commit\"},\n"
        "\"lastFailure\":{\"time\",\"reason\"},\"released\",\"drift\",\"ageHours\"}]}。\n"
        "--metrics FILE 寫出 node exporter 文字檔收集器的格式（整個檔案一次換上）：\n"
        "tarn_axis_last_success_timestamp_seconds、tarn_axis_up、tarn_axis_drift_parameters、\n"
        "tarn_backup_duration_seconds，標籤 plant、machine、axis。\n"
        "結束碼：0 正常；1 有軸上次沒有完整讀到、從未讀到，或上次完整備份比 --max-age\n"
        "小時舊（給監控系統檢查）；2 用法錯誤；5 廠區檔或儲存庫被拒絕。");
    command.options = {
        QCommandLineOption(kRepo, TarnctlText::tr("備份的 git 儲存庫資料夾"),
                           QStringLiteral("DIR")),
        QCommandLineOption(kMaxAge, TarnctlText::tr("上次完整備份最多幾小時前（正數）"),
                           QStringLiteral("HOURS")),
        JsonOption(),
        QCommandLineOption(kMetrics, TarnctlText::tr("寫出指標到這個檔案"), QStringLiteral("FILE")),
    };
    command.examples = {QStringLiteral("tarnctl status plant.json --repo backup --max-age 26"),
                        QStringLiteral("tarnctl status plant.json --repo backup --metrics "
                                       "/var/lib/prometheus/node-exporter/tarn.prom")};
    command.ports = PortUse::None;
    command.run = RunStatus;
    return command;
}
