#pragma once

#include "backup/PlantHistory.h"
#include "values/ParameterValues.h"
#include "web/GitObjects.h"

#include <QByteArray>
#include <QCache>
#include <QHash>
#include <QMap>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// A backup repository as the web pages read it: the commits of the current
// branch (first parents, newest first), which axis files each one changed,
// and the values of a file, all through one GitObjects. Commits and trees
// never change once written, so what was read is kept; HEAD is read again
// at every Current(), so a backup made meanwhile shows at the next request.

// One axis file a commit changed.
struct AxisFileChange {
    QString axis;      // "M01/X"
    QByteArray before; // blob id; empty: the axis's first backup
    QByteArray after;  // blob id; empty: the file was removed
};

struct CommitEntry {
    QByteArray id;
    qint64 time = 0; // author time, seconds since the epoch
    QString date;    // "2026-12-09 21:50:03 +0800", as `history` writes it
    QString message;
    std::vector<AxisFileChange> files; // in path order

    QString Subject() const { return message.section(QLatin1Char('\n'), 0, 0); }
    // The commit message's failure line for `axis` ("M01/X 無回應：…"): its
    // text after the colon; empty when the message names no failure.
    QString FailureOf(const QString& axis) const;
};

struct RepositorySnapshot {
    QByteArray head; // empty: no commit yet
    std::shared_ptr<const std::vector<CommitEntry>> commits;
    QMap<QString, QByteArray> axes; // at HEAD: axis → blob id
};

class RepositoryIndex {
public:
    explicit RepositoryIndex(const QString& folder);

    const QString& Folder() const { return folder_; }

    // The repository as it is now. Throws GitError when git cannot be run.
    RepositorySnapshot Current();

    // The commit a revision text names ("HEAD~2", a prefix); nullopt when none.
    std::optional<QByteArray> CommitOf(const QString& revision);
    // The axis files of a commit: axis → blob id.
    QMap<QString, QByteArray> AxesOf(const QByteArray& commit);
    // A blob's bytes; nullopt when there is none.
    std::optional<QByteArray> BlobBytes(const QByteArray& blob);
    // A blob's values, checked as a load checks a file; nullopt for a file
    // the check refuses.
    std::optional<ParameterValues> ValuesOf(const QByteArray& blob);
    // The parameter changes of one file change, in file order (none for a
    // first backup, a removal or a file the check refuses).
    std::vector<ParameterChange> ChangesOf(const CommitEntry& commit, const AxisFileChange& file);

private:
    struct Parsed {
        QByteArray tree;
        QByteArray parent;
        CommitEntry entry;
    };
    std::optional<Parsed> ParseCommit(const QByteArray& id);
    QMap<QString, QByteArray> AxesOfTree(const QByteArray& tree);

    QString folder_;
    GitObjects git_;
    std::mutex mutex_; // guards everything below
    RepositorySnapshot current_;
    QHash<QByteArray, QMap<QString, QByteArray>> rootTrees_;
    QHash<QByteArray, QMap<QString, QByteArray>> machineTrees_;
    QCache<QByteArray, std::optional<ParameterValues>> values_;
    QHash<QByteArray, std::vector<ParameterChange>> changes_; // by before+after
};
