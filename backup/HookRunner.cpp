#include "backup/HookRunner.h"

#include "backup/PlantText.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <csignal>
#include <unistd.h>

namespace {

constexpr qsizetype kLongestLine = 1000;

// Collects whole lines up to the limit and counts the rest, so a hook that
// writes megabytes costs no memory.
class HookOutput {
public:
    HookOutput(const QString& prefix, const std::function<void(const QString&)>& say)
        : prefix_(prefix), say_(say) {}

    void Take(const QByteArray& bytes) {
        for (const char c : bytes) {
            if (c == '\n') {
                EndLine();
            } else if (shown_ < kHookMostLines && line_.size() < kLongestLine * 4) {
                line_ += c;
            } else {
                pending_ = true;
            }
        }
    }

    void Finish() {
        if (!line_.isEmpty() || pending_) {
            EndLine();
        }
        if (skipped_ > 0) {
            say_(prefix_ + PlantText::tr("（另有 %1 行沒有顯示）").arg(skipped_));
        }
    }

private:
    void EndLine() {
        if (shown_ < kHookMostLines) {
            say_(prefix_ + QString::fromUtf8(line_).left(kLongestLine));
            ++shown_;
        } else {
            ++skipped_;
        }
        line_.clear();
        pending_ = false;
    }

    QString prefix_;
    const std::function<void(const QString&)>& say_;
    QByteArray line_;
    bool pending_ = false;
    int shown_ = 0;
    qint64 skipped_ = 0;
};

void EndGroup(QProcess& shell) {
    const qint64 group = shell.processId();
    if (group > 0) {
        ::kill(pid_t(-group), SIGTERM);
        if (!shell.waitForFinished(2000)) {
            ::kill(pid_t(-group), SIGKILL);
            shell.waitForFinished(2000);
        }
    }
}

} // namespace

bool RunHook(const QString& command, const HookEvent& event,
             const std::function<void(const QString&)>& say, int limitMs) {
    const QString prefix = QStringLiteral("hook %1: ").arg(event.name);
    QProcess shell;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARN_EVENT"), event.name);
    env.insert(QStringLiteral("TARN_PLANT"), event.plant);
    env.insert(QStringLiteral("TARN_REPO"), event.repo);
    env.remove(QStringLiteral("TARN_COMMIT"));
    if (!event.commit.isEmpty()) {
        env.insert(QStringLiteral("TARN_COMMIT"), event.commit);
    }
    env.insert(QStringLiteral("TARN_AXES"), event.axes.join(QLatin1Char(' ')));
    shell.setProcessEnvironment(env);
    shell.setProcessChannelMode(QProcess::MergedChannels);
    // A group of its own: everything it starts can be ended with it.
    shell.setChildProcessModifier([] { ::setpgid(0, 0); });
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!shell.waitForStarted(10000)) {
        say(prefix + PlantText::tr("無法執行：%1").arg(shell.errorString()));
        return false;
    }
    shell.write(event.text.toUtf8());
    shell.closeWriteChannel();
    HookOutput output(prefix, say);
    const QDeadlineTimer deadline(limitMs);
    bool timedOut = false;
    while (shell.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            timedOut = true;
            EndGroup(shell);
            break;
        }
        shell.waitForReadyRead(int(std::min<qint64>(deadline.remainingTime(), 200)));
        output.Take(shell.readAll());
    }
    output.Take(shell.readAll());
    output.Finish();
    if (timedOut) {
        say(prefix + PlantText::tr("%1 秒內沒有結束，已終止").arg(limitMs / 1000.0));
        return false;
    }
    if (shell.exitStatus() == QProcess::CrashExit) {
        say(prefix + PlantText::tr("被訊號終止"));
        return false;
    }
    say(prefix + PlantText::tr("結束碼 %1").arg(shell.exitCode()));
    return shell.exitCode() == 0;
}
