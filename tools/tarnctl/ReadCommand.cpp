#include "Command.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "Output.h"
#include "ParameterText.h"
#include "TarnctlText.h"
#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "drive/Drive.h"
#include "files/ParameterFile.h"

#include <QJsonArray>

// tarnctl read N…: one line per parameter, as the grid shows it.

namespace {

void ReadParameters(const std::vector<quint16>& numbers, DriveSession& session,
                    DriveReport& report) {
    const Drive::ReadResult read =
        session.TheDrive().Read(numbers, [&] { return session.StopRequested(); });
    QJsonArray parameters;
    for (size_t i = 0; i < read.values.size(); ++i) {
        const quint16 number = numbers[i];
        const QString& value = read.values[i];
        parameters << ParameterJson(RecordOfNumber(number), value, read.pn904);
        if (HoldsDriveValue(value)) {
            report.out << ParameterLine(number, value);
        } else {
            report.Fail(kExitDrive,
                        value.isEmpty()
                            ? TarnctlText::tr("%1 沒有讀到數值").arg(PnName(number))
                            : TarnctlText::tr("%1 的回覆不是預期的格式").arg(PnName(number)));
        }
    }
    if (read.stopped) {
        report.Fail(kExitInterrupted, TarnctlText::tr("已中斷"));
    }
    report.json.insert(QStringLiteral("parameters"), parameters);
}

int RunRead(const Invocation& invocation) {
    if (invocation.arguments.isEmpty()) {
        throw UsageError(TarnctlText::tr("read 需要至少一個參數編號（例如 read 100 101）"));
    }
    const std::vector<quint16> numbers = ParameterArguments(invocation.arguments);
    const auto reports = RunOnDrives(
        invocation.ports, [&](DriveSession& s, DriveReport& r) { ReadParameters(numbers, s, r); });
    return invocation.IsSet(QStringLiteral("json")) ? PrintReportsAsJson(invocation.ports, reports)
                                                    : PrintReports(invocation.ports, reports);
}

} // namespace

Command ReadCommand() {
    Command command;
    command.name = QStringLiteral("read");
    command.usages = {QStringLiteral("-p PORT read N…")};
    command.summary = TarnctlText::tr("讀取參數：編號 數值文字 顯示值 單位");
    command.description = TarnctlText::tr(
        "讀取參數，每個參數一行：編號、數值文字（驅動器的四位十六進位）、顯示值（和\n"
        "表格數值欄相同）、單位，例如「Pn100 01F4 500 0.1Hz」。\n"
        "N 寫作 100、Pn100 或 P100；程式沒有的參數編號（如 Pn050）是用法錯誤。\n"
        "範圍依 Pn904 的參數（Pn304–Pn311、Pn406、Pn407、Pn708）先讀取驅動器的 Pn904。\n"
        "沒有讀到數值的參數寫在標準錯誤，結束碼 3。");
    command.options = {JsonOption()};
    command.examples = {QStringLiteral("tarnctl -p 1 read 100 101"),
                        QStringLiteral("tarnctl -p /dev/ttyUSB0 read Pn000 Pn304 --json"),
                        QStringLiteral("tarnctl -p 1,2,3 read 100")};
    command.run = RunRead;
    return command;
}
