#include "CommandLine.h"

#include "Command.h"
#include "DriveRunner.h"
#include "ExitCode.h"
#include "Output.h"
#include "TarnctlText.h"
#include "core/Language.h"
#include "core/Version.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QString kPort = QStringLiteral("port");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kTiming = QStringLiteral("timing");
const QString kTimeout = QStringLiteral("timeout");
const QString kTrace = QStringLiteral("trace");
const QString kLang = QStringLiteral("lang");
const char* const kLangVariable = "TARN_LANG";
// Stands before a negative number so the parser does not take it for
// options ("-1000" would read as -1 -0 -0 -0); taken off again after.
const QString kNegativeMark = QStringLiteral("\x01");

QList<QCommandLineOption> GlobalOptions() {
    return {
        QCommandLineOption({QStringLiteral("p"), kPort},
                           TarnctlText::tr("COM 編號 1–9、裝置路徑或網路位址 tcp://主機:埠、"
                                           "rfc2217://主機:埠；可重複，或以逗號分隔多個"),
                           QStringLiteral("PORT")),
        QCommandLineOption({QStringLiteral("h"), kHelp}, TarnctlText::tr("顯示說明")),
        QCommandLineOption({QStringLiteral("v"), kVersion}, TarnctlText::tr("顯示版本")),
        QCommandLineOption(
            kTiming, TarnctlText::tr("等待方式：fixed 固定等待（預設），reply 回覆完整即結束"),
            QStringLiteral("fixed|reply")),
        QCommandLineOption(
            kTimeout, TarnctlText::tr("等待長度 10–5000 ms：讀取等 MS，寫入等 MS+10（預設 40）"),
            QStringLiteral("MS")),
        QCommandLineOption(kTrace, TarnctlText::tr("每次和驅動器的往來附加一行到 FILE（通訊記錄）"),
                           QStringLiteral("FILE")),
        QCommandLineOption(kLang,
                           TarnctlText::tr("說明、訊息和報告的語言：zh 中文（預設）、en 英文；"
                                           "沒有時依 TARN_LANG"),
                           QStringLiteral("zh|en")),
    };
}

// The link settings of --timing and --timeout; throws UsageError for a
// value outside their choices.
LinkSettings LinkSettingsOf(const QCommandLineParser& parser) {
    LinkSettings settings;
    const QString timing = parser.value(kTiming);
    if (timing == QLatin1String("reply")) {
        settings.timing = LinkSettings::Timing::Reply;
    } else if (parser.isSet(kTiming) && timing != QLatin1String("fixed")) {
        throw UsageError(TarnctlText::tr("--timing 只能是 fixed 或 reply：%1").arg(timing));
    }
    if (parser.isSet(kTimeout)) {
        bool ok = false;
        const uint ms = parser.value(kTimeout).toUInt(&ok);
        if (!ok || ms < LinkSettings::kMinTimeoutMs || ms > LinkSettings::kMaxTimeoutMs) {
            throw UsageError(TarnctlText::tr("--timeout 要在 %1 到 %2 ms 之間：%3")
                                 .arg(LinkSettings::kMinTimeoutMs)
                                 .arg(LinkSettings::kMaxTimeoutMs)
                                 .arg(parser.value(kTimeout)));
        }
        settings.SetTimeout(ms);
    }
    return settings;
}

QStringList ProtectNegativeNumbers(const QStringList& arguments) {
    static const QRegularExpression negative(QStringLiteral("^-\\d+$"));
    QStringList protectedArguments = arguments;
    for (int i = 1; i < protectedArguments.size(); ++i) {
        if (negative.match(protectedArguments[i]).hasMatch()) {
            protectedArguments[i].prepend(kNegativeMark);
        }
    }
    return protectedArguments;
}

QStringList UnprotectNegativeNumbers(QStringList arguments) {
    for (QString& argument : arguments) {
        if (argument.startsWith(kNegativeMark)) {
            argument.remove(0, kNegativeMark.size());
        }
    }
    return arguments;
}

const Command* FindCommand(const QString& name) {
    const auto& commands = Commands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command& c) { return c.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

bool IsOptionOfAnyCommand(const QString& name) {
    for (const Command& command : Commands()) {
        for (const QCommandLineOption& option : command.options) {
            if (option.names().contains(name)) {
                return true;
            }
        }
    }
    return false;
}

QString OptionSpelling(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// One line that names what the parser refused.
QString ParseFailure(const QCommandLineParser& parser, const Command* command) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString name = unknown.first();
        if (command && IsOptionOfAnyCommand(name)) {
            return TarnctlText::tr("選項 %1 不適用於 %2").arg(OptionSpelling(name), command->name);
        }
        return TarnctlText::tr("不明的選項：%1").arg(OptionSpelling(name));
    }
    static const QRegularExpression missingValue(QStringLiteral("^Missing value after '(.*)'"));
    const QRegularExpressionMatch match = missingValue.match(parser.errorText());
    if (match.hasMatch()) {
        return TarnctlText::tr("選項 %1 需要一個值").arg(match.captured(1));
    }
    return parser.errorText();
}

