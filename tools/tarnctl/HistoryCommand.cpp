#include "Command.h"
#include "ExitCode.h"
#include "GitRepository.h"
#include "Output.h"
#include "ParameterText.h"
#include "ParameterWords.h"
#include "PlantPorts.h"
#include "catalogue/SheetRanges.h"
#include "files/PlantFile.h"

#include <QHash>
#include <optional>

// tarnctl history --repo DIR: every parameter change between successive
// backups of each axis, newest first, from the repository's history.

namespace {

const QString kRepo = QStringLiteral("repo");
const QString kAxis = QStringLiteral("axis");
const QString kParam = QStringLiteral("param");
const QByteArray kNoBlob(40, '0');

// One backup that changed an axis's file: the file's blobs before and after.
struct FileChange {
    QString commit;
    QString date;
    QString axis; // "M01/X"
    QByteArray before;
    QByteArray after;
};

// The commits that modified a .tarn file, newest first. A file's first
// appearance is its axis's start, not a change, and is left out.
std::vector<FileChange> FileChanges(const GitRepository& repo, const QString& pathspec) {
    // NUL-separated: otherwise git quotes a path with bytes outside ASCII.
    const QByteArray log = repo.Run(
        {QStringLiteral("log"), QStringLiteral("-z"), QStringLiteral("--no-renames"),
         QStringLiteral("--raw"), QStringLiteral("--no-abbrev"), QStringLiteral("--date=iso"),
         QStringLiteral("--format=%x01%H%x09%ad"), QStringLiteral("--"), pathspec});
    std::vector<FileChange> changes;
    QString commit;
    QString date;
    const QList<QByteArray> tokens = log.split('\0');
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QByteArray token = tokens[i].startsWith('\n') ? tokens[i].mid(1) : tokens[i];
        if (token.startsWith('\x01')) {
            const QList<QByteArray> parts = token.mid(1).split('\t');
            commit = QString::fromUtf8(parts.value(0));
            date = QString::fromUtf8(parts.value(1));
        } else if (token.startsWith(':') && i + 1 < tokens.size()) {
            // ":100644 100644 <old> <new> M", then the path
            const QList<QByteArray> meta = token.split(' ');
            const QString path = QString::fromUtf8(tokens[++i]);
            if (meta.size() >= 5 && meta[4] == "M" && meta[2] != kNoBlob &&
                path.endsWith(QLatin1String(".tarn"))) {
                changes.push_back({commit, date, path.chopped(5), meta[2], meta[3]});
            }
        }
    }
    return changes;
}

// The values of every blob named, read through one `git cat-file --batch`;
// a blob that is not a parameter file the check accepts is left out.
QHash<QByteArray, ParameterValues> BlobValues(const GitRepository& repo,
                                              const std::vector<FileChange>& changes) {
    QByteArray request;
    for (const FileChange& change : changes) {
        request += change.before + '\n' + change.after + '\n';
    }
    const QByteArray batch =
        repo.Run({QStringLiteral("cat-file"), QStringLiteral("--batch")}, request);
    QHash<QByteArray, ParameterValues> values;
    qsizetype pos = 0;
    while (pos < batch.size()) {
        const qsizetype end = batch.indexOf('\n', pos);
        if (end < 0) {
            break;
        }
        const QList<QByteArray> header = batch.mid(pos, end - pos).split(' ');
        pos = end + 1;
        if (header.size() != 3) {
            continue; // "<id> missing"
        }
        const qsizetype size = header[2].toLongLong();
        if (!values.contains(header[0])) {
            try {
                values.insert(header[0], ParameterValuesOfBytes(batch.mid(pos, size),
                                                                QString::fromLatin1(header[0])));
            } catch (const EFileError&) {
                // A file edited by hand into something else: no changes from it.
            }
        }
        pos += size + 1;
    }
    return values;
}

