#include "Command.h"
#include "ExitCode.h"
#include "Output.h"
#include "PlantPorts.h"
#include "TarnctlText.h"

// tarnctl plant PLANT.json: checks a plant file as backup and restore
// read it and lists its axes; its help describes the format.

namespace {

int RunPlant(const Invocation& invocation) {
    if (invocation.arguments.size() != 1) {
        throw UsageError(TarnctlText::tr("plant 需要一個廠區檔（例如 plant plant.json）"));
    }
    const QString fileName = invocation.arguments.first();
    try {
        const Plant plant = ReadPlantFile(fileName);
        const std::vector<DrivePort> ports = PlantPorts(plant, fileName, invocation.link);
        PrintOut(TarnctlText::tr("%1：%n 軸", nullptr, int(plant.axes.size())).arg(plant.name));
        for (size_t i = 0; i < ports.size(); ++i) {
            PrintOut(QStringLiteral("%1 %2 %3 %4 ms")
                         .arg(plant.axes[i].Path(), ports[i].Label(),
                              ports[i].link.timing == LinkSettings::Timing::Reply
                                  ? QStringLiteral("reply")
                                  : QStringLiteral("fixed"))
                         .arg(ports[i].link.readWaitMs));
        }
    } catch (const EFileError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    return kExitSuccess;
}

} // namespace

Command PlantCommand() {
    Command command;
    command.name = QStringLiteral("plant");
    command.usages = {QStringLiteral("plant PLANT.json")};
    command.summary = TarnctlText::tr("檢查廠區檔並列出每一軸（格式見 plant --help）");
    command.description = TarnctlText::tr(
        "廠區檔（JSON）列出一個廠區的機台和每個機台的軸，給 backup 和 restore 使用：\n"
        "  {\"plant\": \"廠A\", \"machines\": [\n"
        "    {\"name\": \"M01\", \"axes\": [\n"
        "      {\"name\": \"X\", \"port\": \"tcp://10.0.0.5:4001\"},\n"
        "      {\"name\": \"Y\", \"port\": \"COM3\", \"timing\": \"reply\", \"timeout\": 100}]}]}\n"
        "plant：廠名（提交訊息用）。machines：機台，每個有 name 和 axes。\n"
        "軸：name、port（COM 編號、裝置路徑或網路位址，同 --port），可選 timing\n"
        "（\"fixed\" 或 \"reply\"）與 timeout（10–5000 ms）；沒有時用命令的 --timing、\n"
        "--timeout。ignore（最外層、機台或軸，參數編號的陣列，例如 \"ignore\": [618, 700]）\n"
        "列出會自己變動的參數：一軸忽略它所在各層列出的全部，drift 和事件命令不理會它們，\n"
        "backup 仍然儲存並提交（變更行最後寫「（忽略）」）；不是驅動器參數編號的會被拒絕。\n"
        "機台和軸的名稱就是儲存庫中的資料夾和檔名（M01/X.tarn）：只能有字母、\n"
        "數字、中日韓文字、- 和 _（最多 64 字，不能是 CON、NUL、COM1 之類的裝置名），\n"
        "同一層的名稱不能重複（不分大小寫）；同一個通訊埠不能給兩個軸（裝置以實際路徑、\n"
        "網路位址以解析出的位址比對）。不認得的鍵和同一物件中重複的鍵也會被拒絕。\n"
        "錯誤訊息寫出檔名、行號和鍵，例如\n"
        "「plant.json 第 4 行 machines[0].axes[1].name：軸名稱重複：X」。\n"
        "這個命令檢查廠區檔，每軸一行列出：機台/軸、通訊埠、等待方式、逾時。\n"
        "結束碼：0 廠區檔正確，5 被拒絕。");
    command.examples = {QStringLiteral("tarnctl plant plant.json"),
                        QStringLiteral("tarnctl plant plant.json --timing reply")};
    command.ports = PortUse::None;
    command.linkOptions = true;
    command.run = RunPlant;
    return command;
}
