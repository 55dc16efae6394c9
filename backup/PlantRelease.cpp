#include "backup/PlantRelease.h"

#include "backup/ParameterWords.h"
#include "backup/PlantText.h"
#include "catalogue/SheetRanges.h"
#include "values/ValueWords.h"

#include <QJsonArray>

namespace {

const QString kReleaseSubject = QStringLiteral("發行 ");

std::vector<std::optional<ParameterValues>> ValuesAt(const GitRepository& repo, const Plant& plant,
                                                     const QString& commit) {
    QStringList revisionPaths;
    for (const PlantAxis& axis : plant.axes) {
        revisionPaths << commit + QLatin1Char(':') + axis.FilePath();
    }
    const std::vector<std::optional<QByteArray>> files = repo.FilesAt(revisionPaths);
    std::vector<std::optional<ParameterValues>> values(plant.axes.size());
    for (size_t i = 0; i < files.size(); ++i) {
        if (files[i]) {
            values[i] = ParameterValuesOfBytes(
                *files[i], QStringLiteral("%1:%2").arg(commit.left(10), plant.axes[i].FilePath()));
        }
    }
    return values;
}

} // namespace

std::optional<QString> PushBackups(const GitRepository& repo, const QString& remote) {
    if (const auto refused = repo.Push(remote)) {
        return PlantText::tr("推送到 %1 失敗，本機的提交保留：\n%2").arg(remote, *refused);
    }
    if (repo.FindCommit(QStringLiteral("refs/heads/") + kReleasedBranch)) {
        if (const auto refused = repo.PushBranch(remote, kReleasedBranch)) {
            return PlantText::tr("推送 %1 分支到 %2 失敗：\n%3")
                .arg(kReleasedBranch, remote, *refused);
        }
    }
    return std::nullopt;
}

std::optional<QString> ReleasedTip(const GitRepository& repo) {
    const std::optional<QString> tip =
        repo.FindCommit(QStringLiteral("refs/heads/") + kReleasedBranch);
    if (!tip) {
        return std::nullopt;
    }
    const QString subject = QString::fromUtf8(
        repo.Run({QStringLiteral("log"), QStringLiteral("-1"), QStringLiteral("--format=%s"), *tip})
            .trimmed());
    if (!subject.startsWith(kReleaseSubject)) {
        throw GitError(PlantText::tr("儲存庫 %1 的 %2 分支不在發行的提交上（被手動移動過？）："
                                     "%3 %4")
                           .arg(repo.Folder(), kReleasedBranch, tip->left(10), subject));
    }
    return tip;
}

QString ReleaseAxes(const GitRepository& repo, const Plant& plant, const QStringList& axes,
                    const QString& revision, const QString& text, const GitIdentity& who) {
    const std::optional<QString> head = repo.FindCommit(QStringLiteral("HEAD"));
    const std::optional<QString> commit = repo.FindCommit(revision);
    if (!head || !commit || !repo.IsAncestor(*commit, *head)) {
        throw GitError(PlantText::tr("%1 不是儲存庫 %2 的備份").arg(revision, repo.Folder()));
    }
    const std::optional<QString> base = ReleasedTip(repo);
    QStringList named;
    QStringList revisionPaths;
    for (const PlantAxis& axis : plant.axes) {
        if (axes.isEmpty() || axes.contains(axis.Path())) {
            named << axis.Path();
            revisionPaths << *commit + QLatin1Char(':') + axis.FilePath();
        }
    }
    const std::vector<std::optional<QByteArray>> files = repo.FilesAt(revisionPaths);
    std::vector<std::pair<QString, QString>> blobs;
    for (qsizetype i = 0; i < named.size(); ++i) {
        if (!files[size_t(i)]) {
            throw GitError(
                PlantText::tr("備份 %1 沒有 %2 的檔案，沒有發行").arg(commit->left(10), named[i]));
        }
        // Checked as a load checks it: a release is what a drive can take.
        ParameterValuesOfBytes(*files[size_t(i)], revisionPaths[i]);
        blobs.emplace_back(
            named[i] + QStringLiteral(".tarn"),
            QString::fromUtf8(repo.Run({QStringLiteral("rev-parse"), revisionPaths[i]}).trimmed()));
    }
    QString message = QStringLiteral("%1%2：%3")
                          .arg(kReleaseSubject, plant.name, named.join(QStringLiteral("、")));
    if (!text.isEmpty()) {
        message += QStringLiteral("（%1）").arg(text);
    }
    message += QStringLiteral("\n\n備份 %1").arg(*commit);
    return repo.CommitBlobsOnBranch(kReleasedBranch, base, blobs, message, who, who);
}

