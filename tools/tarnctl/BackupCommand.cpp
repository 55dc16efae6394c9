#include "Command.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "Output.h"
#include "ParameterWords.h"
#include "PlantPorts.h"
#include "PlantRepository.h"
#include "files/TransferResult.h"
#include "files/ParameterFile.h"
#include "files/PlantFile.h"

#include <QDir>
#include <QFile>
#include <optional>

// tarnctl backup PLANT.json --repo DIR: every axis read at once, each
// axis's file written as 儲存檔案 writes it, one commit of what changed.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kPush = QStringLiteral("push");
const QString kJobs = QStringLiteral("jobs");
const QString kAuthor = QStringLiteral("author");

enum class AxisState { First, Changed, Same, Failed };

struct AxisOutcome {
    AxisState state = AxisState::Failed;
    QStringList lines; // for the commit message, each led by the axis
};

// What a backup needs before it reads any drive; everything in it has been
// checked, so a refusal comes before the drives are touched.
struct BackupPlan {
    Plant plant;
    std::vector<DrivePort> ports;
    QString repoFolder;
    GitIdentity author;
    GitIdentity committer;
    size_t jobs = 0;
    std::unique_ptr<RepositoryLock> lock; // held until the run ends
};

size_t JobsOption(const Invocation& invocation) {
    if (!invocation.IsSet(kJobs)) {
        return 0;
    }
    bool ok = false;
    const uint jobs = invocation.Value(kJobs).toUInt(&ok);
    if (!ok || jobs == 0) {
        throw UsageError(QStringLiteral("--jobs 要是正整數：%1").arg(invocation.Value(kJobs)));
    }
    return jobs;
}

BackupPlan Prepare(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(
            QStringLiteral("backup 需要一個廠區檔（例如 backup plant.json --repo 備份）"));
    }
    if (invocation.Value(kRepo).isEmpty()) {
        throw UsageError(QStringLiteral("backup 需要 --repo 資料夾"));
    }
    if (invocation.Value(kPush).startsWith(QLatin1Char('-'))) {
        throw UsageError(
            QStringLiteral("--push 要是遠端的名稱、網址或路徑：%1").arg(invocation.Value(kPush)));
    }
    std::optional<GitIdentity> author;
    if (invocation.IsSet(kAuthor)) {
        author = GitIdentity::Parse(invocation.Value(kAuthor));
        if (!author) {
            throw UsageError(QStringLiteral("--author 要寫成 \"姓名 <email>\"：%1")
                                 .arg(invocation.Value(kAuthor)));
        }
    }
    BackupPlan plan;
    plan.jobs = JobsOption(invocation);
    const QString plantFile = invocation.arguments.first();
    plan.plant = ReadPlantFile(plantFile);
    plan.ports = PlantPorts(plan.plant, plantFile, invocation.link);
    PlantRepository repo(invocation.Value(kRepo));
    plan.lock = repo.Prepare(plan.plant);
    plan.repoFolder = repo.Folder();
    plan.committer = repo.Identity();
    plan.author = author ? *author : plan.committer;
    return plan;
}

// The values each axis gave whole; an axis that gave none or only some
// fails its report and keeps its file.
std::vector<std::optional<ParameterValues>> ReadAxes(const BackupPlan& plan,
                                                     std::vector<DriveReport>& reports) {
    std::vector<std::optional<ParameterValues>> values(plan.ports.size());
    reports = RunOnDrives(
        plan.ports,
        [&](DriveSession& session, DriveReport& report) {
            const ParameterValues read =
                ReadWholeDrive(session, QStringLiteral("已中斷，沒有提交"));
            const QList<quint16> withoutValue = ParametersWithoutValue(read);
            if (NothingAnswered(withoutValue)) {
                report.Fail(kExitDrive, QStringLiteral("驅動器沒有回應，檔案未更新"));
            } else if (!withoutValue.isEmpty()) {
                report.Fail(kExitDrive,
                            QStringLiteral("%1 個參數沒有讀到數值（第一個 %2），檔案未更新")
                                .arg(withoutValue.size())
                                .arg(PnName(withoutValue.first())));
            } else {
                values[session.Index()] = read;
            }
        },
        plan.jobs);
    return values;
}

