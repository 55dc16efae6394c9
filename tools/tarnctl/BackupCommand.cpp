#include "Command.h"
#include "ExitCode.h"
#include "Hooks.h"
#include "Output.h"
#include "PlantPorts.h"
#include "PushOption.h"
#include "TarnctlText.h"
#include "backup/PlantRelease.h"

// tarnctl backup PLANT.json --repo DIR: every axis read at once, a commit.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kJobs = QStringLiteral("jobs");
const QString kAuthor = QStringLiteral("author");

// Everything checked before any drive is read; the repository is taken.
std::unique_ptr<PlantBackup> Prepare(const Invocation& invocation, std::vector<DrivePort>& ports,
                                     size_t& jobs) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(
            TarnctlText::tr("backup 需要一個廠區檔（例如 backup plant.json --repo 備份）"));
    }
    if (invocation.Value(kRepo).isEmpty()) {
        throw UsageError(TarnctlText::tr("backup 需要 --repo 資料夾"));
    }
    PushRemote(invocation); // refused before anything is read or written
    std::optional<GitIdentity> author;
    if (invocation.IsSet(kAuthor) && !(author = GitIdentity::Parse(invocation.Value(kAuthor)))) {
        throw UsageError(
            TarnctlText::tr("--author 要寫成 \"姓名 <email>\"：%1").arg(invocation.Value(kAuthor)));
    }
    if (invocation.IsSet(kJobs) && (jobs = invocation.Value(kJobs).toUInt()) == 0) {
        throw UsageError(TarnctlText::tr("--jobs 要是正整數：%1").arg(invocation.Value(kJobs)));
    }
    const QString plantFile = invocation.arguments.first();
    Plant plant = ReadPlantFile(plantFile);
    ports = PlantPorts(plant, plantFile, invocation.link);
    return std::make_unique<PlantBackup>(std::move(plant), invocation.Value(kRepo), author);
}

// Reads every axis, then stores and commits what each gave whole (an axis
// that gave none or only some fails); returns the exit code so far.
int BackUp(const PlantBackup& backup, const std::vector<DrivePort>& ports, size_t jobs,
           BackupCommit& done) {
    const QString interrupted = TarnctlText::tr("已中斷，沒有提交");
    const PlantRead read = [&] {
        const RepositoryLanguageScope repositoryWords;
        return ReadPlantDrives(ports, interrupted, jobs);
    }();
    if (read.Interrupted()) {
        PrintErr(TarnctlText::tr("tarnctl: 已中斷，沒有提交"));
        return kExitInterrupted;
    }
    int code = kExitSuccess;
    for (size_t i = 0; i < read.reports.size(); ++i) {
        for (const QString& error : read.reports[i].errors) {
            PrintErr(LineOf(backup.ThePlant().axes[i].Path(), error));
        }
        code = std::max(code, read.reports[i].exitCode);
    }
    done = backup.StoreAndCommit(read.readings);
    PrintOut(done.Summary());
    return done.commit.isEmpty() ? code : std::max(code, int(kExitDifferent));
}

int RunBackup(const Invocation& invocation) {
    std::unique_ptr<PlantBackup> backup;
    int code = kExitSuccess;
    BackupCommit done;
    try {
        std::vector<DrivePort> ports;
        size_t jobs = 0;
        backup = Prepare(invocation, ports, jobs);
        if ((code = BackUp(*backup, ports, jobs, done)) == kExitInterrupted) {
            return code;
        }
    } catch (const UsageError&) {
        throw;
    } catch (const TarnError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    if (const QString remote = PushRemote(invocation); !remote.isEmpty()) {
        if (const auto refused = PushBackups(backup->Repository().Git(), remote)) {
            PrintErr(QStringLiteral("tarnctl: ") + *refused);
            return kExitDrive;
        }
        PrintOut(TarnctlText::tr("已推送到 %1").arg(remote));
    }
    // After the lock is let go: a hook may run tarnctl on the repository.
    const QString plant = backup->ThePlant().name;
    const QString repo = backup->Repository().Folder();
    backup.reset();
    RunBackupHooks(invocation, plant, repo, done, code == kExitDrive);
    return code;
}

} // namespace