QString Release::Line() const {
    return QStringLiteral("%1 %2 %3").arg(date, commit.left(10), subject);
}

std::vector<Release> Releases(const GitRepository& repo) {
    const std::optional<QString> tip = ReleasedTip(repo);
    std::vector<Release> releases;
    if (!tip) {
        return releases;
    }
    const QByteArray log =
        repo.Run({QStringLiteral("log"), QStringLiteral("-z"), QStringLiteral("--date=iso"),
                  QStringLiteral("--format=%ad%x09%H%x09%s"), *tip});
    for (const QByteArray& entry : log.split('\0')) {
        const QList<QByteArray> parts = entry.split('\t');
        if (parts.size() == 3) {
            releases.push_back({QString::fromUtf8(parts[0]), QString::fromUtf8(parts[1]),
                                QString::fromUtf8(parts[2])});
        }
    }
    return releases;
}

QStringList AxisDrift::Lines(Language language) const {
    if (!released) {
        return {
            Translated(language, "backup", QT_TRANSLATE_NOOP("backup", "%1 沒有發行版")).arg(axis)};
    }
    if (!backedUp) {
        return {
            Translated(language, "backup", QT_TRANSLATE_NOOP("backup", "%1 沒有備份")).arg(axis)};
    }
    QStringList lines;
    for (const Difference& d : differences) {
        lines << axis + QLatin1Char(' ') + DriftLine(d.number, d.released, d.current, language);
    }
    return lines;
}

AxisDrift DriftOf(const PlantAxis& axis, const std::optional<ParameterValues>& released,
                  const std::optional<ParameterValues>& current) {
    AxisDrift drift;
    drift.axis = axis.Path();
    drift.released = released.has_value();
    drift.backedUp = current.has_value();
    drift.compared = released && current;
    if (!drift.compared) {
        return drift;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const quint16 number = NumberOfSlot(slot);
        if ((*released)[size_t(slot)] != (*current)[size_t(slot)] && !axis.Ignores(number)) {
            drift.differences.push_back(
                {number, (*released)[size_t(slot)], (*current)[size_t(slot)]});
        }
    }
    return drift;
}

std::vector<std::optional<ParameterValues>> ReleasedValues(const GitRepository& repo,
                                                           const Plant& plant) {
    const std::optional<QString> tip = ReleasedTip(repo);
    return tip ? ValuesAt(repo, plant, *tip)
               : std::vector<std::optional<ParameterValues>>(plant.axes.size());
}

std::vector<std::optional<ParameterValues>>
BackedUpValues(const GitRepository& repo, const Plant& plant, const QString& revision) {
    if (revision == QLatin1String("HEAD") && !repo.FindCommit(revision)) {
        return std::vector<std::optional<ParameterValues>>(plant.axes.size());
    }
    return ValuesAt(repo, plant, repo.CommitId(revision));
}

std::vector<AxisDrift> PlantDrift(const GitRepository& repo, const Plant& plant) {
    const auto released = ReleasedValues(repo, plant);
    const auto current = BackedUpValues(repo, plant, QStringLiteral("HEAD"));
    std::vector<AxisDrift> drift;
    for (size_t i = 0; i < plant.axes.size(); ++i) {
        drift.push_back(DriftOf(plant.axes[i], released[i], current[i]));
    }
    return drift;
}

std::vector<AxisDrift> LiveDrift(const Plant& plant,
                                 const std::vector<std::optional<ParameterValues>>& released,
                                 const std::vector<std::optional<ParameterValues>>& live) {
    std::vector<AxisDrift> drift;
    for (size_t i = 0; i < plant.axes.size(); ++i) {
        drift.push_back(DriftOf(plant.axes[i], released[i], live[i]));
        drift.back().backedUp = true; // a drive that gave nothing has its failure told instead
    }
    return drift;
}

