#pragma once

#include "backup/GitRepository.h"
#include "backup/PlantFile.h"
#include "core/Language.h"
#include "values/ParameterValues.h"

#include <QString>
#include <optional>
#include <vector>

// What a plant's backup repository held: the parameter changes between
// successive backups of each axis, and an axis's file at a revision. Read
// with the git program; nothing here prints or writes.

// One parameter that changed between two successive backups of an axis.
struct ParameterChange {
    QString date;   // the commit's author date, "2026-12-09 21:50:03 +0800"
    QString commit; // the full id
    QString axis;   // "M01/X"
    quint16 number = 0;
    QString before; // value texts
    QString after;

    // As `history` lists it: date, the commit's first ten digits, axis and
    // the change in words ("… 1a2b3c4d5e M01/X Pn100 KVP1 400 → 500 0.1Hz"),
    // the change's words in `language`.
    QString Line(Language language = Language::Chinese) const;
};

// True when some commit of the repository touched axis "M01/X"'s file;
// names are compared exactly, as a plant file's are.
bool RepositoryHeldAxis(const GitRepository& repo, const QString& axis);

// Every parameter change, newest commit first and in file order within a
// file; only axis "M01/X"'s when `axis` is not empty, only parameter `only`
// when given. An axis's first backup is its start, not a change; a file the
// check refuses (edited by hand) yields no changes. Throws GitError.
std::vector<ParameterChange> ParameterChanges(const GitRepository& repo, const QString& axis,
                                              std::optional<quint16> only);

// An axis's file as a commit holds it.
struct CommittedValues {
    QString commit; // the full id `revision` names
    ParameterValues values;
};

// The values of `axis`'s file at `revision`, checked whole as a load checks
// a file. Throws GitError for a revision the repository does not have or
// that holds no such file, EFileError "<commit>:<file>…" for a file the
// check refuses.
CommittedValues AxisValuesAt(const GitRepository& repo, const QString& revision,
                             const PlantAxis& axis);
