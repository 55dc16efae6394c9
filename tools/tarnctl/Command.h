#pragma once

#include "PortList.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One command of tarnctl: its help and what runs it. Each command lives in
// a file of its own and is listed once in the table (CommandTable.cpp).

// What a command is given once its command line has been parsed.
struct Invocation {
    const QCommandLineParser& parser; // the command's options
    QStringList arguments;            // its positional arguments
    std::vector<DrivePort> ports;     // every --port, in order
    LinkSettings link;                // --timing and --timeout, for drives not named by --port

    bool IsSet(const QString& option) const { return parser.isSet(option); }
    QString Value(const QString& option) const { return parser.value(option); }
};

// Whether a command works on drives.
enum class PortUse {
    None,     // no --port (ports)
    Required, // at least one --port
    Optional, // with --port against drives, without against files (diff)
};

struct Command {
    QString name;
    QStringList usages;                // after "tarnctl ", one per form: "-p PORT read N…"
    QString summary;                   // one line in the program's help
    QString description;               // the command's help, plain lines
    QList<QCommandLineOption> options; // its own, beyond --port and --help
    QStringList examples;
    PortUse ports = PortUse::Required;
    // The command sets text with QtGui (a PDF report): tarnctl then runs a
    // QGuiApplication, on the offscreen platform unless another is named.
    bool needsGui = false;
    // Takes --timing and --timeout without --port (its drives come from a
    // plant file): its help lists them.
    bool linkOptions = false;
    // Runs the command; returns the exit code. Throws UsageError for a
    // command line it cannot run, before touching any drive or file.
    std::function<int(const Invocation&)> run;
};

// Every command, in the order the help lists them, its texts in the
// language in force.
const std::vector<Command>& Commands();

// The commands, each defined in its own file.
Command PortsCommand();
Command ReadCommand();
Command WriteCommand();
Command SaveCommand();
Command LoadCommand();
Command DiffCommand();
Command ReportCommand();
Command PlantCommand();
Command BackupCommand();
Command ShowCommand();
Command HistoryCommand();
Command RestoreCommand();
Command FindCommand();
Command ServeCommand();
Command ReleaseCommand();
Command DriftCommand();
Command StatusCommand();
Command QueryCommand();
