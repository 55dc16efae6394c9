#include "backup/GitRepository.h"

#include "backup/PlantText.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// git's own words on failure: every line it wrote to standard error (a
// server's "remote: …" lines included), blank ones left out, at most 20.
QString GitSays(const QByteArray& err) {
    constexpr qsizetype kMostLines = 20;
    QStringList lines;
    for (const QString& line : QString::fromUtf8(err).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && lines.size() < kMostLines) {
            lines << line.trimmed();
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void SetIdentity(QProcessEnvironment& env, const char* role, const GitIdentity& identity) {
    env.insert(QStringLiteral("GIT_%1_NAME").arg(QLatin1String(role)), identity.name);
    env.insert(QStringLiteral("GIT_%1_EMAIL").arg(QLatin1String(role)), identity.email);
}

} // namespace

std::optional<GitIdentity> GitIdentity::Parse(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*([^<>]*[^<>\\s])\\s*<([^<>\\s]+)>\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return GitIdentity{match.captured(1), match.captured(2)};
}

GitRepository::GitRepository(const QString& folder)
    : folder_(QDir::cleanPath(QDir(folder).absolutePath())) {}

QString GitRepository::Program() {
    const QString git = QStandardPaths::findExecutable(QStringLiteral("git"));
    if (git.isEmpty()) {
        throw GitError(PlantText::tr("找不到 git 程式（請安裝 git）"));
    }
    return git;
}

GitRepository::Outcome GitRepository::Try(const QStringList& arguments, const QByteArray& input,
                                          const QProcessEnvironment& extra) const {
    QProcess git;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Never wait for a password or a pager; plain output for reading.
    env.insert(QStringLiteral("GIT_TERMINAL_PROMPT"), QStringLiteral("0"));
    env.insert(QStringLiteral("GIT_OPTIONAL_LOCKS"), QStringLiteral("0"));
    env.insert(QStringLiteral("GIT_PAGER"), QStringLiteral("cat"));
    if (!env.contains(QStringLiteral("GIT_SSH_COMMAND"))) {
        env.insert(QStringLiteral("GIT_SSH_COMMAND"), QStringLiteral("ssh -o BatchMode=yes"));
    }
    for (const QString& key : extra.keys()) {
        env.insert(key, extra.value(key));
    }
    git.setProcessEnvironment(env);
    git.setWorkingDirectory(QFileInfo::exists(folder_) ? folder_ : QDir::rootPath());
    git.start(Program(), QStringList{QStringLiteral("-C"), folder_} + arguments);
    Outcome outcome;
    if (!git.waitForStarted(10000)) {
        outcome.err = git.errorString().toUtf8();
        return outcome;
    }
    git.write(input);
    git.closeWriteChannel();
    git.waitForFinished(-1);
    outcome.out = git.readAllStandardOutput();
    outcome.err = git.readAllStandardError();
    outcome.code = git.exitStatus() == QProcess::NormalExit ? git.exitCode() : -1;
    return outcome;
}

QByteArray GitRepository::Run(const QStringList& arguments, const QByteArray& input,
                              const QProcessEnvironment& extra) const {
    const Outcome outcome = Try(arguments, input, extra);
    if (outcome.code != 0) {
        throw GitError(PlantText::tr("git %1 失敗（%2）：%3")
                           .arg(arguments.first(), folder_, GitSays(outcome.err)));
    }
    return outcome.out;
}

bool GitRepository::Exists() const {
    if (!QFileInfo(folder_).isDir()) {
        return false;
    }
    const Outcome top = Try({QStringLiteral("rev-parse"), QStringLiteral("--show-toplevel")});
    return top.code == 0 && QFileInfo(QString::fromUtf8(top.out.trimmed())).canonicalFilePath() ==
                                QFileInfo(folder_).canonicalFilePath();
}

void GitRepository::RequireExists() const {
    if (!Exists()) {
        throw GitError(PlantText::tr("%1 不是 git 儲存庫").arg(folder_));
    }
}

void GitRepository::RefuseNested() const {
    if (Exists()) {
        return;
    }
    QString existing = folder_;
    while (!QFileInfo(existing).isDir() && existing != QDir::rootPath()) {
        existing = QFileInfo(existing).absolutePath();
    }
    const GitRepository around(QFileInfo(existing).canonicalFilePath());
    if (around.Try({QStringLiteral("rev-parse"), QStringLiteral("--show-toplevel")}).code == 0) {
        throw GitError(PlantText::tr("%1 在另一個 git 儲存庫之中，不在此建立儲存庫").arg(folder_));
    }
}

QStringList GitRepository::LockFiles() const {
    QStringList found;
    for (const char* name : {"index.lock", "HEAD.lock"}) {
        const QString file = QDir(folder_).filePath(QStringLiteral(".git/") + QLatin1String(name));
        if (QFileInfo::exists(file)) {
            found << file;
        }
    }
    return found;
}

void GitRepository::OpenOrCreate() {
    if (Exists()) {
        return;
    }
    RefuseNested();
    if (!QDir().mkpath(folder_)) {
        throw GitError(PlantText::tr("無法建立資料夾 %1").arg(folder_));
    }
    Run({QStringLiteral("init"), QStringLiteral("-q")});
}

QStringList GitRepository::Uncommitted(const QStringList& paths) const {
    const QByteArray status =
        Run(QStringList{QStringLiteral("status"), QStringLiteral("--porcelain=v1"),
                        QStringLiteral("-z"), QStringLiteral("--untracked-files=all"),
                        QStringLiteral("--no-renames"), QStringLiteral("--")} +
            paths);
    QStringList found;
    for (const QByteArray& entry : status.split('\0')) {
        if (entry.size() > 3) {
            found << QString::fromUtf8(entry.mid(3));
        }
    }
    return found;
}

std::optional<GitIdentity> GitRepository::ConfiguredIdentity() const {
    const Outcome name =
        Try({QStringLiteral("config"), QStringLiteral("--get"), QStringLiteral("user.name")});
    const Outcome email =
        Try({QStringLiteral("config"), QStringLiteral("--get"), QStringLiteral("user.email")});
    if (name.code != 0 || email.code != 0) {
        return std::nullopt;
    }
    const QString n = QString::fromUtf8(name.out.trimmed());
    const QString e = QString::fromUtf8(email.out.trimmed());
    if (n.isEmpty() || e.isEmpty()) {
        return std::nullopt;
    }
    return GitIdentity{n, e};
}

void GitRepository::SetConfig(const QString& key, const QString& value) const {
    Run({QStringLiteral("config"), QStringLiteral("--local"), key, value});
}

QString GitRepository::CommitPaths(const QStringList& paths, const QString& message,
                                   const GitIdentity& author, const GitIdentity& committer) const {
    const Outcome head = Try({QStringLiteral("rev-parse"), QStringLiteral("-q"),
                              QStringLiteral("--verify"), QStringLiteral("HEAD^{commit}")});
    const QString parent = head.code == 0 ? QString::fromUtf8(head.out.trimmed()) : QString();

    // A scratch index from HEAD plus these paths: what else the real index
    // holds (a person's staged work) stays out of the commit.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        throw GitError(PlantText::tr("無法建立暫存資料夾：%1").arg(scratch.errorString()));
    }
    QProcessEnvironment index;
    index.insert(QStringLiteral("GIT_INDEX_FILE"), scratch.filePath(QStringLiteral("index")));
    Run(parent.isEmpty() ? QStringList{QStringLiteral("read-tree"), QStringLiteral("--empty")}
                         : QStringList{QStringLiteral("read-tree"), parent},
        {}, index);
    const QStringList add = QStringList{QStringLiteral("update-index"), QStringLiteral("--add"),
                                        QStringLiteral("--remove"), QStringLiteral("--")} +
                            paths;
    Run(add, {}, index);
    const QString tree =
        QString::fromUtf8(Run({QStringLiteral("write-tree")}, {}, index).trimmed());

    QProcessEnvironment who;
    SetIdentity(who, "AUTHOR", author);
    SetIdentity(who, "COMMITTER", committer);
    QStringList commitTree{QStringLiteral("commit-tree"), tree};
    if (!parent.isEmpty()) {
        commitTree << QStringLiteral("-p") << parent;
    }
    commitTree << QStringLiteral("-F") << QStringLiteral("-");
    const QString commit = QString::fromUtf8(Run(commitTree, message.toUtf8(), who).trimmed());
    // Moves the branch only if nobody else moved it meanwhile.
    Run({QStringLiteral("update-ref"), QStringLiteral("-m"),
         QStringLiteral("tarnctl: ") + message.section(QLatin1Char('\n'), 0, 0),
         QStringLiteral("HEAD"), commit, parent});
    // The real index learns the committed state of these paths only; when
    // it cannot, the branch goes back, so index and HEAD stay in step.
    try {
        Run(add);
    } catch (const GitError&) {
        Try(parent.isEmpty() ? QStringList{QStringLiteral("update-ref"), QStringLiteral("-d"),
                                           QStringLiteral("HEAD"), commit}
                             : QStringList{QStringLiteral("update-ref"), QStringLiteral("HEAD"),
                                           parent, commit});
        throw;
    }
    return commit;
}

