#include "Command.h"
#include "ExitCode.h"
#include "Output.h"
#include "ParameterText.h"
#include "TarnctlText.h"
#include "backup/PlantHistory.h"
#include "backup/PlantRelease.h"

#include <optional>

// tarnctl history --repo DIR: every parameter change between successive
// backups of each axis, newest first, from the repository's history.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kAxis = QStringLiteral("axis");
const QString kParam = QStringLiteral("param");
const QString kReleased = QStringLiteral("released");

int RunHistory(const Invocation& invocation) {
    if (!invocation.arguments.isEmpty()) {
        throw UsageError(TarnctlText::tr("history 不需要引數（用 --repo、--axis、--param）"));
    }
    if (invocation.Value(kRepo).isEmpty()) {
        throw UsageError(TarnctlText::tr("history 需要 --repo 資料夾"));
    }
    const QString axis = invocation.Value(kAxis);
    if (invocation.IsSet(kAxis)) {
        const QStringList parts = axis.split(QLatin1Char('/'));
        if (parts.size() != 2 || !IsSafePlantName(parts[0]) || !IsSafePlantName(parts[1])) {
            throw UsageError(TarnctlText::tr("--axis 要寫成 機台/軸（例如 M01/X）：%1").arg(axis));
        }
    }
    if (invocation.IsSet(kReleased) && (invocation.IsSet(kAxis) || invocation.IsSet(kParam))) {
        throw UsageError(TarnctlText::tr("--released 不和 --axis、--param 一起使用"));
    }
    std::optional<quint16> only;
    if (invocation.IsSet(kParam)) {
        only = ParameterArgument(invocation.Value(kParam));
    }
    try {
        const GitRepository repo(invocation.Value(kRepo));
        repo.RequireExists();
        // Names compared exactly, as restore compares them with the plant's.
        if (invocation.IsSet(kAxis) && !RepositoryHeldAxis(repo, axis)) {
            throw UsageError(
                NoSuchAxisMessage(TarnctlText::tr("儲存庫 %1").arg(repo.Folder()), axis));
        }
        if (invocation.IsSet(kReleased)) {
            for (const Release& release : Releases(repo)) {
                PrintOut(release.Line());
            }
            return kExitSuccess;
        }
        for (const ParameterChange& change : ParameterChanges(repo, axis, only)) {
            PrintOut(change.Line(CurrentLanguage()));
        }
    } catch (const GitError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    return kExitSuccess;
}

} // namespace

Command HistoryCommand() {
    Command command;
    command.name = QStringLiteral("history");
    command.usages = {QStringLiteral("history --repo DIR [--axis M01/X] [--param 100]"),
                      QStringLiteral("history --repo DIR --released")};
    command.summary = TarnctlText::tr("從備份儲存庫的歷史列出參數的變更，最新的在前");
    command.description = TarnctlText::tr(
        "讀取 tarnctl backup 的儲存庫歷史，同一軸前後兩次備份之間每個變更的參數一行，\n"
        "最新的在前：日期、提交、機台/軸、編號、說明、舊值 → 新值（表格的顯示值）、單位，\n"
        "例如「2026-12-09 21:50:03 +0800 1a2b3c4d5e M01/X Pn100 KVP1 400 → 500 0.1Hz」。\n"
        "一軸的第一次備份是起點，不算變更。--axis 只列一軸（名稱要完全相同，儲存庫從來\n"
        "沒有這一軸時為用法錯誤，同 restore），--param 只列一個參數。\n"
        "--released 改為列出發行（tarnctl release），最新的在前，例如\n"
        "「2026-12-10 10:00:00 +0800 5448c60842 發行 廠A：M01/X、M01/Y（交機）」。\n"
        "結束碼：0 成功，2 用法錯誤，5 不是儲存庫。");
    command.options = {
        QCommandLineOption(kRepo, TarnctlText::tr("備份的 git 儲存庫資料夾"),
                           QStringLiteral("DIR")),
        QCommandLineOption(kAxis, TarnctlText::tr("只列這一軸（機台/軸）"),
                           QStringLiteral("M01/X")),
        QCommandLineOption(kParam, TarnctlText::tr("只列這個參數"), QStringLiteral("N")),
        QCommandLineOption(kReleased, TarnctlText::tr("列出發行，不列參數的變更")),
    };
    command.examples = {QStringLiteral("tarnctl history --repo backup"),
                        QStringLiteral("tarnctl history --repo backup --axis M01/X --param 100")};
    command.ports = PortUse::None;
    command.run = RunHistory;
    return command;
}
