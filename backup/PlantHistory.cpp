#include "backup/PlantHistory.h"

#include "backup/ParameterWords.h"
#include "catalogue/SheetRanges.h"
#include "values/ValueWords.h"

#include <QHash>

namespace {

const QByteArray kNoBlob(40, '0');

// One backup that changed an axis's file: the file's blobs before and after.
struct FileChange {
    QString commit;
    QString date;
    QString axis; // "M01/X"
    QByteArray before;
    QByteArray after;
};

QString PathspecOf(const QString& axis) {
    return axis.isEmpty() ? QStringLiteral("*.tarn") : axis + QStringLiteral(".tarn");
}

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

} // namespace

QString ParameterChange::Line(Language language) const {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(date, commit.left(10), axis,
             ChangeLine(number, before, after, ChangeNaming::NumberAndDescription, language));
}

bool RepositoryHeldAxis(const GitRepository& repo, const QString& axis) {
    return !repo.Run({QStringLiteral("log"), QStringLiteral("-1"), QStringLiteral("--format=%H"),
                      QStringLiteral("--"), PathspecOf(axis)})
                .trimmed()
                .isEmpty();
}

std::vector<ParameterChange> ParameterChanges(const GitRepository& repo, const QString& axis,
                                              std::optional<quint16> only) {
    const std::vector<FileChange> files = FileChanges(repo, PathspecOf(axis));
    const QHash<QByteArray, ParameterValues> values = BlobValues(repo, files);
    std::vector<ParameterChange> changes;
    for (const FileChange& file : files) {
        if (!values.contains(file.before) || !values.contains(file.after)) {
            continue;
        }
        const ParameterValues& before = values[file.before];
        const ParameterValues& after = values[file.after];
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const quint16 number = NumberOfSlot(slot);
            if (before[size_t(slot)] != after[size_t(slot)] && (!only || *only == number)) {
                changes.push_back({file.date, file.commit, file.axis, number, before[size_t(slot)],
                                   after[size_t(slot)]});
            }
        }
    }
    return changes;
}

CommittedValues AxisValuesAt(const GitRepository& repo, const QString& revision,
                             const PlantAxis& axis) {
    CommittedValues committed;
    committed.commit = repo.CommitId(revision);
    committed.values = ParameterValuesOfBytes(
        repo.FileAt(committed.commit, axis.FilePath()),
        QStringLiteral("%1:%2").arg(committed.commit.left(10), axis.FilePath()));
    return committed;
}
