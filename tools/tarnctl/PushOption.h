#pragma once

#include "Command.h"

// --push REMOTE of backup and release: a remote's name, URL or path.

QCommandLineOption PushOption(const QString& description);

// The remote --push names, empty when not given. Throws UsageError for one
// git would take as an option.
QString PushRemote(const Invocation& invocation);
