#pragma once

#include "core/TarnError.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// A repository the git program keeps, run as a process: the same program
// whose text conversion makes `git log -p` read as parameters, so both
// see one repository. Plumbing commands only where files are written, so
// nothing but the paths handed over is ever staged or committed.

// git could not do what was asked; the text ends with all git said.
class GitError : public TarnError {
    using TarnError::TarnError;
};

// Who a commit is by: "Name <email>".
struct GitIdentity {
    QString name;
    QString email;

    QString Text() const { return QStringLiteral("%1 <%2>").arg(name, email); }
    // "Name <email>" as --author takes it; nullopt for any other form.
    static std::optional<GitIdentity> Parse(const QString& text);
};

class GitRepository {
public:
    // The repository whose work tree is `folder` (which need not exist yet).
    explicit GitRepository(const QString& folder);

    const QString& Folder() const { return folder_; }

    // True when `folder` is the top of a git work tree.
    bool Exists() const;
    // Throws GitError "DIR 不是 git 儲存庫" unless Exists(): for readers of a
    // repository, which never create one.
    void RequireExists() const;
    // Throws GitError when the folder is not a repository's top but lies
    // inside another repository's work tree; a folder not there yet is
    // judged by its nearest existing parent, links resolved.
    void RefuseNested() const;
    // Creates the folder and an empty repository in it when there is none;
    // throws GitError when the folder is inside another repository's work
    // tree or git fails.
    void OpenOrCreate();

    // The lock files a git program leaves while it writes (index.lock,
    // HEAD.lock) that are there now; a git that died leaves them behind.
    QStringList LockFiles() const;

    // The paths among `paths` (relative, '/'-separated) whose work-tree or
    // index state differs from the last commit, untracked ones included.
    QStringList Uncommitted(const QStringList& paths) const;

    // user.name and user.email from git's configuration, when both are set.
    std::optional<GitIdentity> ConfiguredIdentity() const;

    // Sets a value in this repository's own configuration.
    void SetConfig(const QString& key, const QString& value) const;

    // Commits the work tree's state of `paths` on top of HEAD (or as the
    // first commit) and nothing else, whatever else is staged; the index
    // then holds the same for those paths. Returns the commit's id. Throws
    // GitError when HEAD moved meanwhile or git fails; HEAD is then where it
    // was.
    QString CommitPaths(const QStringList& paths, const QString& message, const GitIdentity& author,
                        const GitIdentity& committer) const;

    // Pushes the current branch to `remote` (a remote's name, URL or path).
    // Returns git's reason when it refused (every line it wrote, at most
    // 20), nullopt when pushed.
    std::optional<QString> Push(const QString& remote) const;

    // Commits the tree of `base` (empty when absent) with each of `blobs`
    // (path, blob id) put in, on `branch` (refs/heads/<branch>), whose tip
    // must still be `base`; the work tree, the index and HEAD stay as they
    // are. Returns the commit's id; throws GitError.
    QString CommitBlobsOnBranch(const QString& branch, const std::optional<QString>& base,
                                const std::vector<std::pair<QString, QString>>& blobs,
                                const QString& message, const GitIdentity& author,
                                const GitIdentity& committer) const;

    // Pushes `branch` (refs/heads/<branch>) to `remote`; as Push.
    std::optional<QString> PushBranch(const QString& remote, const QString& branch) const;

    // The commit `revision` names, nullopt when it names none.
    std::optional<QString> FindCommit(const QString& revision) const;
    // True when commit `ancestor` is `descendant` or one of its ancestors.
    bool IsAncestor(const QString& ancestor, const QString& descendant) const;

    // The contents of each "revision:path" in `revisionPaths`, read through one
    // `git cat-file --batch`; nullopt where there is no such file.
    std::vector<std::optional<QByteArray>> FilesAt(const QStringList& revisionPaths) const;

    // The bytes of `path` as of `revision`; throws GitError when there is none.
    QByteArray FileAt(const QString& revision, const QString& path) const;
    // The full id of the commit `revision` names; throws GitError.
    QString CommitId(const QString& revision) const;

    // Runs git in the folder; throws GitError naming `what` when it fails.
    QByteArray Run(const QStringList& arguments, const QByteArray& input = {},
                   const QProcessEnvironment& extra = {}) const;

    // The git program's path; throws GitError when it is not installed.
    static QString Program();

private:
    struct Outcome {
        int code = -1;
        QByteArray out;
        QByteArray err;
    };
    Outcome Try(const QStringList& arguments, const QByteArray& input = {},
                const QProcessEnvironment& extra = {}) const;

    QString folder_;
};
