#include "Command.h"
#include "ExitCode.h"
#include "Output.h"
#include "TarnctlText.h"
#include "catalogue/ParameterSearch.h"
#include "catalogue/SheetRanges.h"

// tarnctl find: the window program's 搜尋參數 on the command line, one line
// per hit, no drive needed.

namespace {

int RunFind(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(TarnctlText::tr("find 需要一個搜尋文字"));
    }
    if (invocation.arguments.first().trimmed().isEmpty()) {
        throw UsageError(TarnctlText::tr("請給要找的文字"));
    }
    const std::vector<SearchHit> hits = FindParameters(invocation.arguments.first());
    if (hits.empty()) {
        return kExitDifferent;
    }
    QStringList lines;
    for (const SearchHit& hit : hits) {
        lines << QStringList{PnName(hit.number), hit.description, hit.gloss, SheetTextOf(hit)}.join(
            QLatin1Char('\t'));
    }
    PrintOut(lines.join(QLatin1Char('\n')));
    return kExitSuccess;
}

} // namespace

Command FindCommand() {
    Command command;
    command.name = QStringLiteral("find");
    command.usages = {QStringLiteral("find TEXT")};
    command.summary = TarnctlText::tr("以編號、中文說明或英文說明找參數（不需驅動器）");
    command.description = TarnctlText::tr(
        "和視窗程式的「搜尋參數」相同：TEXT 比對編號（100、Pn100、pn1）、中文說明和英文說明，\n"
        "不分大小寫，全形的數字和字母當半形（１００ 即 100），任何一部分相符即可，涵蓋全部\n"
        "309 個參數；編號相符的在前，依檔案順序。\n"
        "每個相符的參數一行，以 Tab 分隔：編號、說明、英文說明、頁籤；表格中沒有的參數\n"
        "（Pn6xx、Pn7xx、Pn9xx 等）頁籤寫成「Pn9xx（不在表格中）」。沒有相符的參數時結束碼為 1。");
    command.examples = {TarnctlText::tr("tarnctl find 編碼器"), QStringLiteral("tarnctl find pn1"),
                        QStringLiteral("tarnctl find \"gain switching\"")};
    command.ports = PortUse::None;
    command.run = RunFind;
    return command;
}
