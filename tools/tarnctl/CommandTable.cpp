#include "Command.h"
#include "core/Language.h"

#include <map>

namespace {

std::vector<Command> MakeCommands() {
    // New commands are added here, each built by a function in its own file.
    return {
        PortsCommand(), ReadCommand(),    WriteCommand(),   SaveCommand(),  LoadCommand(),
        DiffCommand(),  ReportCommand(),  FindCommand(),    PlantCommand(), BackupCommand(),
        ShowCommand(),  HistoryCommand(), RestoreCommand(), ServeCommand(), ReleaseCommand(),
        DriftCommand(), StatusCommand(),  QueryCommand(),
    };
}

} // namespace

const std::vector<Command>& Commands() {
    // Their help is made in the language in force: the table is made once
    // per language (the command line is read before the language is known).
    static std::map<Language, std::vector<Command>> tables;
    std::vector<Command>& commands = tables[CurrentLanguage()];
    if (commands.empty()) {
        commands = MakeCommands();
    }
    return commands;
}
