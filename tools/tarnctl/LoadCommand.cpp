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
#include "compare/WriteAndVerify.h"
#include "files/DriveTransfer.h"
#include "files/ParameterFile.h"
#include "drive/Drive.h"
#include "values/ValueText.h"
#include "link/DriveLink.h"

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

QString Names(const QList<quint16>& numbers) {
    QStringList names;
    for (const quint16 number : numbers) {
        names << PnName(number);
    }
    return names.join(QStringLiteral("、"));
}

// The parameters to write with --changed-only, as the comparison window
// ticks them: those that differ and pass their rule (Pn904's bounds from
// the drive). Those that differ and fail it are refused in the report,
// unless --force writes them too; a load never sends Pn900, Pn901, "None"
// or an empty value.
QSet<quint16> ChangedParameters(const LoadPlan& plan, DriveSession& session, DriveReport& report) {
    const ParameterValues drive =
        ReadWholeDrive(session, QStringLiteral("已中斷，沒有寫入任何參數"));
    const QString drivePn904 = drive[size_t(SlotOf(kPn904))];
    QSet<quint16> changed;
    for (const CompareRow& row : CompareValues(drive, plan.values)) {
        if (row.state == RowState::OutOfRange && !plan.force) {
            report.Fail(kExitValueRefused,
                        QStringLiteral("%1 %2 不在允許範圍內（%3），未寫入（--force 仍然寫入）")
                            .arg(PnName(row.number), ValueCellText(row.number, row.fileText),
                                 RangeText(row.number, drivePn904)));
        } else if (row.writable) {
            changed.insert(row.number);
        }
    }
    return changed;
}

// Reads back every written parameter; those that do not hold the written
// value fail the report.
void Verify(const LoadPlan& plan, const QList<quint16>& written, DriveSession& session,
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
            // The comparison window's words for a write the drive holds otherwise.
            VerifiedWrite held;
            held.number = number;
            held.written = expected;
            held.readBack = actual;
            held.outcome = VerifyOutcome::ReadBackDiffers;
            report.Fail(kExitDrive, QStringLiteral("%1 %2（寫入 %3）")
                                        .arg(PnName(number), VerifyOutcomeText(held), expected));
            notHeld << QJsonObject{{"number", number},
                                   {"name", PnName(number)},
                                   {"written", expected},
                                   {"read", actual}};
        }
    }
    report.json.insert(QStringLiteral("notHeld"), notHeld);
}

void LoadDrive(const LoadPlan& plan, DriveSession& session, DriveReport& report) {
    WriteRunOptions options;
    options.stopRequested = [&] { return session.StopRequested(); };
    if (plan.changedOnly) {
        options.only = ChangedParameters(plan, session, report);
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
    if (result.stopped) {
        report.Fail(kExitInterrupted, result.written.isEmpty()
                                          ? QStringLiteral("載入已中斷，沒有寫入任何參數")
                                          : QStringLiteral("載入已中斷，已寫入 %1 個參數：%2")
                                                .arg(result.written.size())
                                                .arg(Names(result.written)));
        return;
    }
    if (!result.complete) {
        report.Fail(kExitDrive, LoadStoppedMessage(result.failedNumber));
        return;
    }
    if (plan.verify) {
        Verify(plan, result.written, session, report);
    }
    report.out
        << (plan.changedOnly && result.written.isEmpty()
                ? QStringLiteral("沒有不同的參數，未寫入")
                : QStringLiteral("已寫入 %1 個參數，請重開驅動器").arg(result.written.size()));
}

int RunLoad(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(QStringLiteral("load 需要一個參數檔（例如 load machine.tarn）"));
    }
    if (invocation.IsSet(kForce) && !invocation.IsSet(kChangedOnly)) {
        throw UsageError(QStringLiteral("--force 只和 --changed-only 一起用"));
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
    command.usages = {QStringLiteral("-p PORT load FILE [--changed-only [--force]] [--verify]")};
    command.summary = QStringLiteral("將參數檔寫入驅動器（同視窗程式的載入檔案）");
    command.description = QStringLiteral(
        "先檢查整個參數檔（不合格式的檔案不寫入任何驅動器，結束碼 5），再依視窗程式「載入\n"
        "檔案」的順序寫入（307 個；Pn900、Pn901 不寫，None 與空值不送），遇到第一個未被\n"
        "確認的寫入就停止並顯示「Pn105 寫入失敗，載入已停止」（結束碼 3）。\n"
        "--changed-only 先讀取驅動器，只寫入和檔案不同的參數（和比較視窗的勾選相同）；\n"
        "其中不符合編輯規則的值（範圍依驅動器的 Pn904）不寫入並列出（結束碼 4），\n"
        "加上 --force 也寫入。\n"
        "--verify 寫完後讀回每個寫入的參數，列出沒有保持寫入值的參數（結束碼 3）。\n"
        "檔名有 {port} 時每台驅動器載入自己的檔案（axis-{port}.tarn），否則都載入同一個。\n"
        "Ctrl-C 在進行中的那次寫入之後停止，並列出已寫入的參數。");
    command.options = {
        QCommandLineOption(kChangedOnly, QStringLiteral("先讀取驅動器，只寫入不同的參數")),
        QCommandLineOption(kForce, QStringLiteral("和 --changed-only 一起：不符合規則的值也寫入")),
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