Command BackupCommand() {
    Command command;
    command.name = QStringLiteral("backup");
    command.usages = {
        QStringLiteral("backup PLANT.json --repo DIR [--push REMOTE] [--jobs N] [--on-changed CMD] "
                       "[--on-failed CMD]")};
    command.summary = TarnctlText::tr("讀取廠區每一軸，變更的參數檔提交到 git 儲存庫");
    command.description = TarnctlText::tr(
        "同時讀取廠區檔（見 tarnctl plant --help）列出的每一軸（--jobs N：最多 N 軸同時），\n"
        "每軸寫成 DIR/<機台>/<軸>.tarn（和「儲存檔案」寫的相同），再把有變更的檔案提交成\n"
        "一個 git 提交。提交訊息第一行如「備份 廠A：2 軸變更，1 軸無回應，13 軸相同」，\n"
        "之後每個變更的參數一行（「M01/X Pn100 KVP1 400 → 500 0.1Hz」），最後是沒有回應\n"
        "的軸。沒有變更時不提交。沒有回應或只回應部分參數的軸保留上次提交的檔案。\n"
        "讀取任何驅動器之前先檢查：另一個 tarnctl 正在使用這個儲存庫（鎖定 DIR 資料夾）、\n"
        "git 留下 .git/index.lock 或 .git/HEAD.lock、儲存庫中廠區的 .tarn 檔與\n"
        ".gitattributes 有未提交的修改時拒絕（結束碼 5）。提交的某一步失敗時，寫入的檔案\n"
        "還原為上次提交的內容，並寫出失敗的步驟和 git 的完整訊息（結束碼 5）。DIR 不是儲存庫時以 "
        "git init 建立，寫入 .gitattributes\n"
        "（*.tarn diff=tarn）並在儲存庫設定 diff.tarn.textconv 為「tarnctl show --textconv」，讓\n"
        "git log -p 和 git diff 以參數的文字顯示變更。儲存庫中其他檔案一律不動。\n"
        "作者取自 git 設定的 user.name、user.email，沒有時為 tarnctl <tarnctl@主機名>；\n"
        "--author 可指定。--push REMOTE 之後推送目前的分支（沒有新提交時也推送，先前未推送\n"
        "的提交一起送出，有 released 分支時一併推送）；被拒絕時本機提交保留並說明原因。\n"
        "--timing、--timeout 是廠區檔中沒有指定的軸的預設值。\n"
        "--on-changed CMD：提交了 ignore 以外的變更後，--on-failed CMD：有軸沒有回應或只回應\n"
        "部分參數時（兩者都有時在 changed 之後）執行 CMD，標準輸入是提交訊息或失敗的軸和原因。\n");
    command.description +=
        HookHelp() +
        TarnctlText::tr(
            "結束碼：0 沒有變更，1 已提交變更，3 有軸失敗或推送失敗（能提交的仍會提交），\n"
            "2 用法錯誤，5 廠區檔或儲存庫被拒絕。");
    command.options = {
        QCommandLineOption(kRepo, TarnctlText::tr("git 儲存庫的資料夾（沒有時建立）"),
                           QStringLiteral("DIR")),
        PushOption(TarnctlText::tr("提交後推送到這個遠端（名稱、網址或路徑）")),
        QCommandLineOption(kJobs, TarnctlText::tr("最多同時讀取的軸數（預設全部）"),
                           QStringLiteral("N")),
        QCommandLineOption(kAuthor, TarnctlText::tr("提交的作者，\"姓名 <email>\""),
                           QStringLiteral("AUTHOR")),
        HookOption(QStringLiteral("changed")),
        HookOption(QStringLiteral("failed")),
    };
    command.examples = {
        QStringLiteral("tarnctl backup plant.json --repo /srv/plant-backup"),
        QStringLiteral("tarnctl backup plant.json --repo backup --timing reply --push origin"),
        TarnctlText::tr(
            "tarnctl backup plant.json --repo backup --author \"王小明 <ming@example.com>\"")};
    command.ports = PortUse::None;
    command.linkOptions = true;
    command.run = RunBackup;
    return command;
}