QJsonObject DriftJson(const std::vector<AxisDrift>& drift) {
    QJsonArray axes;
    for (const AxisDrift& axis : drift) {
        QJsonArray differences;
        for (const Difference& d : axis.differences) {
            differences.append(QJsonObject{
                {QStringLiteral("number"), d.number},
                {QStringLiteral("description"), DescriptionOf(d.number)},
                {QStringLiteral("released"), d.released},
                {QStringLiteral("current"), d.current},
                {QStringLiteral("releasedText"), ValueInWordsWithHex(d.number, d.released)},
                {QStringLiteral("currentText"), ValueInWordsWithHex(d.number, d.current)},
                {QStringLiteral("unit"), UnitOf(d.number)},
            });
        }
        axes.append(QJsonObject{{QStringLiteral("axis"), axis.axis},
                                {QStringLiteral("released"), axis.released},
                                {QStringLiteral("compared"), axis.compared},
                                {QStringLiteral("differences"), differences}});
    }
    return QJsonObject{{QStringLiteral("axes"), axes}};
}

QString QueryRow::Line(Language language) const {
    return axis + QLatin1Char(' ') + QueryLine(number, current, released, language);
}

std::vector<QueryRow> QueryAxes(const GitRepository& repo, const QList<quint16>& numbers,
                                const QString& revision) {
    const QString commit = repo.CommitId(revision);
    const std::optional<QString> tip = ReleasedTip(repo);
    QStringList files;
    for (const QByteArray& path :
         repo.Run({QStringLiteral("ls-tree"), QStringLiteral("-r"), QStringLiteral("-z"),
                   QStringLiteral("--name-only"), commit})
             .split('\0')) {
        const QString file = QString::fromUtf8(path);
        if (file.endsWith(QLatin1String(".tarn")) && file.count(QLatin1Char('/')) == 1) {
            files << file;
        }
    }
    QStringList revisionPaths;
    for (const QString& file : files) {
        revisionPaths << commit + QLatin1Char(':') + file;
        if (tip) {
            revisionPaths << *tip + QLatin1Char(':') + file;
        }
    }
    const std::vector<std::optional<QByteArray>> blobs = repo.FilesAt(revisionPaths);
    std::vector<QueryRow> rows;
    const int step = tip ? 2 : 1;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const ParameterValues current =
            ParameterValuesOfBytes(*blobs[size_t(i * step)], revisionPaths[i * step]);
        std::optional<ParameterValues> released;
        if (tip && blobs[size_t(i * step + 1)]) {
            released =
                ParameterValuesOfBytes(*blobs[size_t(i * step + 1)], revisionPaths[i * step + 1]);
        }
        for (const quint16 number : numbers) {
            const size_t slot = size_t(SlotOf(number));
            rows.push_back({files[i].chopped(5), number, current[slot],
                            released ? std::optional<QString>((*released)[slot]) : std::nullopt});
        }
    }
    return rows;
}

QJsonObject QueryJson(const std::vector<QueryRow>& rows) {
    QJsonArray list;
    for (const QueryRow& row : rows) {
        list.append(QJsonObject{
            {QStringLiteral("axis"), row.axis},
            {QStringLiteral("number"), row.number},
            {QStringLiteral("description"), DescriptionOf(row.number)},
            {QStringLiteral("current"), row.current},
            {QStringLiteral("currentText"), ValueInWordsWithHex(row.number, row.current)},
            {QStringLiteral("released"), row.released ? QJsonValue(*row.released) : QJsonValue()},
            {QStringLiteral("releasedText"),
             row.released ? QJsonValue(ValueInWordsWithHex(row.number, *row.released))
                          : QJsonValue()},
            {QStringLiteral("unit"), UnitOf(row.number)},
            {QStringLiteral("differs"), row.released && *row.released != row.current},
        });
    }
    return QJsonObject{{QStringLiteral("rows"), list}};
}
