#include "Command.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "LoadJob.h"
#include "Output.h"
#include "PlantPorts.h"
#include "TarnctlText.h"
#include "backup/PlantHistory.h"

// tarnctl restore PLANT.json --repo DIR --axis M01/X: an axis's file as a
// backup committed it, loaded into its drive (a replaced drive) the way
// `tarnctl load` loads a file.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kAxis = QStringLiteral("axis");
const QString kAt = QStringLiteral("at");
const QString kVerify = QStringLiteral("verify");
const QString kForce = QStringLiteral("force");

int RunRestore(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(TarnctlText::tr(
            "restore 需要一個廠區檔（例如 restore plant.json --repo 備份 --axis M01/X）"));
    }
    if (invocation.Value(kRepo).isEmpty() || invocation.Value(kAxis).isEmpty()) {
        throw UsageError(TarnctlText::tr("restore 需要 --repo 資料夾和 --axis 機台/軸"));
    }
    const QString revision = invocation.IsSet(kAt) ? invocation.Value(kAt) : QStringLiteral("HEAD");
    if (revision.isEmpty() || revision.startsWith(QLatin1Char('-'))) {
        throw UsageError(
            TarnctlText::tr("--at 要是一個版本（提交、分支或標籤）：%1").arg(revision));
    }
    const QString plantFile = invocation.arguments.first();
    std::vector<DrivePort> port;
    ParameterValues values;
    QString axisPath;
    try {
        const Plant plant = ReadPlantFile(plantFile);
        const PlantAxis* axis = FindAxis(plant, invocation.Value(kAxis));
        if (!axis) {
            throw UsageError(NoSuchAxisMessage(TarnctlText::tr("廠區檔 %1").arg(plantFile),
                                               invocation.Value(kAxis)));
        }
        axisPath = axis->Path();
        const std::vector<DrivePort> ports = PlantPorts(plant, plantFile, invocation.link);
        port.push_back(ports[size_t(axis - plant.axes.data())]);
        const GitRepository repo(invocation.Value(kRepo));
        repo.RequireExists();
        const CommittedValues committed = AxisValuesAt(repo, revision, *axis);
        values = committed.values;
        PrintErr(TarnctlText::tr("還原 %1 自 %2").arg(axisPath, committed.commit.left(10)));
    } catch (const UsageError&) {
        throw;
    } catch (const TarnError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    const bool verify = invocation.IsSet(kVerify);
    const bool force = invocation.IsSet(kForce);
    const auto reports = RunOnDrives(port, [&](DriveSession& s, DriveReport& r) {
        LoadValuesIntoDrive(values, verify, force, s, r);
    });
    return PrintReports(port, reports);
}

} // namespace

Command RestoreCommand() {
    Command command;
    command.name = QStringLiteral("restore");
    command.usages = {
        QStringLiteral("restore PLANT.json --repo DIR --axis M01/X [--at REV] [--verify]")};
    command.summary = TarnctlText::tr("把備份儲存庫中一軸的參數檔載入它的驅動器");
    command.description = TarnctlText::tr(
        "取出 tarnctl backup 儲存庫中這一軸在 REV（提交、分支或標籤，預設最新的 HEAD）\n"
        "的參數檔，先整份檢查，再和 tarnctl load 一樣寫入廠區檔中這一軸的驅動器（換上\n"
        "新驅動器之後）：完整載入，遵守載入的規則（--force 和 load --force 相同），\n"
        "--verify 寫完後讀回並核對。\n"
        "結束碼同 load；廠區檔、儲存庫或版本被拒絕為 5。");
    command.options = {
        QCommandLineOption(kRepo, TarnctlText::tr("備份的 git 儲存庫資料夾"),
                           QStringLiteral("DIR")),
        QCommandLineOption(kAxis, TarnctlText::tr("要還原的軸（機台/軸）"),
                           QStringLiteral("M01/X")),
        QCommandLineOption(kAt, TarnctlText::tr("從這個版本還原（預設 HEAD）"),
                           QStringLiteral("REV")),
        QCommandLineOption(kVerify, TarnctlText::tr("寫完後讀回並核對每個寫入的參數")),
        QCommandLineOption(kForce, TarnctlText::tr("不符合規則的值也寫入（同 load --force）")),
    };
    command.examples = {
        QStringLiteral("tarnctl restore plant.json --repo backup --axis M01/X --verify"),
        QStringLiteral("tarnctl restore plant.json --repo backup --axis M01/X --at HEAD~3")};
    command.ports = PortUse::None;
    command.linkOptions = true;
    command.run = RunRestore;
    return command;
}
