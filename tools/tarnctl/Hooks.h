#pragma once

#include "Command.h"
#include "backup/HookRunner.h"
#include "backup/PlantBackup.h"
#include "backup/PlantRelease.h"

// --on-changed, --on-failed and --on-drift: commands for events, given
// only on the command line. Their output and ends go to standard error.

QCommandLineOption HookOption(const QString& event);

// How every hook runs, for a command's --help after its own events and
// what each is given on standard input.
QString HookHelp();

// Runs the hook given for `event.name` when one was given.
void RunHookOf(const Invocation& invocation, const HookEvent& event);

// After a backup: "changed" when it committed a change not ignored, then
// "failed" when an axis failed (`failed`).
void RunBackupHooks(const Invocation& invocation, const QString& plant, const QString& repo,
                    const BackupCommit& done, bool failed);

// After drift: "drift" when an axis differs from its release, then "failed"
// when an axis did not answer (`failed`, its lines `failures`).
void RunDriftHooks(const Invocation& invocation, const QString& plant, const QString& repo,
                   const std::vector<AxisDrift>& drift, const QStringList& failed,
                   const QStringList& failures);
