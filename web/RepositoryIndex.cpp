#include "web/RepositoryIndex.h"

#include "backup/ParameterWords.h"
#include "catalogue/SheetRanges.h"
#include "core/TarnError.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

// "<mode> <name>\0<20 bytes>" entries: name → (is a tree, hex id).
struct TreeEntry {
    QString name;
    bool tree = false;
    QByteArray id;
};

std::vector<TreeEntry> ParseTree(const QByteArray& data) {
    std::vector<TreeEntry> entries;
    qsizetype pos = 0;
    while (pos < data.size()) {
        const qsizetype space = data.indexOf(' ', pos);
        const qsizetype nul = data.indexOf('\0', pos);
        if (space < 0 || nul < 0 || nul + 21 > data.size()) {
            break;
        }
        const QByteArray mode = data.mid(pos, space - pos);
        entries.push_back({QString::fromUtf8(data.mid(space + 1, nul - space - 1)), mode == "40000",
                           data.mid(nul + 1, 20).toHex()});
        pos = nul + 21;
    }
    return entries;
}

// "Name <email> 1765290603 +0800" → time and the date as git's iso form.
void ParseAuthor(const QByteArray& line, CommitEntry* entry) {
    const QList<QByteArray> tail = line.mid(line.lastIndexOf('>') + 1).trimmed().split(' ');
    entry->time = tail.value(0).toLongLong();
    const QByteArray zone = tail.value(1);
    const int sign = zone.startsWith('-') ? -1 : 1;
    const int hours = zone.mid(1, 2).toInt();
    const int minutes = zone.mid(3, 2).toInt();
    const QDateTime when =
        QDateTime::fromSecsSinceEpoch(entry->time, QTimeZone(sign * (hours * 3600 + minutes * 60)));
    entry->date = when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + QString::fromLatin1(zone);
}

} // namespace

QString CommitEntry::FailureOf(const QString& axis) const {
    const QString mark = axis + QStringLiteral(" 無回應：");
    for (const QString& line : message.split(QLatin1Char('\n'))) {
        if (line.startsWith(mark)) {
            return line.mid(mark.size());
        }
    }
    return {};
}

RepositoryIndex::RepositoryIndex(const QString& folder)
    : folder_(folder), git_(folder), values_(256) {}

std::optional<RepositoryIndex::Parsed> RepositoryIndex::ParseCommit(const QByteArray& id) {
    const std::optional<GitObjects::Object> object = git_.Read(id);
    if (!object || object->type != "commit") {
        return std::nullopt;
    }
    Parsed parsed;
    parsed.entry.id = object->id;
    const qsizetype blank = object->data.indexOf("\n\n");
    const QByteArray head = blank < 0 ? object->data : object->data.left(blank);
    parsed.entry.message =
        blank < 0 ? QString() : QString::fromUtf8(object->data.mid(blank + 2)).trimmed();
    for (const QByteArray& line : head.split('\n')) {
        if (line.startsWith("tree ")) {
            parsed.tree = line.mid(5);
        } else if (line.startsWith("parent ") && parsed.parent.isEmpty()) {
            parsed.parent = line.mid(7);
        } else if (line.startsWith("author ")) {
            ParseAuthor(line, &parsed.entry);
        }
    }
    return parsed;
}

QMap<QString, QByteArray> RepositoryIndex::AxesOfTree(const QByteArray& tree) {
    const auto known = rootTrees_.constFind(tree);
    if (known != rootTrees_.constEnd()) {
        return *known;
    }
    QMap<QString, QByteArray> axes;
    const std::optional<GitObjects::Object> root = git_.Read(tree);
    for (const TreeEntry& machine : root ? ParseTree(root->data) : std::vector<TreeEntry>{}) {
        if (!machine.tree) {
            continue;
        }
        auto files = machineTrees_.constFind(machine.id);
        if (files == machineTrees_.constEnd()) {
            QMap<QString, QByteArray> found;
            const std::optional<GitObjects::Object> object = git_.Read(machine.id);
            for (const TreeEntry& file :
                 object ? ParseTree(object->data) : std::vector<TreeEntry>{}) {
                if (!file.tree && file.name.endsWith(QLatin1String(".tarn"))) {
                    found.insert(file.name.chopped(5), file.id);
                }
            }
            files = machineTrees_.insert(machine.id, found);
        }
        for (auto file = files->constBegin(); file != files->constEnd(); ++file) {
            axes.insert(machine.name + QLatin1Char('/') + file.key(), file.value());
        }
    }
    rootTrees_.insert(tree, axes);
    return axes;
}

