#include "Command.h"
#include "DriveFiles.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "LoadJob.h"
#include "Output.h"
#include "ParameterText.h"
#include "catalogue/SheetRanges.h"
#include "compare/CompareTexts.h"
#include "compare/Comparison.h"
#include "drive/WriteAndVerify.h"
#include "drive/Drive.h"
#include "drive/WriteRule.h"
#include "drive/DriveTransfer.h"
#include "files/ParameterFile.h"
#include "link/DriveLink.h"
#include "values/ValueText.h"

#include <QJsonArray>
#include <QSet>

// tarnctl load FILE: the whole-file check, then the writes of 載入檔案;
// --changed-only writes only what differs from the drive, --verify reads
// every written parameter back.

namespace {

const QString kChangedOnly = QStringLiteral("changed-only");
const QString kVerify = QStringLiteral("verify");
const QString kForce = QStringLiteral("force");
const QString kJson = QStringLiteral("json");

struct LoadPlan {
    ParameterValues values; // the drive's file, checked whole
    bool changedOnly = false;
    bool verify = false;
    bool force = false;
};

// The parameters to write with --changed-only, as the comparison window
// lists them: those that differ and that a load sends. Whether their values
// keep within their rules is judged with the rest of the run.
QSet<quint16> ChangedParameters(const LoadPlan& plan, DriveSession& session) {
    const ParameterValues drive =
        ReadWholeDrive(session, QStringLiteral("已中斷，沒有寫入任何參數"));
    QSet<quint16> changed;
    for (const CompareRow& row : CompareValues(drive, plan.values)) {
        if (row.writable) {
            changed.insert(row.number);
        }
    }
    return changed;
}

// Values outside their rule, listed as 載入檔案 lists them; true when the
// run may go on (none, or --force).
bool WithinRules(const LoadPlan& plan, const std::optional<QSet<quint16>>& only,
                 DriveSession& session, DriveReport& report) {
    const std::vector<RuleBreak> outside =
        session.TheDrive().OutsideRule(LoadWrites(plan.values, only));
    if (outside.empty() || plan.force) {
        return true;
    }
    report.Fail(kExitValueRefused,
                QStringLiteral("以下參數超出允許範圍，沒有寫入任何參數（--force 仍然寫入）："));
    for (const QString& line : RuleBreakLines(outside)) {
        report.errors << line;
    }
    return false;
}

// Reads back every written parameter; those that do not hold the written
// value fail the report. Returns how many do not.
int Verify(const LoadPlan& plan, const QList<quint16>& written, DriveSession& session,
           DriveReport& report) {
    QJsonArray notHeld;
    for (const quint16 number : written) {
        session.Progress(QStringLiteral("核對 Pn%1xx").arg(number / 100));
        if (session.StopRequested()) {
            report.Fail(kExitInterrupted, QStringLiteral("核對已中斷"));
            break;
        }
        const QString expected = plan.values[size_t(SlotOf(number))];
        const QString actual = session.Link().Read(number);
        if (!ValuesEqual(expected, actual)) {
            report.Fail(kExitDrive, ReadBackMismatchText(number, expected, actual));
            notHeld << QJsonObject{{"number", number},
                                   {"name", PnName(number)},
                                   {"written", expected},
                                   {"read", actual}};
        }
    }
    report.json.insert(QStringLiteral("notHeld"), notHeld);
    return int(notHeld.size());
}

// What a finished load says holds: how many were written, how many of
// them the read-back did not find, and the restart only when a written
// value is known to be held.
QString LoadSummary(const LoadPlan& plan, int written, int notHeld) {
    if (plan.changedOnly && written == 0) {
        return QStringLiteral("沒有不同的參數，未寫入");
    }
    if (!plan.verify || notHeld == 0) {
        return QStringLiteral("已寫入 %1 個參數，請重開驅動器").arg(written);
    }
    const QString line = QStringLiteral("已寫入 %1 個，讀回不符 %2 個").arg(written).arg(notHeld);
    return written > notHeld ? line + QStringLiteral("，請重開驅動器") : line;
}

void LoadDrive(const LoadPlan& plan, DriveSession& session, DriveReport& report) {
    WriteRunOptions options;
    options.stopRequested = [&] { return session.StopRequested(); };
    options.force = plan.force;
    if (plan.changedOnly) {
        options.only = ChangedParameters(plan, session);
    }
    if (!WithinRules(plan, options.only, session, report)) {
        report.json.insert(QStringLiteral("written"), QJsonArray());
        report.json.insert(QStringLiteral("complete"), false);
        return;
    }
    const LoadResult result = session.TheDrive().Load(
        plan.values,
        [&](int percent) { session.Progress(SheetProgress(QStringLiteral("寫入"), percent)); },
        options);
    QJsonArray written;
    for (const quint16 number : result.written) {
        written << number;
    }
    report.json.insert(QStringLiteral("written"), written);
    report.json.insert(QStringLiteral("complete"), result.complete);
    if (!result.complete) {
        report.Fail(result.stopped ? kExitInterrupted : kExitDrive, LoadStoppedMessage(result));
        return;
    }
    const int notHeld = plan.verify ? Verify(plan, result.written, session, report) : 0;
    report.out << LoadSummary(plan, int(result.written.size()), notHeld);
}

int RunLoad(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(QStringLiteral("load 需要一個參數檔（例如 load machine.tarn）"));
    }
    std::vector<LoadPlan> plans;
    try {
        // Every file checked whole first: a refused one touches no drive.
        for (const ParameterValues& values : FilesOfDrives(invocation)) {
            LoadPlan plan;
            plan.values = values;
            plan.changedOnly = invocation.IsSet(kChangedOnly);
            plan.verify = invocation.IsSet(kVerify);
            plan.force = invocation.IsSet(kForce);
            plans.push_back(plan);
        }
    } catch (const EFileError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    const auto reports = RunOnDrives(invocation.ports, [&](DriveSession& s, DriveReport& r) {
        LoadDrive(plans[s.Index()], s, r);
    });
    return invocation.IsSet(kJson) ? PrintReportsAsJson(invocation.ports, reports)
                                   : PrintReports(invocation.ports, reports);
}

} // namespace

