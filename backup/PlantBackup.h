#pragma once

#include "backup/GitRepository.h"
#include "backup/PlantFile.h"
#include "backup/PlantRepository.h"
#include "values/ParameterValues.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

// A plant's backup once its drives have been read: each axis's file written
// as 儲存檔案 writes it, and one commit of what changed, its message in
// words. Reading the drives is the caller's; nothing here prints.

// What one axis's drive gave a backup.
struct AxisReading {
    // Every value, read whole; absent when the drive gave none or only some.
    std::optional<ParameterValues> values;
    // Without values: why, as the commit message names it ("驅動器沒有回應，
    // 檔案未更新").
    QString failure;
    // Without values: some parameters answered (the run log's "partial").
    bool partial = false;
};

// A drive's whole read as its axis's part: the values when every parameter
// has one; else none, failing "驅動器沒有回應，檔案未更新" when no parameter
// answered and "N 個參數沒有讀到數值（第一個 PnX），檔案未更新" when some did
// not.
AxisReading AxisReadingOf(const ParameterValues& read);

// What a backup committed.
struct BackupCommit {
    QString commit;  // the full id; empty when nothing changed
    QString message; // the commit message, whether committed or not
    // Axes first backed up or changed in a parameter their plant file does
    // not ignore ("M01/X"); a commit with none of them changed only what
    // may change by itself.
    QStringList changed;
    QStringList failed;   // axes that gave no whole read
    QStringList failures; // their lines, "M01/X 無回應：<why>"

    // The message's first line: "備份 廠A：2 軸變更，1 軸無回應，13 軸相同".
    QString Subject() const { return message.section(QLatin1Char('\n'), 0, 0); }
    // What a backup tells: "已提交 <first ten digits of the id> <message>", or
    // "沒有變更，未提交（<subject>）".
    QString Summary() const;
};

// One backup of a plant into its repository, from the moment the
// repository is taken (before any drive is read) to its commit.
class PlantBackup {
public:
    // Prepares the repository in `repoFolder` (PlantRepository::Prepare: its
    // refusals as GitError, its lock held while this object lives) and
    // settles who commits: the repository's identity, and `author` where
    // given, else the same.
    PlantBackup(Plant plant, const QString& repoFolder, const std::optional<GitIdentity>& author);

    const Plant& ThePlant() const { return plant_; }
    const PlantRepository& Repository() const { return repo_; }

    // Writes the file of every axis with values where they differ from its
    // file, .gitattributes beside the first plant file that changes, and
    // commits the files changed (only they). `readings` are in the plant's
    // order, one per axis (std::invalid_argument otherwise: a caller's slip). The message's subject
    // counts the axes backed up for the first time, changed, failed and the same; its body has a
    // line per changed parameter ("M01/X Pn100 KVP1 400 → 500 0.1Hz"), per first backup
    // ("M01/X 首次備份") and per failed axis ("M01/X 無回應：<failure>"); the
    // line of a parameter the axis ignores ends "（忽略）".
    // Nothing changed: nothing committed. Then one line per axis is
    // appended to the run log (RunLog), the lock still held. A step that fails throws GitError
    // "提交失敗，檔案已還原為上次提交的內容：<why>" after putting the files
    // written back as the last commit holds them.
    BackupCommit StoreAndCommit(const std::vector<AxisReading>& readings) const;

private:
    Plant plant_;
    PlantRepository repo_;
    std::unique_ptr<RepositoryLock> lock_;
    GitIdentity committer_;
    GitIdentity author_;
    QElapsedTimer started_;
};
