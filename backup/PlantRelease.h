#pragma once

#include "backup/GitRepository.h"
#include "backup/PlantFile.h"
#include "core/Language.h"
#include "values/ParameterValues.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The settings handed over: a branch of the backup repository whose tree
// holds each released axis's file as a backup stored it, and what differs
// from it now (drift). Read and written with the git program; nothing here
// prints.

// The branch that holds the released files.
inline const QString kReleasedBranch = QStringLiteral("released");

// Pushes the branch checked out, then the released branch when there is
// one (the released settings travel with the backups they came from), to
// `remote` (a remote's name, URL or path). Returns what git refused, in
// words with its reason ("推送到 origin 失敗，本機的提交保留：\n<git>"), or
// nullopt when everything went.
std::optional<QString> PushBackups(const GitRepository& repo, const QString& remote);

// The tip of the released branch; nullopt when there is none. Throws
// GitError when its tip is not a release (the branch moved by hand).
std::optional<QString> ReleasedTip(const GitRepository& repo);

// Records as released the files of `axes` ("M01/X", in the plant's order;
// every axis of the plant when empty) as backup `revision` holds them: one
// commit on the released branch, the other axes keeping their earlier
// released files. Its subject "發行 廠A：M01/X、M01/Y", "（text）" after
// when `text` is not empty. Throws GitError for a revision that is no
// backup (not on the branch checked out) or holds no file of an axis, and
// for a released branch moved by hand. Returns the commit's id.
QString ReleaseAxes(const GitRepository& repo, const Plant& plant, const QStringList& axes,
                    const QString& revision, const QString& text, const GitIdentity& who);

// One release, as `history --released` lists it.
struct Release {
    QString date; // "2026-12-10 10:00:00 +0800"
    QString commit;
    QString subject;

    // "2026-12-10 10:00:00 +0800 5448c60842 發行 廠A：M01/X、M01/Y（交機）"
    QString Line() const;
};

// Every release, newest first; none when there is no released branch.
std::vector<Release> Releases(const GitRepository& repo);

// One parameter whose value differs from the one released.
struct Difference {
    quint16 number = 0;
    QString released; // value texts
    QString current;
};

// What an axis holds beside what was released for it.
struct AxisDrift {
    QString axis;          // "M01/X"
    bool released = false; // a release holds its file
    bool backedUp = true;  // there is a value to compare (a backup, or a live read)
    bool compared = false; // both were there: the differences are all there are
    std::vector<Difference> differences;

    // One line per difference ("M01/X Pn100 KVP1 發行 400 → 目前 500 0.1Hz"),
    // or "M01/X 沒有發行版", or "M01/X 沒有備份"; in `language`.
    QStringList Lines(Language language = Language::Chinese) const;
};

// The differences between `released` and `current`, leaving out what the
// axis ignores.
AxisDrift DriftOf(const PlantAxis& axis, const std::optional<ParameterValues>& released,
                  const std::optional<ParameterValues>& current);

// Each axis's released values, in the plant's order (nullopt: none).
// Throws EFileError for a released file the check refuses.
std::vector<std::optional<ParameterValues>> ReleasedValues(const GitRepository& repo,
                                                           const Plant& plant);

// Each axis's values as backup `revision` holds them (nullopt: none).
// Throws GitError for a revision the repository does not have, EFileError
// for a file the check refuses.
std::vector<std::optional<ParameterValues>>
BackedUpValues(const GitRepository& repo, const Plant& plant, const QString& revision);

// Drift of every axis of the plant, its last backup beside its release.
std::vector<AxisDrift> PlantDrift(const GitRepository& repo, const Plant& plant);

// Drift of every axis with the values its drive gave now (`live`, in the
// plant's order, beside `released` as ReleasedValues gives them). An axis
// that gave none is told by its failure, not as one never backed up.
std::vector<AxisDrift> LiveDrift(const Plant& plant,
                                 const std::vector<std::optional<ParameterValues>>& released,
                                 const std::vector<std::optional<ParameterValues>>& live);

// {"axes":[{"axis","released","compared","differences":[{"number",
// "description","released","current","releasedText","currentText","unit"}]}]};
// an axis not compared (no release, no values) has "compared": false, so
// its empty differences are not read as none.
QJsonObject DriftJson(const std::vector<AxisDrift>& drift);

// One parameter of one axis across a repository, as `query` lists it.
struct QueryRow {
    QString axis; // "M01/X"
    quint16 number = 0;
    QString current;                 // as the backup holds it
    std::optional<QString> released; // nullopt: the axis has no release

    // "M01/X Pn100 KVP1 500 0.1Hz 發行 400 ≠", in `language`.
    QString Line(Language language = Language::Chinese) const;
};

// Parameters `numbers` of every axis file backup `revision` holds, axis by
// axis in path order. Throws GitError for a revision the repository does
// not have or a released branch moved by hand, EFileError for a file the
// check refuses.
std::vector<QueryRow> QueryAxes(const GitRepository& repo, const QList<quint16>& numbers,
                                const QString& revision);

// {"rows":[{"axis","number","description","current","currentText",
// "released","releasedText","unit","differs"}]}
QJsonObject QueryJson(const std::vector<QueryRow>& rows);
