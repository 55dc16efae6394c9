#include "Command.h"
#include "DriveFiles.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "Output.h"
#include "ParameterText.h"
#include "TarnctlText.h"
#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"
#include "compare/Comparison.h"
#include "files/ParameterFile.h"
#include "files/TransferResult.h"
#include "values/ValueWords.h"

#include <QJsonArray>

// tarnctl diff: a drive against a file, or two files with no drive; one
// line per difference, both values as the grid shows them.

namespace {

const QString kJson = QStringLiteral("json");

// "Pn100 500 → 600 0.1Hz": left to right, as the comparison window shows them.
QString DifferenceLine(const CompareRow& row) {
    return ChangeLine(row.number, row.driveText, row.fileText, ChangeNaming::NumberOnly);
}

QJsonObject SideJson(quint16 number, const QString& value) {
    return {{"value", value}, {"display", ValueInWordsWithHex(number, value)}};
}

QJsonArray DifferencesJson(const std::vector<CompareRow>& rows) {
    QJsonArray array;
    for (const CompareRow& row : rows) {
        array << QJsonObject{{"number", row.number},
                             {"name", PnName(row.number)},
                             {"left", SideJson(row.number, row.driveText)},
                             {"right", SideJson(row.number, row.fileText)}};
    }
    return array;
}

// Said when nothing differs, so a silent diff is never mistaken for one
// that did not run: "驅動器 COM1 與 a.tarn 相同".
QString SameLine(const QString& left, const QString& right) {
    return TarnctlText::tr("%1 與 %2 相同").arg(left, right);
}

int DiffFiles(const Invocation& invocation) {
    const QString leftName = invocation.arguments[0];
    const QString rightName = invocation.arguments[1];
    const std::vector<CompareRow> differences =
        CompareValues(ReadParameterFile(leftName), ReadParameterFile(rightName));
    if (invocation.IsSet(kJson)) {
        PrintJson(QJsonDocument(QJsonObject{{"left", leftName},
                                            {"right", rightName},
                                            {"differences", DifferencesJson(differences)}}));
    } else {
        for (const CompareRow& row : differences) {
            PrintOut(DifferenceLine(row));
        }
        if (differences.empty()) {
            PrintOut(SameLine(leftName, rightName));
        }
    }
    return differences.empty() ? kExitSuccess : kExitDifferent;
}

void DiffDrive(const ParameterValues& file, const QString& fileName, DriveSession& session,
               DriveReport& report) {
    const ParameterValues drive = ReadWholeDrive(session, TarnctlText::tr("已中斷"));
    const std::vector<CompareRow> differences = CompareValues(drive, file);
    for (const CompareRow& row : differences) {
        report.out << DifferenceLine(row);
    }
    if (differences.empty()) {
        report.out << SameLine(TarnctlText::tr("驅動器 %1").arg(session.Port().Label()), fileName);
    }
    report.json.insert(QStringLiteral("differences"), DifferencesJson(differences));
    if (!differences.empty()) {
        report.exitCode = std::max<int>(report.exitCode, kExitDifferent);
    }
}

int RunDiff(const Invocation& invocation) {
    const bool withDrives = !invocation.ports.empty();
    if (invocation.arguments.size() != (withDrives ? 1 : 2)) {
        throw UsageError(withDrives
                             ? TarnctlText::tr("diff 和 --port 一起時需要一個參數檔")
                             : TarnctlText::tr("diff 需要 --port 和一個參數檔，或兩個參數檔"));
    }
    try {
        if (!withDrives) {
            return DiffFiles(invocation);
        }
        const std::vector<ParameterValues> files = FilesOfDrives(invocation);
        const auto reports = RunOnDrives(invocation.ports, [&](DriveSession& s, DriveReport& r) {
            DiffDrive(files[s.Index()], ExpandPortPattern(invocation.arguments.first(), s.Port()),
                      s, r);
        });
        return invocation.IsSet(kJson) ? PrintReportsAsJson(invocation.ports, reports)
                                       : PrintReports(invocation.ports, reports);
    } catch (const EFileError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
}

} // namespace

Command DiffCommand() {
    Command command;
    command.name = QStringLiteral("diff");
    command.usages = {QStringLiteral("-p PORT diff FILE"), QStringLiteral("diff A.tarn B.tarn")};
    command.summary = TarnctlText::tr("比較驅動器與參數檔，或兩個參數檔");
    command.description = TarnctlText::tr(
        "比較驅動器（讀取全部 309 個參數）與參數檔，或不接驅動器比較兩個參數檔。\n"
        "每個不同的參數一行：編號、左邊的值 → 右邊的值（都是表格的顯示值）、單位，\n"
        "左邊是驅動器或第一個檔案，右邊是參數檔或第二個檔案；例如\n"
        "「Pn100 500 → 600 0.1Hz」表示載入右邊的檔案會把 500 改成 600。\n"
        "檔名有 {port} 時每台驅動器和自己的檔案比較。\n"
        "沒有差異時印出「驅動器 COM1 與 a.tarn 相同」。\n"
        "結束碼：相同 0，有差異 1；檔案被拒絕 5；驅動器錯誤 3。");
    command.options = {JsonOption()};
    command.examples = {QStringLiteral("tarnctl -p 1 diff machine.tarn"),
                        QStringLiteral("tarnctl diff before.tarn after.tarn"),
                        QStringLiteral("tarnctl -p 1,2,3,4,5,6 diff line-A.tarn --json")};
    command.ports = PortUse::Optional;
    command.run = RunDiff;
    return command;
}