Command LoadCommand() {
    Command command;
    command.name = QStringLiteral("load");
    command.usages = {QStringLiteral("-p PORT load FILE [--changed-only] [--force] [--verify]")};
    command.summary = QStringLiteral("將參數檔寫入驅動器（同視窗程式的載入檔案）");
    command.description = QStringLiteral(
        "先檢查整個參數檔（不合格式的檔案不寫入任何驅動器，結束碼 5），再依視窗程式「載入\n"
        "檔案」的順序寫入（307 個；Pn900、Pn901 不寫，None 與空值不送），遇到第一個未被\n"
        "確認的寫入就停止並說明已寫入哪些參數：「載入已停止：Pn105 寫入失敗；已寫入\n"
        "9 個參數（Pn000 ~ Pn104），驅動器其餘參數未變更」（結束碼 3）。\n"
        "寫入前依編輯規則檢查每個值（範圍依載入完成後的 Pn904：檔案寫入 Pn904 時用\n"
        "檔案的，否則用驅動器的）；有超出範圍的值時列出（顯示值與範圍），不寫入任何\n"
        "參數（結束碼 4），加上 --force 仍然寫入。\n"
        "--changed-only 先讀取驅動器，只寫入和檔案不同的參數。\n"
        "--verify 寫完後讀回每個寫入的參數，列出沒有保持寫入值的參數\n"
        "（「Pn106 讀回 0 %，應為 5 %」，結束碼 3）。\n"
        "檔名有 {port} 時每台驅動器載入自己的檔案（axis-{port}.tarn），否則都載入同一個。\n"
        "Ctrl-C 在進行中的那次寫入之後停止，並說明已寫入哪些參數。");
    command.options = {
        QCommandLineOption(kChangedOnly, QStringLiteral("先讀取驅動器，只寫入不同的參數")),
        QCommandLineOption(kForce, QStringLiteral("超出範圍的值也寫入")),
        QCommandLineOption(kVerify, QStringLiteral("寫完後讀回並核對每個寫入的參數")),
        JsonOption(),
    };
    command.examples = {
        QStringLiteral("tarnctl -p 1 load machine.tarn"),
        QStringLiteral("tarnctl -p 1,2,3,4,5,6 load line-A.tarn --verify"),
        QStringLiteral("tarnctl -p 1,2,3,4,5,6 load machine7-axis-{port}.tarn"),
        QStringLiteral("tarnctl -p /dev/ttyUSB0 load tuned.tarn --changed-only --verify --json")};
    command.run = RunLoad;
    return command;
}

void LoadValuesIntoDrive(const ParameterValues& values, bool verify, bool force,
                         DriveSession& session, DriveReport& report) {
    LoadPlan plan;
    plan.values = values;
    plan.verify = verify;
    plan.force = force;
    LoadDrive(plan, session, report);
}