// Writes the axis's file when its values differ from the file it has.
AxisOutcome StoreAxis(const QString& repoFolder, const PlantAxis& axis,
                      const ParameterValues& values) {
    const QString fileName = QDir(repoFolder).filePath(axis.FilePath());
    AxisOutcome outcome;
    QFile existing(fileName);
    if (!existing.exists()) {
        outcome.state = AxisState::First;
        outcome.lines << axis.Path() + QStringLiteral(" 首次備份");
    } else {
        if (!existing.open(QIODevice::ReadOnly)) {
            throw EFileError(
                QStringLiteral("無法開啟 %1：%2").arg(fileName, existing.errorString()));
        }
        if (existing.readAll() == ParameterFileBytes(values)) {
            outcome.state = AxisState::Same;
            return outcome;
        }
        outcome.state = AxisState::Changed;
        try {
            for (const QString& line : ChangedParameterLines(ReadParameterFile(fileName), values)) {
                outcome.lines << axis.Path() + QLatin1Char(' ') + line;
            }
        } catch (const EFileError&) {
            outcome.lines << axis.Path() + QStringLiteral(" 取代無法讀取的檔案");
        }
    }
    QDir().mkpath(QDir(repoFolder).filePath(axis.machine));
    WriteParameterFile(fileName, values);
    return outcome;
}

QString CommitMessage(const Plant& plant, const std::vector<AxisOutcome>& outcomes,
                      const std::vector<DriveReport>& reports) {
    int counts[4] = {0, 0, 0, 0};
    QStringList body;
    QStringList silent;
    for (size_t i = 0; i < outcomes.size(); ++i) {
        ++counts[int(outcomes[i].state)];
        body << outcomes[i].lines;
        if (outcomes[i].state == AxisState::Failed) {
            silent << QStringLiteral("%1 無回應：%2")
                          .arg(plant.axes[i].Path(), reports[i].errors.value(0));
        }
    }
    QString subject = QStringLiteral("備份 %1：").arg(plant.name);
    if (counts[int(AxisState::First)] > 0) {
        subject += QStringLiteral("%1 軸首次備份，").arg(counts[int(AxisState::First)]);
    }
    subject += QStringLiteral("%1 軸變更，%2 軸無回應，%3 軸相同")
                   .arg(counts[int(AxisState::Changed)])
                   .arg(counts[int(AxisState::Failed)])
                   .arg(counts[int(AxisState::Same)]);
    body << silent;
    return body.isEmpty() ? subject
                          : subject + QStringLiteral("\n\n") + body.join(QLatin1Char('\n'));
}

int StoreAndCommit(const BackupPlan& plan,
                   const std::vector<std::optional<ParameterValues>>& values,
                   const std::vector<DriveReport>& reports, const PlantRepository& repo,
                   std::vector<AxisOutcome>& outcomes, QStringList& changedPaths);

// Writes the files, commits what changed; returns the exit code so far.
// When a step fails, the files written are put back as last committed.
int CommitOrRestore(const BackupPlan& plan,
                    const std::vector<std::optional<ParameterValues>>& values,
                    const std::vector<DriveReport>& reports) {
    PlantRepository repo(plan.repoFolder);
    std::vector<AxisOutcome> outcomes(values.size());
    QStringList changedPaths;
    int code = kExitSuccess;
    try {
        code = StoreAndCommit(plan, values, reports, repo, outcomes, changedPaths);
    } catch (const TarnError& error) {
        // Nothing half done stays: the next run finds the files committed.
        repo.RestoreCommitted(changedPaths);
        throw GitError(QStringLiteral("提交失敗，檔案已還原為上次提交的內容：") + error.Text());
    }
    return code;
}

int StoreAndCommit(const BackupPlan& plan,
                   const std::vector<std::optional<ParameterValues>>& values,
                   const std::vector<DriveReport>& reports, const PlantRepository& repo,
                   std::vector<AxisOutcome>& outcomes, QStringList& changedPaths) {
    int code = kExitSuccess;
    for (size_t i = 0; i < values.size(); ++i) {
        const PlantAxis& axis = plan.plant.axes[i];
        if (values[i]) {
            outcomes[i] = StoreAxis(plan.repoFolder, axis, *values[i]);
            if (outcomes[i].state != AxisState::Same) {
                changedPaths << axis.FilePath();
            }
        }
        for (const QString& error : reports[i].errors) {
            PrintErr(axis.Path() + QStringLiteral(": ") + error);
        }
        code = std::max(code, reports[i].exitCode);
    }
    // Only beside a plant file: a run that changed none commits nothing.
    if (!changedPaths.isEmpty() && repo.WriteAttributes()) {
        changedPaths << PlantRepository::kAttributesFile;
    }
    const QString message = CommitMessage(plan.plant, outcomes, reports);
    if (changedPaths.isEmpty()) {
        PrintOut(
            QStringLiteral("沒有變更，未提交（%1）").arg(message.section(QLatin1Char('\n'), 0, 0)));
        return code;
    }
    const QString commit =
        repo.Git().CommitPaths(changedPaths, message, plan.author, plan.committer);
    PrintOut(QStringLiteral("已提交 %1 %2").arg(commit.left(10), message));
    return std::max(code, int(kExitDifferent));
}