std::optional<QString> GitRepository::Push(const QString& remote) const {
    const Outcome branch =
        Try({QStringLiteral("symbolic-ref"), QStringLiteral("-q"), QStringLiteral("HEAD")});
    if (branch.code != 0) {
        return PlantText::tr("HEAD 不在分支上");
    }
    const QString ref = QString::fromUtf8(branch.out.trimmed());
    const Outcome push = Try(
        {QStringLiteral("push"), QStringLiteral("-q"), remote, QStringLiteral("%1:%1").arg(ref)});
    if (push.code == 0) {
        return std::nullopt;
    }
    return GitSays(push.err);
}

QByteArray GitRepository::FileAt(const QString& revision, const QString& path) const {
    const Outcome blob = Try({QStringLiteral("cat-file"), QStringLiteral("blob"),
                              QStringLiteral("%1:%2").arg(revision, path)});
    if (blob.code != 0) {
        throw GitError(PlantText::tr("儲存庫 %1 的 %2 沒有 %3").arg(folder_, revision, path));
    }
    return blob.out;
}

QString GitRepository::CommitId(const QString& revision) const {
    const Outcome id = Try({QStringLiteral("rev-parse"), QStringLiteral("-q"),
                            QStringLiteral("--verify"), revision + QStringLiteral("^{commit}")});
    if (id.code != 0) {
        throw GitError(PlantText::tr("儲存庫 %1 沒有 %2 這個版本").arg(folder_, revision));
    }
    return QString::fromUtf8(id.out.trimmed());
}

