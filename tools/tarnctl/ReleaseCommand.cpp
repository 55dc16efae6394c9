#include "Command.h"
#include "ExitCode.h"
#include "Output.h"
#include "PushOption.h"
#include "TarnctlText.h"
#include "backup/PlantRelease.h"
#include "backup/PlantRepository.h"
#include "backup/RepositoryLock.h"

// tarnctl release PLANT.json --repo DIR: backed-up files become the
// released ones, on the repository's released branch.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kAxis = QStringLiteral("axis");
const QString kAt = QStringLiteral("at");
const QString kMessage = QStringLiteral("m");

int RunRelease(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(
            TarnctlText::tr("release 需要一個廠區檔（例如 release plant.json --repo 備份）"));
    }
    if (invocation.Value(kRepo).isEmpty()) {
        throw UsageError(TarnctlText::tr("release 需要 --repo 資料夾"));
    }
    PushRemote(invocation); // refused before anything is read or written
    const QStringList axes = invocation.parser.values(kAxis);
    QString commit;
    std::optional<GitRepository> git;
    try {
        const Plant plant = ReadPlantFile(invocation.arguments.first());
        for (const QString& axis : axes) {
            if (!FindAxis(plant, axis)) {
                throw UsageError(NoSuchAxisMessage(
                    TarnctlText::tr("廠區檔 %1").arg(invocation.arguments.first()), axis));
            }
        }
        const PlantRepository repo(invocation.Value(kRepo));
        repo.Git().RequireExists();
        const RepositoryLock lock(repo.Folder());
        git = repo.Git();
        commit = ReleaseAxes(repo.Git(), plant, axes,
                             invocation.IsSet(kAt) ? invocation.Value(kAt) : QStringLiteral("HEAD"),
                             invocation.Value(kMessage), repo.Identity());
    } catch (const UsageError&) {
        throw;
    } catch (const TarnError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    PrintOut(Releases(*git).front().Line());
    if (const QString remote = PushRemote(invocation); !remote.isEmpty()) {
        if (const auto refused = git->PushBranch(remote, kReleasedBranch)) {
            PrintErr(TarnctlText::tr("tarnctl: 推送到 %1 失敗，本機的發行保留：\n%2")
                         .arg(remote, *refused));
            return kExitDrive;
        }
        PrintOut(TarnctlText::tr("已推送到 %1").arg(remote));
    }
    return kExitSuccess;
}

} // namespace

Command ReleaseCommand() {
    Command command;
    command.name = QStringLiteral("release");
    command.usages = {QStringLiteral(
        "release PLANT.json --repo DIR [--axis M01/X]… [--at REV] [-m TEXT] [--push REMOTE]")};
    command.summary = TarnctlText::tr("把備份的參數檔記為發行版（交機時的設定）");
    command.description = TarnctlText::tr(
        "把備份 REV（預設最後一次備份）中各軸的檔案記為發行版：在儲存庫的 released 分支\n"
        "上提交一次，樹中有每個發行過的軸的檔案；沒有指定的軸保留先前發行的檔案。\n"
        "--axis 只發行這幾軸（可重複），沒有時發行廠區檔的每一軸。提交的標題如\n"
        "「發行 廠A：M01/X、M01/Y（交機）」，括號中是 -m 的文字。工作目錄、索引和目前\n"
        "的分支都不動；執行時鎖定儲存庫（同 backup）。REV 不是目前分支上的備份、備份中\n"
        "沒有某軸的檔案、released 分支被手動移到不是發行的提交時拒絕。--push 之後推送\n"
        "released 分支。tarnctl drift 比較目前的值和發行版，history --released 列出發行。\n"
        "結束碼：0 已發行，2 用法錯誤，3 推送失敗，5 廠區檔或儲存庫被拒絕。");
    command.options = {
        QCommandLineOption(kRepo, TarnctlText::tr("備份的 git 儲存庫資料夾"),
                           QStringLiteral("DIR")),
        QCommandLineOption(kAxis, TarnctlText::tr("只發行這一軸（機台/軸，可重複）"),
                           QStringLiteral("M01/X")),
        QCommandLineOption(kAt, TarnctlText::tr("發行這個版本的備份（預設最後一次）"),
                           QStringLiteral("REV")),
        QCommandLineOption(kMessage, TarnctlText::tr("寫在發行標題括號中的文字"),
                           QStringLiteral("TEXT")),
        PushOption(TarnctlText::tr("發行後推送 released 分支到這個遠端")),
    };
    command.examples = {
        TarnctlText::tr("tarnctl release plant.json --repo backup -m 交機"),
        QStringLiteral("tarnctl release plant.json --repo backup --axis M01/X --at HEAD~1")};
    command.ports = PortUse::None;
    command.run = RunRelease;
    return command;
}
