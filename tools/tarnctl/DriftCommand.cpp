#include "Command.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "Hooks.h"
#include "Output.h"
#include "PlantPorts.h"
#include "TarnctlText.h"
#include "backup/PlantBackup.h"
#include "backup/PlantRelease.h"

// tarnctl drift PLANT.json --repo DIR: what differs from the released
// settings, in the last backup or (--live) in the drives now.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kLive = QStringLiteral("live");

struct DriftRun {
    QString plant;
    std::vector<AxisDrift> drift;
    QStringList failures; // "M01/X: <why>", --live only
    QStringList failed;   // their axes
};

// The drives read as a backup reads them; an axis that gave no whole read
// has no values and a failure.
std::vector<std::optional<ParameterValues>> ReadLive(const Invocation& invocation,
                                                     const Plant& plant, DriftRun& run) {
    const PlantRead read =
        ReadPlantDrives(PlantPorts(plant, invocation.arguments.first(), invocation.link),
                        TarnctlText::tr("已中斷"));
    std::vector<std::optional<ParameterValues>> live(read.readings.size());
    for (size_t i = 0; i < live.size(); ++i) {
        for (const QString& error : read.reports[i].errors) {
            // As backup and every command of several drives say it.
            run.failures << LineOf(plant.axes[i].Path(), error);
        }
        if (read.reports[i].exitCode == kExitSuccess) {
            live[i] = read.readings[i].values;
        } else {
            run.failed << plant.axes[i].Path();
        }
    }
    return live;
}

int RunDrift(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(
            TarnctlText::tr("drift 需要一個廠區檔（例如 drift plant.json --repo 備份）"));
    }
    if (invocation.Value(kRepo).isEmpty()) {
        throw UsageError(TarnctlText::tr("drift 需要 --repo 資料夾"));
    }
    DriftRun run;
    try {
        const Plant plant = ReadPlantFile(invocation.arguments.first());
        run.plant = plant.name;
        const GitRepository repo(invocation.Value(kRepo));
        repo.RequireExists();
        if (!invocation.IsSet(kLive)) {
            run.drift = PlantDrift(repo, plant);
        } else {
            const auto released = ReleasedValues(repo, plant);
            run.drift = LiveDrift(plant, released, ReadLive(invocation, plant, run));
        }
    } catch (const TarnError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    bool differs = false;
    for (const AxisDrift& axis : run.drift) {
        differs = differs || !axis.differences.empty();
        if (!invocation.IsSet(QStringLiteral("json"))) {
            for (const QString& line : axis.Lines(CurrentLanguage())) {
                PrintOut(line);
            }
        }
    }
    if (invocation.IsSet(QStringLiteral("json"))) {
        PrintJson(QJsonDocument(DriftJson(run.drift)));
    }
    for (const QString& failure : run.failures) {
        PrintErr(failure);
    }
    RunDriftHooks(invocation, run.plant, GitRepository(invocation.Value(kRepo)).Folder(), run.drift,
                  run.failed, run.failures);
    return !run.failures.isEmpty() ? kExitDrive : differs ? kExitDifferent : kExitSuccess;
}

} // namespace

Command DriftCommand() {
    Command command;
    command.name = QStringLiteral("drift");
    command.usages = {QStringLiteral(
        "drift PLANT.json --repo DIR [--live] [--json] [--on-drift CMD] [--on-failed CMD]")};
    command.summary = TarnctlText::tr("列出和發行版不同的參數");
    command.description = TarnctlText::tr(
        "每一軸最後一次備份的值（--live：驅動器現在的值，只讀取，同 backup 的讀取和廠區檔\n"
        "的通訊設定）和發行版（tarnctl release）不同的參數，每個一行，例如\n"
        "「M01/X Pn100 KVP1 發行 400 → 目前 500 0.1Hz」；沒有發行版的軸寫「M02/Z 沒有發行版」，\n"
        "沒有備份的軸寫「M02/Z 沒有備份」。廠區檔 ignore 列出的參數不比較。\n"
        "--json：{\"axes\":[{\"axis\",\"released\",\"compared\",\"differences\":[{\"number\",\n"
        "\"description\",\"released\",\"current\",\"releasedText\",\"currentText\",\"unit\"}]}]}"
        "；\n"
        "compared 是 false（沒有發行版、沒有備份或驅動器沒有回應）的軸沒有比較，differences "
        "是空的。\n"
        "--on-drift CMD：有不同時，--on-failed CMD：有軸沒有回應時（--live），執行 CMD，\n"
        "標準輸入是不同的參數行或失敗的軸。\n");
    command.description +=
        HookHelp() +
        TarnctlText::tr("結束碼：0 沒有不同，1 有不同，2 用法錯誤，3 有軸沒有回應（--live），\n"
                        "5 廠區檔或儲存庫被拒絕。");
    command.options = {
        QCommandLineOption(kRepo, TarnctlText::tr("備份的 git 儲存庫資料夾"),
                           QStringLiteral("DIR")),
        QCommandLineOption(kLive, TarnctlText::tr("讀取驅動器現在的值來比較")),
        JsonOption(),
        HookOption(QStringLiteral("drift")),
        HookOption(QStringLiteral("failed")),
    };
    command.examples = {QStringLiteral("tarnctl drift plant.json --repo backup"),
                        QStringLiteral("tarnctl drift plant.json --repo backup --live --json")};
    command.ports = PortUse::None;
    command.linkOptions = true;
    command.run = RunDrift;
    return command;
}
