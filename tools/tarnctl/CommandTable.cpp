#include "Command.h"

const std::vector<Command>& Commands() {
    // New commands are added here, each built by a function in its own file.
    static const std::vector<Command> commands = {
        PortsCommand(), ReadCommand(), WriteCommand(),  SaveCommand(),
        LoadCommand(),  DiffCommand(), ReportCommand(), FindCommand(),
        PlantCommand(), BackupCommand(), ShowCommand(), HistoryCommand(), RestoreCommand(),
        ServeCommand(),
        ReleaseCommand(), DriftCommand(), StatusCommand(), QueryCommand(),
    };
    return commands;
}