RepositorySnapshot RepositoryIndex::Current() {
    const std::lock_guard<std::mutex> hold(mutex_);
    const std::optional<GitObjects::Object> head = git_.Read("HEAD");
    if (!head) {
        return {QByteArray(), std::make_shared<const std::vector<CommitEntry>>(), {}};
    }
    if (head->id == current_.head) {
        return current_;
    }
    // The commits since the last head read, newest first; all of them when
    // the branch no longer contains that head.
    std::vector<CommitEntry> fresh;
    QByteArray id = head->id;
    QMap<QString, QByteArray> headAxes;
    bool joined = false;
    std::optional<Parsed> parsed = ParseCommit(id);
    if (parsed) {
        headAxes = AxesOfTree(parsed->tree);
    }
    while (parsed) {
        if (id == current_.head) {
            joined = true;
            break;
        }
        const QMap<QString, QByteArray> after = AxesOfTree(parsed->tree);
        std::optional<Parsed> parent;
        QMap<QString, QByteArray> before;
        if (!parsed->parent.isEmpty()) {
            parent = ParseCommit(parsed->parent);
            if (parent) {
                before = AxesOfTree(parent->tree);
            }
        }
        CommitEntry entry = parsed->entry;
        QStringList paths = after.keys() + before.keys();
        paths.removeDuplicates();
        paths.sort();
        for (const QString& axis : paths) {
            if (after.value(axis) != before.value(axis)) {
                entry.files.push_back({axis, before.value(axis), after.value(axis)});
            }
        }
        fresh.push_back(std::move(entry));
        id = parsed->parent;
        parsed = std::move(parent);
    }
    auto commits = std::make_shared<std::vector<CommitEntry>>(std::move(fresh));
    if (joined && current_.commits) {
        commits->insert(commits->end(), current_.commits->begin(), current_.commits->end());
    }
    current_ = {head->id, commits, headAxes};
    return current_;
}

std::optional<QByteArray> RepositoryIndex::CommitOf(const QString& revision) {
    const std::optional<GitObjects::Object> object =
        git_.Read(revision.toUtf8() + QByteArrayLiteral("^{commit}"));
    if (!object || object->type != "commit") {
        return std::nullopt;
    }
    return object->id;
}

QMap<QString, QByteArray> RepositoryIndex::AxesOf(const QByteArray& commit) {
    const std::lock_guard<std::mutex> hold(mutex_);
    const std::optional<Parsed> parsed = ParseCommit(commit);
    return parsed ? AxesOfTree(parsed->tree) : QMap<QString, QByteArray>();
}

std::optional<QByteArray> RepositoryIndex::BlobBytes(const QByteArray& blob) {
    const std::optional<GitObjects::Object> object = git_.Read(blob);
    if (!object || object->type != "blob") {
        return std::nullopt;
    }
    return object->data;
}

std::optional<ParameterValues> RepositoryIndex::ValuesOf(const QByteArray& blob) {
    {
        const std::lock_guard<std::mutex> hold(mutex_);
        if (const std::optional<ParameterValues>* known = values_.object(blob)) {
            return *known;
        }
    }
    std::optional<ParameterValues> values;
    if (const std::optional<QByteArray> bytes = BlobBytes(blob)) {
        try {
            values = ParameterValuesOfBytes(*bytes, QString::fromLatin1(blob));
        } catch (const EFileError&) {
            // edited by hand into something else: no values
        }
    }
    const std::lock_guard<std::mutex> hold(mutex_);
    values_.insert(blob, new std::optional<ParameterValues>(values));
    return values;
}

std::vector<ParameterChange> RepositoryIndex::ChangesOf(const CommitEntry& commit,
                                                        const AxisFileChange& file) {
    if (file.before.isEmpty() || file.after.isEmpty()) {
        return {};
    }
    const QByteArray key = file.before + file.after;
    std::vector<ParameterChange> changes;
    {
        const std::lock_guard<std::mutex> hold(mutex_);
        const auto known = changes_.constFind(key);
        if (known != changes_.constEnd()) {
            changes = *known;
        }
    }
    if (changes.empty()) {
        const std::optional<ParameterValues> before = ValuesOf(file.before);
        const std::optional<ParameterValues> after = ValuesOf(file.after);
        for (int slot = 0; before && after && slot < kSlotCount; ++slot) {
            if ((*before)[size_t(slot)] != (*after)[size_t(slot)]) {
                changes.push_back({QString(), QString(), QString(), NumberOfSlot(slot),
                                   (*before)[size_t(slot)], (*after)[size_t(slot)]});
            }
        }
        const std::lock_guard<std::mutex> hold(mutex_);
        changes_.insert(key, changes);
    }
    for (ParameterChange& change : changes) {
        change.date = commit.date;
        change.commit = QString::fromLatin1(commit.id);
        change.axis = file.axis;
    }
    return changes;
}
