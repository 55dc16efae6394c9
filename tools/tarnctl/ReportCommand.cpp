#include "Command.h"
#include "DriveFiles.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "Interrupt.h"
#include "Output.h"
#include "TarnctlText.h"
#include "core/Language.h"
#include "drive/Drive.h"
#include "report/ReportFiles.h"
#include "report/ReportInfo.h"
#include "report/ReportModel.h"

// tarnctl report: the parameter report of a drive, read as 匯出報告 reads
// it, or of a parameter file; the format is the name's extension.

namespace {

const QString kOutput = QStringLiteral("output");
const QString kMachine = QStringLiteral("machine");
const QString kAxis = QStringLiteral("axis");
const QString kCustomer = QStringLiteral("customer");
const QString kTechnician = QStringLiteral("technician");
const QString kNote = QStringLiteral("note");
const QString kAgainst = QStringLiteral("against");
const QString kInterrupted = TarnctlText::tr("已中斷，報告未寫入");

QString WrittenLine(const QString& name) {
    return TarnctlText::tr("已寫入報告 %1").arg(name);
}

int ReportOfFile(const QString& fileName, const QString& reportName, const ReportInputs& inputs) {
    try {
        // The load's whole-file check: a refused file gives no report.
        WriteReportFile(FileSource(fileName), ReadParameterFile(fileName), inputs, reportName);
    } catch (const EFileError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    PrintOut(WrittenLine(reportName));
    return kExitSuccess;
}

// What a drive's run hands to the main thread, which writes the reports:
// the PDF writer and its fonts are used from the application's thread only.
using Taken = std::optional<std::pair<ReportSource, ParameterValues>>;

void WriteDriveReport(const Taken& taken, const QString& name, const ReportInputs& inputs,
                      DriveReport& report) {
    if (InterruptRequested()) {
        report.Fail(kExitInterrupted, kInterrupted);
        return;
    }
    QString gaps;
    try {
        gaps = WriteReportFile(taken->first, taken->second, inputs, name);
    } catch (const TarnError& error) {
        report.Fail(ExitCodeOf(error), error.Text());
        return;
    }
    report.out << WrittenLine(name);
    if (!gaps.isEmpty()) {
        report.Fail(kExitDrive, gaps);
    }
}

int RunReport(const Invocation& invocation) {
    const bool withDrives = !invocation.ports.empty();
    if (invocation.arguments.size() != (withDrives ? 0 : 1)) {
        throw UsageError(withDrives ? TarnctlText::tr("report 和 --port 一起時不需要參數檔")
                                    : TarnctlText::tr("report 需要 --port 或一個參數檔"));
    }
    const std::vector<QString> names = ReportFileNames(invocation.Value(kOutput), invocation.ports);
    ReportInputs inputs{{invocation.Value(kMachine), invocation.Value(kAxis),
                         invocation.Value(kCustomer), invocation.Value(kTechnician),
                         invocation.Value(kNote)},
                        std::nullopt,
                        CurrentLanguage()}; // --lang's, as every text tarnctl prints
    if (const QString fault = HandoverFault(inputs.handover); !fault.isEmpty()) {
        throw UsageError(fault);
    }
    try {
        // A refused reference gives no report, and no drive is read for one.
        inputs.reference = ReferenceOf(invocation.Value(kAgainst));
    } catch (const EFileError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    if (!TargetsWritable(names)) {
        return kExitFileRefused;
    }
    if (!withDrives) {
        return ReportOfFile(invocation.arguments.first(), names.front(), inputs);
    }
    std::vector<Taken> taken(invocation.ports.size());
    std::vector<DriveReport> reports =
        RunOnDrives(invocation.ports, [&](DriveSession& s, DriveReport& r) {
            if (const auto values = ReadWholeDriveForSave(s, kInterrupted, r)) {
                taken[s.Index()] = {
                    DriveSource(s.Port().Label(), s.Port().device, s.TheDrive().ReplyFormat()),
                    *values};
            }
        });
    for (size_t i = 0; i < reports.size(); ++i) {
        if (taken[i]) {
            WriteDriveReport(taken[i], names[i], inputs, reports[i]);
        }
    }
    return PrintReports(invocation.ports, reports);
}

// A handover field named as the report and the window's 報告資料 label it.
QString FieldName(const QString& label) {
    return ReportWords(CurrentLanguage(), label);
}

} // namespace

Command ReportCommand() {
    Command command;
    command.name = QStringLiteral("report");
    command.usages = {QStringLiteral("-p PORT report -o NAME.pdf"),
                      QStringLiteral("report FILE.tarn -o NAME.pdf")};
    command.summary = TarnctlText::tr("參數報告（PDF、HTML 或 CSV），來自驅動器或參數檔");
    command.description = TarnctlText::tr(
        "寫出參數報告，和視窗程式的「匯出報告」相同：讀取驅動器全部 309 個參數，\n"
        "或讀取一個參數檔（先檢查整個檔案，被拒絕時結束碼 5）。\n"
        "格式依 -o 檔名的副檔名：.pdf、.html（.htm）或 .csv。\n"
        "報告先寫到暫存檔再換上，無法寫入時原檔不變（結束碼 5）；\n"
        "驅動器一個數值都沒有回時不寫報告（結束碼 3）；有參數沒有讀到數值時照樣寫報告，\n"
        "列出它們，結束碼 3。\n"
        "多個通訊埠時各台同時讀取，檔名要有 {port}（axis-{port}.pdf → axis-1.pdf）。\n"
        "Ctrl-C 中斷時不留下報告。PDF 不需要顯示器：沒有設定 QT_QPA_PLATFORM 時\n"
        "使用 offscreen。\n"
        "--machine、--axis、--customer、--technician、--note 寫在報告開頭（空的不寫）；\n"
        "含有控制字元（--note 的換行除外）時為用法錯誤；\n"
        "--against 參考檔：標出與參考檔不同的參數並列出兩邊的數值\n"
        "（參考檔同樣先檢查整個檔案，被拒絕時結束碼 5），CSV 多兩欄\n"
        "reference_value_text、differs。");
    command.options = {
        QCommandLineOption({QStringLiteral("o"), kOutput},
                           TarnctlText::tr("報告檔名：.pdf、.html 或 .csv"),
                           QStringLiteral("NAME")),
        QCommandLineOption(kMachine, FieldName(report_text::kMachineLabel), QStringLiteral("M")),
        QCommandLineOption(kAxis, FieldName(report_text::kAxisLabel), QStringLiteral("A")),
        QCommandLineOption(kCustomer, FieldName(report_text::kCustomerLabel), QStringLiteral("C")),
        QCommandLineOption(kTechnician, FieldName(report_text::kTechnicianLabel),
                           QStringLiteral("T")),
        QCommandLineOption(kNote, TarnctlText::tr("備註（可多行）"), QStringLiteral("N")),
        QCommandLineOption(kAgainst, TarnctlText::tr("參考檔案：標出不同的參數"),
                           QStringLiteral("REF.tarn"))};
    command.examples = {
        QStringLiteral("tarnctl -p 1 report -o axis.pdf"),
        QStringLiteral("tarnctl -p 1,2,3 report -o machine7-axis-{port}.html"),
        QStringLiteral("tarnctl report backup.tarn -o backup.csv"),
        TarnctlText::tr("tarnctl -p 1 report -o handover.pdf --machine M-7 --axis X "
                        "--customer 大成 --technician 林 --against agreed.tarn")};
    command.ports = PortUse::Optional;
    command.needsGui = true;
    command.run = RunReport;
    return command;
}
