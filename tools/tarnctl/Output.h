#pragma once

#include <QCommandLineOption>
#include <QJsonDocument>
#include <QString>

// Standard output carries results only; standard error carries messages
// and, on a terminal, the progress line. Lines are written whole, in UTF-8,
// from the main thread only.

void PrintOut(const QString& text);
void PrintErr(const QString& text);

// A line of one of several drives: its port or axis, ": ", the text.
QString LineOf(const QString& who, const QString& text);
void PrintJson(const QJsonDocument& document);

// Columns a text takes on a terminal: CJK characters take two.
int TerminalColumns(const QString& text);

// --json: the option of every command that can print its results as one
// JSON document (PrintJson) for a program to read.
QCommandLineOption JsonOption();

// The progress line on standard error, when it is a terminal: one line,
// redrawn in place with a carriage return (no other terminal codes), that
// PrintErr clears before a message and redraws after it.
void ShowProgressLine(const QString& text);
void ClearProgressLine();
bool ProgressShown();
