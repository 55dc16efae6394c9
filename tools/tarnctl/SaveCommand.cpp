#include "Command.h"
#include "DriveFiles.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "TarnctlText.h"
#include "files/ParameterFile.h"
#include "files/TransferResult.h"

// tarnctl save FILE: the 309 reads and the file, as the window program's
// 儲存檔案 makes them.

namespace {

// The file of each drive: the window program's name rule, {port} replaced.
std::vector<QString> FileNames(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(TarnctlText::tr("save 需要一個檔名（例如 save axis.tarn）"));
    }
    return FileNamesOfPorts(invocation.arguments.first(), invocation.ports,
                            QStringLiteral("axis-{port}.tarn"),
                            TarnctlText::tr("兩台驅動器會存到同一個檔案"), WithTarnSuffix);
}

void SaveDrive(const QString& fileName, DriveSession& session, DriveReport& report) {
    const auto read = ReadWholeDriveForSave(session, TarnctlText::tr("已中斷，檔案未儲存"), report);
    if (!read) {
        return;
    }
    const ParameterValues& values = *read;
    if (!WriteParameterFile(fileName, values, [&] { return session.StopRequested(); })) {
        report.Fail(kExitInterrupted, TarnctlText::tr("已中斷，檔案未儲存"));
        return;
    }
    report.out << TarnctlText::tr("已儲存 %1").arg(fileName);
    report.json.insert(QStringLiteral("file"), fileName);
    // Written as the window writes it, but a script must not take a file
    // with gaps for a whole one.
    if (const QString gaps = SaveGapsMessage(ParametersWithoutValue(values)); !gaps.isEmpty()) {
        report.Fail(kExitDrive, gaps);
    }
}

int RunSave(const Invocation& invocation) {
    const std::vector<QString> names = FileNames(invocation);
    if (!TargetsWritable(names)) {
        return kExitFileRefused;
    }
    const auto reports = RunOnDrives(invocation.ports, [&](DriveSession& s, DriveReport& r) {
        SaveDrive(names[s.Index()], s, r);
    });
    return PrintReports(invocation.ports, reports);
}

} // namespace

Command SaveCommand() {
    Command command;
    command.name = QStringLiteral("save");
    command.usages = {QStringLiteral("-p PORT save FILE")};
    command.summary = TarnctlText::tr("讀取全部 309 個參數並存檔（同視窗程式的儲存檔案）");
    command.description = TarnctlText::tr(
        "讀取驅動器全部 309 個參數，寫成參數檔，和視窗程式的「儲存檔案」相同：檔名不以\n"
        ".tarn 結尾時加上 .tarn；檔案先寫到暫存檔再換上，中途失敗不動原檔；驅動器一個\n"
        "數值都沒有回時不寫檔案（結束碼 3）；有參數沒有讀到數值時照樣寫檔，列出它們，\n"
        "結束碼 3。\n"
        "多個通訊埠時各台同時讀取，檔名要有 {port}：COM 編號、裝置路徑的最後一段，或網路\n"
        "位址的主機_埠（axis-{port}.tarn → axis-1.tarn、axis-ttyUSB0.tarn、\n"
        "axis-10.0.0.5_4001.tarn）。\n"
        "Ctrl-C 中斷時不留下檔案，原有的檔案不變。");
    command.examples = {QStringLiteral("tarnctl -p 1 save backup.tarn"),
                        QStringLiteral("tarnctl -p 1,2,3,4,5,6 save machine7-axis-{port}.tarn"),
                        QStringLiteral("tarnctl -p /dev/ttyUSB0 -p /dev/ttyUSB1 save axis-{port}")};
    command.run = RunSave;
    return command;
}