void AddOptions(QCommandLineParser& parser, const QList<QCommandLineOption>& options) {
    for (const QCommandLineOption& option : options) {
        parser.addOption(option);
    }
}

QString OptionLines(const QList<QCommandLineOption>& options) {
    QStringList lines;
    for (const QCommandLineOption& option : options) {
        QStringList spellings;
        for (const QString& name : option.names()) {
            spellings << OptionSpelling(name);
        }
        QString left = spellings.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) {
            left += QStringLiteral(" <%1>").arg(option.valueName());
        }
        lines << QStringLiteral("  %1  %2").arg(left, -22).arg(option.description());
    }
    return lines.join(QLatin1Char('\n'));
}

QString ExitCodeLines() {
    return TarnctlText::tr("結束碼（多台驅動器時取其中最高者）：\n"
                           "  0  成功\n"
                           "  1  diff 找到差異；backup 提交了變更\n"
                           "  2  命令列用法錯誤\n"
                           "  3  通訊埠或驅動器錯誤：無法開啟、問候沒有回應、寫入未被確認、\n"
                           "     --verify 發現參數未保持寫入的值、連線中斷\n"
                           "  4  數值被規則拒絕（不在允許範圍內）\n"
                           "  5  檔案被拒絕或無法寫入；廠區檔或備份儲存庫被拒絕\n"
                           "  130  被 Ctrl-C 中斷");
}

QString CommandHelp(const Command& command) {
    QStringList usages;
    for (const QString& usage : command.usages) {
        usages << QStringLiteral("tarnctl ") + usage;
    }
    QList<QCommandLineOption> options;
    if (command.ports != PortUse::None) {
        options << GlobalOptions().first() << GlobalOptions()[3] << GlobalOptions()[4];
    } else if (command.linkOptions) {
        options << GlobalOptions()[3] << GlobalOptions()[4];
    }
    if (command.ports != PortUse::None || command.linkOptions) {
        options << GlobalOptions()[5];
    }
    options << command.options << GlobalOptions()[1];
    // Later forms stand under the first, past the heading.
    const QString usage = TarnctlText::tr("用法：");
    const QString under = QLatin1Char('\n') + QString(TerminalColumns(usage), QLatin1Char(' '));
    QString text = usage + usages.join(under) + QStringLiteral("\n\n") + command.description +
                   QStringLiteral("\n\n") + TarnctlText::tr("選項：") + QLatin1Char('\n') +
                   OptionLines(options) + QStringLiteral("\n\n") + TarnctlText::tr("範例：") +
                   QLatin1Char('\n');
    for (const QString& example : command.examples) {
        text += QStringLiteral("  ") + example + QLatin1Char('\n');
    }
    return text + QLatin1Char('\n') + TarnctlText::tr("結束碼見 tarnctl --help。") +
           QLatin1Char('\n');
}

// Parses `arguments` with `options`; false when the parser refused them
// (ParseFailure names the fault), with what it could read still held.
bool ParseInto(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
               const QStringList& arguments) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    AddOptions(parser, options);
    return parser.parse(arguments);
}

// Parses `arguments` with `options`; throws UsageError naming the fault.
void Parse(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
           const QStringList& arguments, const Command* command) {
    if (!ParseInto(parser, options, arguments)) {
        throw UsageError(ParseFailure(parser, command));
    }
}

std::vector<DrivePort> PortsFor(const Command& command, const QCommandLineParser& parser) {
    const QStringList given = parser.values(kPort);
    if (command.ports == PortUse::None && !given.isEmpty()) {
        throw UsageError(TarnctlText::tr("%1 不需要 --port").arg(command.name));
    }
    if (command.ports == PortUse::Required && given.isEmpty()) {
        throw UsageError(TarnctlText::tr("%1 需要 --port（例如 -p 1）").arg(command.name));
    }
    return ParsePortList(given, LinkSettingsOf(parser));
}

// The global options and every option any command knows, each once.
QList<QCommandLineOption> EveryOption() {
    QList<QCommandLineOption> everyOption = GlobalOptions();
    QStringList known;
    for (const Command& command : Commands()) {
        for (const QCommandLineOption& option : command.options) {
            if (!known.contains(option.names().first())) {
                known << option.names().first();
                everyOption << option;
            }
        }
    }
    return everyOption;
}

