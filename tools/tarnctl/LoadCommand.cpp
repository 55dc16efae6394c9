#include "Command.h"
#include "DriveFiles.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "LoadJob.h"
#include "Output.h"
#include "ParameterText.h"
#include "TarnctlText.h"
#include "compare/CompareTexts.h"
#include "drive/Drive.h"

#include <QJsonArray>

// tarnctl load FILE: the whole-file check, then the writes of 載入檔案;
// --changed-only writes only what differs from the drive, --verify reads
// every written parameter back.

namespace {

const QString kChangedOnly = QStringLiteral("changed-only");
const QString kVerify = QStringLiteral("verify");
const QString kForce = QStringLiteral("force");
const QString kJson = QStringLiteral("json");

using LoadPlan = Drive::LoadPlan;

// The values the drive does not hold after their write fail the report.
void TellNotHeld(const Drive::ReadBackResult& held, DriveReport& report) {
    QJsonArray notHeld;
    for (const Drive::ReadBack& value : held.notHeld) {
        report.Fail(kExitDrive, ReadBackMismatchText(value.number, value.expected, value.read));
        notHeld << QJsonObject{{"number", value.number},
                               {"name", PnName(value.number)},
                               {"written", value.expected},
                               {"read", value.read}};
    }
    if (held.stopped) {
        report.Fail(kExitInterrupted, TarnctlText::tr("核對已中斷"));
    }
    report.json.insert(QStringLiteral("notHeld"), notHeld);
}

void LoadDrive(const LoadPlan& plan, DriveSession& session, DriveReport& report) {
    Drive::LoadHooks hooks;
    hooks.reading = [&](int percent) {
        session.Progress(SheetProgress(TarnctlText::tr("讀取"), percent));
    };
    hooks.eachRead = [&](quint16, const QString&) {
        if (session.StopRequested()) {
            throw RunInterrupted{TarnctlText::tr("已中斷，沒有寫入任何參數")};
        }
    };
    hooks.writing = [&](int percent) {
        session.Progress(SheetProgress(TarnctlText::tr("寫入"), percent));
    };
    hooks.checking = [&](quint16 number) {
        session.Progress(TarnctlText::tr("核對 Pn%1xx").arg(number / 100));
    };
    hooks.stop = [&] { return session.StopRequested(); };
    const Drive::LoadRun run = session.TheDrive().LoadPlanned(plan, hooks);
    if (!run.outside.empty()) {
        // Listed as 載入檔案 lists them.
        report.Fail(
            kExitValueRefused,
            TarnctlText::tr("以下參數超出允許範圍，沒有寫入任何參數（--force 仍然寫入）："));
        report.errors << RuleBreakLines(run.outside);
    }
    QJsonArray written;
    for (const quint16 number : run.result.written) {
        written << number;
    }
    report.json.insert(QStringLiteral("written"), written);
    report.json.insert(QStringLiteral("complete"), run.result.complete);
    if (!run.outside.empty()) {
        return;
    }
    if (!run.result.complete) {
        report.Fail(run.result.stopped ? kExitInterrupted : kExitDrive,
                    LoadStoppedMessage(run.result));
        return;
    }
    if (plan.verify) {
        TellNotHeld(run.readBack, report);
    }
    report.out << LoadSummary(plan.changedOnly, plan.verify, int(run.result.written.size()),
                              int(run.readBack.notHeld.size()));
}

int RunLoad(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(TarnctlText::tr("load 需要一個參數檔（例如 load machine.tarn）"));
    }
    std::vector<LoadPlan> plans;
    try {
        // Every file checked whole first: a refused one touches no drive.
        for (const ParameterValues& values : FilesOfDrives(invocation)) {
            plans.push_back({values, invocation.IsSet(kChangedOnly), invocation.IsSet(kVerify),
                             invocation.IsSet(kForce), invocation.arguments.first()});
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
    command.summary = TarnctlText::tr("將參數檔寫入驅動器（同視窗程式的載入檔案）");
    command.description = TarnctlText::tr(
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
        QCommandLineOption(kChangedOnly, TarnctlText::tr("先讀取驅動器，只寫入不同的參數")),
        QCommandLineOption(kForce, TarnctlText::tr("超出範圍的值也寫入")),
        QCommandLineOption(kVerify, TarnctlText::tr("寫完後讀回並核對每個寫入的參數")),
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
    LoadDrive({values, false, verify, force, {}}, session, report);
}
