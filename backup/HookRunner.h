#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// A command the person running tarnctl gave for an event (a backup that
// committed, a run with failures, drift found), run through /bin/sh with
// that person's rights, as a git hook is. Never taken from a plant file,
// which anyone who can edit it could turn into a command.

struct HookEvent {
    QString name;     // "changed", "failed", "drift": TARN_EVENT
    QString plant;    // TARN_PLANT
    QString repo;     // TARN_REPO
    QString commit;   // TARN_COMMIT, left out when empty
    QStringList axes; // TARN_AXES, space-separated
    QString text;     // on its standard input
};

// The most lines of a hook's output shown; the rest are counted.
constexpr int kHookMostLines = 100;
// How long a hook may take before its process group is ended.
constexpr int kHookLimitMs = 60000;

// Runs `command` as `/bin/sh -c command` in a process group of its own,
// with the event in its environment and on its standard input, its
// standard output and error merged. Each line it writes goes to `say`
// prefixed "hook <event>: " (at most kHookMostLines, each cut at 1,000
// characters, then one line counting the rest), and last its end: "結束碼 N",
// "被訊號終止", "N 秒內沒有結束，已終止" or why it could not start.
// Returns true when it exited with 0. Nothing it does changes the caller's
// files or exit code.
bool RunHook(const QString& command, const HookEvent& event,
             const std::function<void(const QString&)>& say, int limitMs = kHookLimitMs);
