#include "Command.h"
#include "ExitCode.h"
#include "Output.h"
#include "ParameterText.h"
#include "TarnctlText.h"
#include "backup/PlantRelease.h"

// tarnctl query --repo DIR N…: parameters across every axis backed up,
// beside their released values.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kAt = QStringLiteral("at");

int RunQuery(const Invocation& invocation) {
    if (invocation.arguments.isEmpty()) {
        throw UsageError(TarnctlText::tr("query 需要參數編號（例如 query --repo 備份 100 101）"));
    }
    if (invocation.Value(kRepo).isEmpty()) {
        throw UsageError(TarnctlText::tr("query 需要 --repo 資料夾"));
    }
    QList<quint16> numbers;
    for (const quint16 number : ParameterArguments(invocation.arguments)) {
        numbers << number;
    }
    try {
        const GitRepository repo(invocation.Value(kRepo));
        repo.RequireExists();
        const std::vector<QueryRow> rows = QueryAxes(
            repo, numbers, invocation.IsSet(kAt) ? invocation.Value(kAt) : QStringLiteral("HEAD"));
        if (invocation.IsSet(QStringLiteral("json"))) {
            PrintJson(QJsonDocument(QueryJson(rows)));
        } else {
            for (const QueryRow& row : rows) {
                PrintOut(row.Line(CurrentLanguage()));
            }
        }
    } catch (const TarnError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    return kExitSuccess;
}

} // namespace

Command QueryCommand() {
    Command command;
    command.name = QStringLiteral("query");
    command.usages = {QStringLiteral("query --repo DIR N… [--at REV] [--json]")};
    command.summary = TarnctlText::tr("列出每一軸的這些參數和發行版的值");
    command.description = TarnctlText::tr(
        "備份 REV（預設最後一次）中每一軸的檔案，每軸每個參數一行：機台/軸、編號、說明、\n"
        "值和單位，再寫發行版的值，和發行版不同時最後加 ≠，例如\n"
        "「M01/X Pn100 KVP1 500 0.1Hz 發行 400 ≠」；沒有發行版的軸寫「發行 —」。\n"
        "用來找出哪些軸的某個參數和其他軸不同。\n"
        "--json：{\"rows\":[{\"axis\",\"number\",\"description\",\"current\",\"currentText\",\n"
        "\"released\",\"releasedText\",\"unit\",\"differs\"}]}。\n"
        "結束碼：0 成功，2 用法錯誤，5 不是儲存庫或版本不存在。");
    command.options = {
        QCommandLineOption(kRepo, TarnctlText::tr("備份的 git 儲存庫資料夾"),
                           QStringLiteral("DIR")),
        QCommandLineOption(kAt, TarnctlText::tr("這個版本的備份（預設最後一次）"),
                           QStringLiteral("REV")),
        JsonOption(),
    };
    command.examples = {QStringLiteral("tarnctl query --repo backup 100"),
                        QStringLiteral("tarnctl query --repo backup 100 101 --at HEAD~3 --json")};
    command.ports = PortUse::None;
    command.run = RunQuery;
    return command;
}