int RunHistory(const Invocation& invocation) {
    if (!invocation.arguments.isEmpty()) {
        throw UsageError(QStringLiteral("history 不需要引數（用 --repo、--axis、--param）"));
    }
    if (invocation.Value(kRepo).isEmpty()) {
        throw UsageError(QStringLiteral("history 需要 --repo 資料夾"));
    }
    QString pathspec = QStringLiteral("*.tarn");
    if (invocation.IsSet(kAxis)) {
        const QStringList parts = invocation.Value(kAxis).split(QLatin1Char('/'));
        if (parts.size() != 2 || !IsSafePlantName(parts[0]) || !IsSafePlantName(parts[1])) {
            throw UsageError(QStringLiteral("--axis 要寫成 機台/軸（例如 M01/X）：%1")
                                 .arg(invocation.Value(kAxis)));
        }
        pathspec = invocation.Value(kAxis) + QStringLiteral(".tarn");
    }
    std::optional<quint16> only;
    if (invocation.IsSet(kParam)) {
        only = ParameterArgument(invocation.Value(kParam));
    }
    try {
        const GitRepository repo(invocation.Value(kRepo));
        if (!repo.Exists()) {
            throw GitError(QStringLiteral("%1 不是 git 儲存庫").arg(repo.Folder()));
        }
        // Names compared exactly, as restore compares them with the plant's.
        if (invocation.IsSet(kAxis) &&
            repo.Run({QStringLiteral("log"), QStringLiteral("-1"), QStringLiteral("--format=%H"),
                      QStringLiteral("--"), pathspec})
                .trimmed()
                .isEmpty()) {
            throw UsageError(NoSuchAxisMessage(QStringLiteral("儲存庫 ") + repo.Folder(),
                                               invocation.Value(kAxis)));
        }
        const std::vector<FileChange> changes = FileChanges(repo, pathspec);
        const QHash<QByteArray, ParameterValues> values = BlobValues(repo, changes);
        for (const FileChange& change : changes) {
            if (!values.contains(change.before) || !values.contains(change.after)) {
                continue;
            }
            const ParameterValues& before = values[change.before];
            const ParameterValues& after = values[change.after];
            for (int slot = 0; slot < kSlotCount; ++slot) {
                const quint16 number = NumberOfSlot(slot);
                if (before[size_t(slot)] != after[size_t(slot)] && (!only || *only == number)) {
                    PrintOut(
                        QStringLiteral("%1 %2 %3 %4")
                            .arg(change.date, change.commit.left(10), change.axis,
                                 ChangeLine(number, before[size_t(slot)], after[size_t(slot)])));
                }
            }
        }
    } catch (const GitError& error) {
        PrintErr(QStringLiteral("tarnctl: ") + error.Text());
        return kExitFileRefused;
    }
    return kExitSuccess;
}

} // namespace

Command HistoryCommand() {
    Command command;
    command.name = QStringLiteral("history");
    command.usages = {QStringLiteral("history --repo DIR [--axis M01/X] [--param 100]")};
    command.summary = QStringLiteral("從備份儲存庫的歷史列出參數的變更，最新的在前");
    command.description = QStringLiteral(
        "讀取 tarnctl backup 的儲存庫歷史，同一軸前後兩次備份之間每個變更的參數一行，\n"
        "最新的在前：日期、提交、機台/軸、編號、說明、舊值 → 新值（表格的顯示值）、單位，\n"
        "例如「2026-12-09 21:50:03 +0800 1a2b3c4d5e M01/X Pn100 KVP1 400 → 500 0.1Hz」。\n"
        "一軸的第一次備份是起點，不算變更。--axis 只列一軸（名稱要完全相同，儲存庫從來\n"
        "沒有這一軸時為用法錯誤，同 restore），--param 只列一個參數。\n"
        "結束碼：0 成功，2 用法錯誤，5 不是儲存庫。");
    command.options = {
        QCommandLineOption(kRepo, QStringLiteral("備份的 git 儲存庫資料夾"), QStringLiteral("DIR")),
        QCommandLineOption(kAxis, QStringLiteral("只列這一軸（機台/軸）"), QStringLiteral("M01/X")),
        QCommandLineOption(kParam, QStringLiteral("只列這個參數"), QStringLiteral("N")),
    };
    command.examples = {QStringLiteral("tarnctl history --repo backup"),
                        QStringLiteral("tarnctl history --repo backup --axis M01/X --param 100")};
    command.ports = PortUse::None;
    command.run = RunHistory;
    return command;
}
