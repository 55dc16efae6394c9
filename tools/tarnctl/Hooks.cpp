#include "Hooks.h"

#include "Output.h"
#include "TarnctlText.h"

QCommandLineOption HookOption(const QString& event) {
    return QCommandLineOption(
        QStringLiteral("on-") + event,
        TarnctlText::tr("%1 時以 /bin/sh -c 執行這個命令（見說明）").arg(event),
        QStringLiteral("CMD"));
}

QString HookHelp() {
    return TarnctlText::tr(
               "CMD 以 /bin/sh -c 執行（使用者自己的權限，同 git hook），環境變數 TARN_EVENT、\n"
               "TARN_PLANT、TARN_REPO、TARN_COMMIT、TARN_AXES（以空白分隔）。最多 %1 秒，之後\n"
               "結束它的整個程序群組；輸出寫到標準錯誤，每行前加「hook <事件>: 」（最多 %2 行）\n"
               "並寫出結束碼。命令失敗不改變任何檔案和結束碼。\n")
        .arg(kHookLimitMs / 1000)
        .arg(kHookMostLines);
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

void RunDriftHooks(const Invocation& invocation, const QString& plant, const QString& repo,
                   const std::vector<AxisDrift>& drift, const QStringList& failed,
                   const QStringList& failures) {
    HookEvent differs{QStringLiteral("drift"), plant, repo, {}, {}, {}};
    for (const AxisDrift& axis : drift) {
        if (!axis.differences.empty()) {
            differs.axes << axis.axis;
            differs.text +=
                axis.Lines(CurrentLanguage()).join(QLatin1Char('\n')) + QLatin1Char('\n');
        }
    }
    if (!differs.axes.isEmpty()) {
        RunHookOf(invocation, differs);
    }
    if (!failures.isEmpty()) {
        RunHookOf(
            invocation,
            {QStringLiteral("failed"), plant, repo, {}, failed, failures.join(QLatin1Char('\n'))});
    }
}
