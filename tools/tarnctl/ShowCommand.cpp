#include "Command.h"
#include "ExitCode.h"
#include "Output.h"
#include "TarnctlText.h"
#include "backup/ParameterWords.h"
#include "core/Language.h"
#include "files/ParameterFile.h"

// tarnctl show FILE.tarn: the file in words, one parameter a line. A plant
// repository names it as the text conversion of *.tarn, so git's diffs and
// logs show parameters instead of hex lines.

namespace {

const QString kTextconv = QStringLiteral("textconv");
int RunShow(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(TarnctlText::tr("show 需要一個參數檔（例如 show axis.tarn）"));
    }
    const QString fileName = invocation.arguments.first();
    if (invocation.IsSet(kTextconv)) {
        UseRepositoryLanguage();
    }
    try {
        PrintOut(ParameterWordsLines(ReadParameterFile(fileName)).join(QLatin1Char('\n')));
    } catch (const EFileError& error) {
        if (invocation.IsSet(kTextconv)) {
            // For git: a file the check refuses must not stop `git log -p`.
            PrintOut(UnreadableFileLines(fileName, error.Text()).join(QLatin1Char('\n')));
            return kExitSuccess;
        }
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    return kExitSuccess;
}

} // namespace

Command ShowCommand() {
    Command command;
    command.name = QStringLiteral("show");
    command.usages = {QStringLiteral("show [--textconv] FILE.tarn")};
    command.summary = TarnctlText::tr("以文字列出參數檔的 309 個參數（git 的文字轉換）");
    command.description = TarnctlText::tr(
        "先檢查整個參數檔（同載入檔案），再依檔案順序每個參數一行：編號、說明、表格的\n"
        "顯示值、單位，例如「Pn100 KVP1 500 0.1Hz」；沒有說明的參數只有編號和數值文字\n"
        "（「Pn900 0123」）；沒有數值的為（空）。\n"
        "--textconv：給 git 用，一定成功：無法讀取的檔案照原來的行列出，每行前面標\n"
        "（無法讀取）。tarnctl backup 把「tarnctl show --textconv」設為儲存庫中 *.tarn 的\n"
        "文字轉換（diff.tarn.textconv），git log -p、git diff 和其他 git 工具因此以參數的\n"
        "文字顯示變更，一個壞掉的檔案也不會讓它們停下。\n"
        "結束碼：0 成功，5 檔案被拒絕（沒有 --textconv 時）。");
    command.options = {QCommandLineOption(
        kTextconv, TarnctlText::tr("給 git 的文字轉換：無法讀取的檔案照原樣列出，標（無法讀取）"))};
    command.examples = {QStringLiteral("tarnctl show backup/M01/X.tarn"),
                        QStringLiteral("git -C backup log -p -- M01/X.tarn")};
    command.ports = PortUse::None;
    command.run = RunShow;
    return command;
}
