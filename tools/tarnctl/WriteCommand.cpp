#include "Command.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "ParameterText.h"
#include "TarnctlText.h"
#include "compare/CompareTexts.h"
#include "drive/Drive.h"
#include "files/ParameterFile.h"
#include "values/ValueText.h"
#include "values/ValueWords.h"

#include <QRegularExpression>

// tarnctl write N VALUE: one value, typed as in the grid and checked with
// the edit rule, written and confirmed by its echo; --raw HEX4 unchecked.

namespace {

const QString kRaw = QStringLiteral("raw");
const QString kNoVerify = QStringLiteral("no-verify");

struct WriteRequestArgs {
    quint16 number;
    QString typed;    // as a technician types it, when not raw
    QString rawValue; // four hexadecimal digits, when raw
    bool verify = true;
};

WriteRequestArgs ParseArguments(const Invocation& invocation) {
    const bool raw = invocation.IsSet(kRaw);
    const int expected = raw ? 1 : 2;
    if (invocation.arguments.size() != expected) {
        throw UsageError(
            raw ? TarnctlText::tr("write --raw HEX4 只需要參數編號（例如 write 100 --raw 01F4）")
                : TarnctlText::tr("write 需要參數編號和數值（例如 write 100 500）"));
    }
    WriteRequestArgs request{
        ParameterArgument(invocation.arguments[0]), {}, {}, !invocation.IsSet(kNoVerify)};
    if (!raw) {
        request.typed = invocation.arguments[1];
        return request;
    }
    request.rawValue = invocation.Value(kRaw);
    if (!IsHexText(request.rawValue, 4, 4)) {
        throw UsageError(TarnctlText::tr("--raw 需要四位十六進位數字：%1").arg(request.rawValue));
    }
    return request;
}

// The drive's answer as the command tells it.
void Tell(const WriteRequestArgs& request, const Drive::WriteResult& result, DriveReport& report) {
    const QString name = PnName(request.number);
    switch (result.end) {
    case Drive::WriteEnd::Written:
        report.out << ParameterLine(request.number, result.valueText);
        return;
    case Drive::WriteEnd::NoRule:
        report.Fail(kExitValueRefused,
                    TarnctlText::tr("%1 沒有編輯規則，只能用 --raw 寫入").arg(name));
        return;
    case Drive::WriteEnd::NoPn904:
        report.Fail(kExitDrive,
                    TarnctlText::tr("Pn904 沒有讀到數值，無法檢查 %1 的範圍").arg(name));
        return;
    case Drive::WriteEnd::Refused:
        report.Fail(kExitValueRefused,
                    TarnctlText::tr("%1 %2：不在允許範圍內（%3）")
                        .arg(name, request.typed, RangeText(request.number, result.pn904)));
        return;
    case Drive::WriteEnd::WriteFailed:
        report.Fail(kExitDrive, TarnctlText::tr("%1 寫入失敗").arg(name));
        return;
    case Drive::WriteEnd::ReadBackDiffers:
        report.Fail(kExitDrive,
                    ReadBackMismatchText(request.number, result.valueText, result.readBack));
        return;
    }
}

void WriteOne(const WriteRequestArgs& request, DriveSession& session, DriveReport& report) {
    try {
        Tell(request,
             session.TheDrive().Write(
                 {request.number, request.typed, request.rawValue, request.verify}),
             report);
    } catch (const EConvertError& error) {
        // Text that is not a number: the grid's own conversion message.
        report.Fail(kExitValueRefused,
                    TarnctlText::tr("%1：%2").arg(PnName(request.number), error.Text()));
    }
}

int RunWrite(const Invocation& invocation) {
    const WriteRequestArgs request = ParseArguments(invocation);
    const auto reports = RunOnDrives(
        invocation.ports, [&](DriveSession& s, DriveReport& r) { WriteOne(request, s, r); });
    return PrintReports(invocation.ports, reports);
}

} // namespace

Command WriteCommand() {
    Command command;
    command.name = QStringLiteral("write");
    command.usages = {QStringLiteral("-p PORT write N VALUE"),
                      QStringLiteral("-p PORT write N --raw HEX4")};
    command.summary = TarnctlText::tr("寫入一個參數，依編輯規則檢查，由回覆確認");
    command.description = TarnctlText::tr(
        "寫入一個參數。VALUE 和在表格中輸入的一樣：十進位、有號十進位，或位數分組的\n"
        "寫法（1-7-1、08-08、44-1），先依該參數的編輯規則檢查（範圍依 Pn904 的參數先讀\n"
        "取驅動器的 Pn904）；不符合時顯示「不在允許範圍內」，結束碼 4，不寫入。\n"
        "--raw HEX4 直接寫入四位十六進位的數值文字，不檢查。\n"
        "寫入必須由驅動器的回覆確認，否則顯示「寫入失敗」，結束碼 3。\n"
        "寫入後讀回該參數（--no-verify 不讀回）；驅動器沒有保持寫入的值時顯示\n"
        "「Pn106 讀回 0 %，應為 5 %」，結束碼 3。\n"
        "成功時印出寫入後的一行，格式和 read 相同。");
    command.options = {
        QCommandLineOption(kRaw, TarnctlText::tr("直接寫入這個數值文字（四位十六進位），不檢查"),
                           QStringLiteral("HEX4")),
        QCommandLineOption(kNoVerify, TarnctlText::tr("寫入後不讀回核對"))};
    command.examples = {QStringLiteral("tarnctl -p 1 write 100 500"),
                        QStringLiteral("tarnctl -p 1 write 213 -1000"),
                        QStringLiteral("tarnctl -p 1 write 000 1-7-1"),
                        QStringLiteral("tarnctl -p 1 write 525 44-1"),
                        QStringLiteral("tarnctl -p 1,2,3,4 write 101 --raw 0005")};
    command.run = RunWrite;
    return command;
}