// Installs the language of --lang, else of TARN_LANG (empty is none), else
// Chinese, before any text is made: even a fault of the command line is told
// in it. Throws UsageError for a code that names no language, told in the
// language in force without it: the variable's, else Chinese.
void UseChosenLanguage(const QStringList& arguments) {
    QCommandLineParser parser;
    const bool parsed = ParseInto(parser, EveryOption(), arguments); // faults told after
    const QString variable = qEnvironmentVariable(kLangVariable);
    const std::optional<Language> fromVariable =
        variable.isEmpty() ? Language::Chinese : LanguageNamed(variable);
    // A --lang that lost its value to the end of the line is the parser's fault.
    const bool optionGiven = parser.isSet(kLang) && (parsed || !parser.value(kLang).isEmpty());
    const std::optional<Language> chosen =
        optionGiven ? LanguageNamed(parser.value(kLang)) : fromVariable;
    const Language inForce =
        chosen.value_or(optionGiven ? fromVariable.value_or(Language::Chinese) : Language::Chinese);
    // Chinese is every text's own: nothing is installed for it, so the words
    // Qt lends a message (a refused connection, a missing file) read as they
    // always have.
    if (inForce == Language::English) {
        UseLanguage(Language::English);
    }
    if (!chosen) {
        const QString zh = LanguageCode(Language::Chinese);
        const QString en = LanguageCode(Language::English);
        throw UsageError(
            optionGiven
                ? TarnctlText::tr("--lang 只能是 %1 或 %2：%3").arg(zh, en, parser.value(kLang))
                : TarnctlText::tr("TARN_LANG 只能是 %1 或 %2：%3").arg(zh, en, variable));
    }
}

int Run(const QStringList& rawArguments) {
    const QStringList arguments = ProtectNegativeNumbers(rawArguments);

    UseChosenLanguage(arguments);

    // First pass: which command, with every option any command knows.
    QCommandLineParser first;
    Parse(first, EveryOption(), arguments, nullptr);
    if (first.positionalArguments().isEmpty()) {
        if (first.isSet(kVersion)) {
            PrintOut(QStringLiteral("tarnctl " TARN_VERSION));
            return kExitSuccess;
        }
        if (first.isSet(kHelp)) {
            PrintOut(ProgramHelp());
            return kExitSuccess;
        }
        PrintErr(ProgramHelp());
        return kExitUsage;
    }
    const QString name = first.positionalArguments().first();
    const Command* command = FindCommand(name);
    if (!command) {
        throw UsageError(TarnctlText::tr("不明的命令：%1（見 tarnctl --help）").arg(name));
    }

    // Second pass: only what this command takes.
    QCommandLineParser parser;
    Parse(parser, GlobalOptions() + command->options, arguments, command);
    if (parser.isSet(kHelp)) {
        PrintOut(CommandHelp(*command));
        return kExitSuccess;
    }
    if (parser.isSet(kTrace)) {
        try {
            TraceRunTo(parser.value(kTrace));
        } catch (const EFileError& error) {
            PrintErr(QStringLiteral("tarnctl: ") + error.Text());
            return kExitFileRefused;
        }
    }
    const Invocation invocation{parser,
                                UnprotectNegativeNumbers(parser.positionalArguments().mid(1)),
                                PortsFor(*command, parser), LinkSettingsOf(parser)};
    return command->run(invocation);
}

} // namespace

bool CommandNeedsGui(const QStringList& arguments) {
    QCommandLineParser first;
    try {
        Parse(first, EveryOption(), ProtectNegativeNumbers(arguments), nullptr);
    } catch (const UsageError&) {
        return false;
    }
    const QStringList positional = first.positionalArguments();
    const Command* command = positional.isEmpty() ? nullptr : FindCommand(positional.first());
    return command && command->needsGui;
}

QString ProgramHelp() {
    QString commands;
    for (const Command& command : Commands()) {
        commands +=
            QStringLiteral("  %1  %2\n").arg(command.usages.first(), -34).arg(command.summary);
    }
    return TarnctlText::tr("用法：tarnctl [-p PORT]… <命令> [引數…]\n\n"
                           "從命令列操作驅動器，規則、訊息與檔案格式都和視窗程式相同。\n"
                           "多個通訊埠時各台驅動器同時進行，每行輸出前加上通訊埠。") +
           QStringLiteral("\n\n") + TarnctlText::tr("命令：") + QLatin1Char('\n') + commands +
           QLatin1Char('\n') + TarnctlText::tr("選項：") + QLatin1Char('\n') +
           OptionLines(GlobalOptions()) + QStringLiteral("\n\n") + ExitCodeLines() +
           QStringLiteral("\n\n") + TarnctlText::tr("範例：") + QLatin1Char('\n') +
           QStringLiteral(
               "  tarnctl ports\n"
               "  tarnctl -p 1 read 100 101 304\n"
               "  tarnctl -p /dev/ttyUSB0 write 000 1-7-1\n"
               "  tarnctl -p rfc2217://10.0.0.5:4001 --timing reply save axis.tarn\n"
               "  tarnctl -p 1,2,3,4,5,6 save axis-{port}.tarn\n"
               "  tarnctl -p 1 -p 2 load machine.tarn --changed-only --verify\n"
               "  tarnctl diff a.tarn b.tarn\n"
               "  tarnctl -p 1 report -o axis.pdf\n"
               "  tarnctl backup plant.json --repo backup --timing reply --push origin\n\n") +
           TarnctlText::tr("各命令的說明：tarnctl <命令> --help") + QLatin1Char('\n');
}

int RunCommandLine(const QStringList& arguments) {
    try {
        return Run(arguments);
    } catch (const UsageError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitUsage;
    }
}