QString GitRepository::CommitBlobsOnBranch(const QString& branch,
                                           const std::optional<QString>& base,
                                           const std::vector<std::pair<QString, QString>>& blobs,
                                           const QString& message, const GitIdentity& author,
                                           const GitIdentity& committer) const {
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        throw GitError(PlantText::tr("無法建立暫存資料夾：%1").arg(scratch.errorString()));
    }
    QProcessEnvironment index;
    index.insert(QStringLiteral("GIT_INDEX_FILE"), scratch.filePath(QStringLiteral("index")));
    Run(base ? QStringList{QStringLiteral("read-tree"), *base}
             : QStringList{QStringLiteral("read-tree"), QStringLiteral("--empty")},
        {}, index);
    QByteArray entries;
    for (const auto& [path, blob] : blobs) {
        entries += "100644 " + blob.toUtf8() + '\t' + path.toUtf8() + '\0';
    }
    Run({QStringLiteral("update-index"), QStringLiteral("-z"), QStringLiteral("--index-info")},
        entries, index);
    const QString tree =
        QString::fromUtf8(Run({QStringLiteral("write-tree")}, {}, index).trimmed());
    QProcessEnvironment who;
    SetIdentity(who, "AUTHOR", author);
    SetIdentity(who, "COMMITTER", committer);
    QStringList commitTree{QStringLiteral("commit-tree"), tree};
    if (base) {
        commitTree << QStringLiteral("-p") << *base;
    }
    commitTree << QStringLiteral("-F") << QStringLiteral("-");
    const QString commit = QString::fromUtf8(Run(commitTree, message.toUtf8(), who).trimmed());
    // The branch moves only from `base`: a release made meanwhile is not lost.
    Run({QStringLiteral("update-ref"), QStringLiteral("-m"),
         QStringLiteral("tarnctl: ") + message.section(QLatin1Char('\n'), 0, 0),
         QStringLiteral("refs/heads/") + branch, commit, base.value_or(QString(40, QLatin1Char('0')))});
    return commit;
}

std::optional<QString> GitRepository::PushBranch(const QString& remote,
                                                 const QString& branch) const {
    const Outcome push = Try({QStringLiteral("push"), QStringLiteral("-q"), remote,
                              QStringLiteral("refs/heads/%1:refs/heads/%1").arg(branch)});
    if (push.code == 0) {
        return std::nullopt;
    }
    return GitSays(push.err);
}

std::optional<QString> GitRepository::FindCommit(const QString& revision) const {
    const Outcome id = Try({QStringLiteral("rev-parse"), QStringLiteral("-q"),
                            QStringLiteral("--verify"), QStringLiteral("--end-of-options"),
                            revision + QStringLiteral("^{commit}")});
    if (id.code != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(id.out.trimmed());
}

bool GitRepository::IsAncestor(const QString& ancestor, const QString& descendant) const {
    return Try({QStringLiteral("merge-base"), QStringLiteral("--is-ancestor"), ancestor,
                descendant})
               .code == 0;
}

std::vector<std::optional<QByteArray>> GitRepository::FilesAt(const QStringList& revisionPaths) const {
    std::vector<std::optional<QByteArray>> files;
    if (revisionPaths.isEmpty()) {
        return files;
    }
    const QByteArray batch = Run({QStringLiteral("cat-file"), QStringLiteral("--batch")},
                                 revisionPaths.join(QLatin1Char('\n')).toUtf8() + '\n');
    qsizetype pos = 0;
    while (pos < batch.size() && files.size() < size_t(revisionPaths.size())) {
        const qsizetype end = batch.indexOf('\n', pos);
        if (end < 0) {
            break;
        }
        const QList<QByteArray> header = batch.mid(pos, end - pos).split(' ');
        pos = end + 1;
        if (header.size() != 3 || header[1] != "blob") {
            // "<revision:path> missing", or a tree where a file was looked for
            if (header.size() == 3) {
                pos += header[2].toLongLong() + 1;
            }
            files.push_back(std::nullopt);
            continue;
        }
        const qsizetype size = header[2].toLongLong();
        files.push_back(batch.mid(pos, size));
        pos += size + 1;
    }
    files.resize(size_t(revisionPaths.size()));
    return files;
}
