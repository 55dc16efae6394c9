#include "Hooks.h"

#include "Output.h"
#include "TarnctlText.h"

QCommandLineOption HookOption(const QString& event) {
    return QCommandLineOption(
        QStringLiteral("on-") + event,
        TarnctlText::tr("%1 時以 /bin/sh -c 執行這個命令（見說明）").arg(event),
        QStringLiteral("CMD"));
}

void RunHookOf(const Invocation& invocation, const HookEvent& event) {
    const QString option = QStringLiteral("on-") + event.name;
    // Empty is none: a unit passes every hook variable, set or not.
    if (!invocation.Value(option).isEmpty()) {
        RunHook(invocation.Value(option), event, PrintErr);
    }
}

void RunBackupHooks(const Invocation& invocation, const QString& plant, const QString& repo,
                    const BackupCommit& done, bool failed) {
    if (!done.commit.isEmpty() && !done.changed.isEmpty()) {
        RunHookOf(invocation, {QStringLiteral("changed"), plant, repo, done.commit, done.changed,
                               done.message});
    }
    if (failed && !done.failed.isEmpty()) {
        RunHookOf(invocation, {QStringLiteral("failed"), plant, repo, done.commit, done.failed,
                               done.failures.join(QLatin1Char('\n'))});
    }
}