int RunBackup(const Invocation& invocation) {
    BackupPlan plan;
    try {
        plan = Prepare(invocation);
    } catch (const UsageError&) {
        throw;
    } catch (const TarnError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    std::vector<DriveReport> reports;
    const auto values = ReadAxes(plan, reports);
    for (const DriveReport& report : reports) {
        if (report.exitCode == kExitInterrupted) {
            PrintErr(QStringLiteral("tarnctl: 已中斷，沒有提交"));
            return kExitInterrupted;
        }
    }
    int code = kExitSuccess;
    try {
        code = CommitOrRestore(plan, values, reports);
    } catch (const TarnError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    if (invocation.IsSet(kPush)) {
        const QString remote = invocation.Value(kPush);
        if (const auto refused = GitRepository(plan.repoFolder).Push(remote)) {
            PrintErr(QStringLiteral("tarnctl: 推送到 %1 失敗，本機的提交保留：\n%2")
                         .arg(remote, *refused));
            return kExitDrive;
        }
        PrintOut(QStringLiteral("已推送到 %1").arg(remote));
    }
    return code;
}

} // namespace

Command BackupCommand() {
    Command command;
    command.name = QStringLiteral("backup");
    command.usages = {QStringLiteral("backup PLANT.json --repo DIR [--push REMOTE] [--jobs N]")};
    command.summary = QStringLiteral("讀取廠區每一軸，變更的參數檔提交到 git 儲存庫");
    command.description = QStringLiteral(
        "同時讀取廠區檔（見 tarnctl plant --help）列出的每一軸（--jobs N：最多 N 軸同時），\n"
        "每軸寫成 DIR/<機台>/<軸>.tarn（和「儲存檔案」寫的相同），再把有變更的檔案提交成\n"
        "一個 git 提交。提交訊息第一行如「備份 廠A：2 軸變更，1 軸無回應，13 軸相同」，\n"
        "之後每個變更的參數一行（「M01/X Pn100 KVP1 400 → 500 0.1Hz」），最後是沒有回應\n"
        "的軸。沒有變更時不提交。沒有回應或只回應部分參數的軸保留上次提交的檔案。\n"
        "讀取任何驅動器之前先檢查：另一個 tarnctl 正在使用這個儲存庫（鎖定 DIR 資料夾）、\n"
        "git 留下 .git/index.lock 或 .git/HEAD.lock、儲存庫中廠區的 .tarn 檔與\n"
        ".gitattributes 有未提交的修改時拒絕（結束碼 5）。提交的某一步失敗時，寫入的檔案\n"
        "還原為上次提交的內容，並寫出失敗的步驟和 git 的完整訊息（結束碼 5）。DIR 不是儲存庫時以 git init 建立，寫入 .gitattributes\n"
        "（*.tarn diff=tarn）並在儲存庫設定 diff.tarn.textconv 為「tarnctl show --textconv」，讓\n"
        "git log -p 和 git diff 以參數的文字顯示變更。儲存庫中其他檔案一律不動。\n"
        "作者取自 git 設定的 user.name、user.email，沒有時為 tarnctl <tarnctl@主機名>；\n"
        "--author 可指定。--push REMOTE 之後推送目前的分支（沒有新提交時也推送，先前未推送\n"
        "的提交一起送出）；被拒絕時本機提交保留並說明原因。\n"
        "--timing、--timeout 是廠區檔中沒有指定的軸的預設值。\n"
        "結束碼：0 沒有變更，1 已提交變更，3 有軸失敗或推送失敗（能提交的仍會提交），\n"
        "2 用法錯誤，5 廠區檔或儲存庫被拒絕。");
    command.options = {
        QCommandLineOption(kRepo, QStringLiteral("git 儲存庫的資料夾（沒有時建立）"),
                           QStringLiteral("DIR")),
        QCommandLineOption(kPush, QStringLiteral("提交後推送到這個遠端（名稱、網址或路徑）"),
                           QStringLiteral("REMOTE")),
        QCommandLineOption(kJobs, QStringLiteral("最多同時讀取的軸數（預設全部）"),
                           QStringLiteral("N")),
        QCommandLineOption(kAuthor, QStringLiteral("提交的作者，\"姓名 <email>\""),
                           QStringLiteral("AUTHOR")),
    };
    command.examples = {
        QStringLiteral("tarnctl backup plant.json --repo /srv/plant-backup"),
        QStringLiteral("tarnctl backup plant.json --repo backup --timing reply --push origin"),
        QStringLiteral(
            "tarnctl backup plant.json --repo backup --author \"王小明 <ming@example.com>\"")};
    command.ports = PortUse::None;
    command.linkOptions = true;
    command.run = RunBackup;
    return command;
}
