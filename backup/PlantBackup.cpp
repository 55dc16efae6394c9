#include "backup/PlantBackup.h"

#include "backup/ParameterWords.h"
#include "backup/PlantText.h"
#include "backup/RunLog.h"
#include "catalogue/SheetRanges.h"
#include "files/ParameterFile.h"
#include "files/TransferResult.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace {

enum class AxisState { First, Changed, Same, Failed };

struct AxisOutcome {
    AxisState state = AxisState::Failed;
    QStringList lines; // for the commit message, each led by the axis
    bool onlyIgnored = false; // changed, but only in parameters its plant file ignores
};

// Writes the axis's file when its values differ from the file it has.
AxisOutcome StoreAxis(const QString& repoFolder, const PlantAxis& axis,
                      const ParameterValues& values) {
    const QString fileName = QDir(repoFolder).filePath(axis.FilePath());
    AxisOutcome outcome;
    QFile existing(fileName);
    if (!existing.exists()) {
        outcome.state = AxisState::First;
        outcome.lines << axis.Path() + QStringLiteral(" 首次備份");
    } else {
        if (!existing.open(QIODevice::ReadOnly)) {
            throw EFileError(
                PlantText::tr("無法開啟 %1：%2").arg(fileName, existing.errorString()));
        }
        if (existing.readAll() == ParameterFileBytes(values)) {
            outcome.state = AxisState::Same;
            return outcome;
        }
        outcome.state = AxisState::Changed;
        try {
            const ParameterValues before = ReadParameterFile(fileName);
            outcome.onlyIgnored = true;
            for (int slot = 0; slot < kSlotCount; ++slot) {
                const quint16 number = NumberOfSlot(slot);
                if (before[size_t(slot)] == values[size_t(slot)]) {
                    continue;
                }
                QString line = axis.Path() + QLatin1Char(' ') +
                               ChangeLine(number, before[size_t(slot)], values[size_t(slot)]);
                if (axis.Ignores(number)) {
                    line += QStringLiteral("（忽略）");
                } else {
                    outcome.onlyIgnored = false;
                }
                outcome.lines << line;
            }
        } catch (const EFileError&) {
            outcome.lines << axis.Path() + QStringLiteral(" 取代無法讀取的檔案");
        }
    }
    QDir().mkpath(QDir(repoFolder).filePath(axis.machine));
    WriteParameterFile(fileName, values);
    return outcome;
}

QString CommitMessage(const Plant& plant, const std::vector<AxisOutcome>& outcomes,
                      const std::vector<AxisReading>& readings) {
    int counts[4] = {0, 0, 0, 0};
    QStringList body;
    QStringList silent;
    for (size_t i = 0; i < outcomes.size(); ++i) {
        ++counts[int(outcomes[i].state)];
        body << outcomes[i].lines;
        if (outcomes[i].state == AxisState::Failed) {
            silent
                << QStringLiteral("%1 無回應：%2").arg(plant.axes[i].Path(), readings[i].failure);
        }
    }
    QString subject = QStringLiteral("備份 %1：").arg(plant.name);
    if (counts[int(AxisState::First)] > 0) {
        subject += QStringLiteral("%1 軸首次備份，").arg(counts[int(AxisState::First)]);
    }
    subject += QStringLiteral("%1 軸變更，%2 軸無回應，%3 軸相同")
                   .arg(counts[int(AxisState::Changed)])
                   .arg(counts[int(AxisState::Failed)])
                   .arg(counts[int(AxisState::Same)]);
    body << silent;
    return body.isEmpty() ? subject
                          : subject + QStringLiteral("\n\n") + body.join(QLatin1Char('\n'));
}

// Writes the files and commits them; `changedPaths` collects every path
// written, for putting back when a step fails.
BackupCommit StoreAndCommitPaths(const PlantRepository& repo, const Plant& plant,
                                 const std::vector<AxisReading>& readings,
                                 const GitIdentity& author, const GitIdentity& committer,
                                 QStringList& changedPaths) {
    std::vector<AxisOutcome> outcomes(readings.size());
    for (size_t i = 0; i < readings.size(); ++i) {
        if (readings[i].values) {
            outcomes[i] = StoreAxis(repo.Folder(), plant.axes[i], *readings[i].values);
            if (outcomes[i].state != AxisState::Same) {
                changedPaths << plant.axes[i].FilePath();
            }
        }
    }
    // Only beside a plant file: a run that changed none commits nothing.
    if (!changedPaths.isEmpty() && repo.WriteAttributes()) {
        changedPaths << PlantRepository::kAttributesFile;
    }
    BackupCommit result;
    result.message = CommitMessage(plant, outcomes, readings);
    for (size_t i = 0; i < outcomes.size(); ++i) {
        if (outcomes[i].state == AxisState::Failed) {
            result.failed << plant.axes[i].Path();
            result.failures << QStringLiteral("%1 無回應：%2").arg(plant.axes[i].Path(),
                                                               readings[i].failure);
        } else if (outcomes[i].state != AxisState::Same && !outcomes[i].onlyIgnored) {
            result.changed << plant.axes[i].Path();
        }
    }
    if (!changedPaths.isEmpty()) {
        result.commit = repo.Git().CommitPaths(changedPaths, result.message, author, committer);
    }
    return result;
}

} // namespace

AxisReading AxisReadingOf(const ParameterValues& read) {
    const QList<quint16> withoutValue = ParametersWithoutValue(read);
    if (NothingAnswered(withoutValue)) {
        return {std::nullopt, PlantText::tr("驅動器沒有回應，檔案未更新")};
    }
    if (!withoutValue.isEmpty()) {
        return {std::nullopt,
                PlantText::tr("%n 個參數沒有讀到數值（第一個 %1），檔案未更新", nullptr,
                              int(withoutValue.size()))
                    .arg(PnName(withoutValue.first())),
                true};
    }
    return {read, QString()};
}

QString BackupCommit::Summary() const {
    return commit.isEmpty() ? PlantText::tr("沒有變更，未提交（%1）").arg(Subject())
                            : PlantText::tr("已提交 %1 %2").arg(commit.left(10), message);
}

PlantBackup::PlantBackup(Plant plant, const QString& repoFolder,
                         const std::optional<GitIdentity>& author)
    : plant_(std::move(plant)), repo_(repoFolder), lock_(repo_.Prepare(plant_)),
      committer_(repo_.Identity()), author_(author ? *author : committer_) {
    started_.start();
}

BackupCommit PlantBackup::StoreAndCommit(const std::vector<AxisReading>& readings) const {
    if (readings.size() != plant_.axes.size()) {
        throw std::invalid_argument("one reading per axis of the plant");
    }
    QStringList changedPaths;
    BackupCommit done;
    try {
        done = StoreAndCommitPaths(repo_, plant_, readings, author_, committer_, changedPaths);
    } catch (const TarnError& error) {
        // Nothing half done stays: the next run finds the files committed.
        repo_.RestoreCommitted(changedPaths);
        throw GitError(PlantText::tr("提交失敗，檔案已還原為上次提交的內容：%1").arg(error.Text()));
    }
    {
        std::vector<RunRecord> records;
        const QDateTime now = QDateTime::currentDateTime();
        // The commit holding the files now: this run's, or the last one's.
        const QString commit =
            done.commit.isEmpty() ? repo_.Git().FindCommit(QStringLiteral("HEAD")).value_or(QString())
                                  : done.commit;
        for (size_t i = 0; i < readings.size(); ++i) {
            RunRecord record;
            record.time = now.toOffsetFromUtc(now.offsetFromUtc());
            record.plant = plant_.name;
            record.axis = plant_.axes[i].Path();
            record.state = readings[i].values ? RunRecord::State::Complete
                           : readings[i].partial ? RunRecord::State::Partial
                                                 : RunRecord::State::Silent;
            record.reason = readings[i].values ? QString() : readings[i].failure;
            record.commit = commit;
            record.durationSeconds = double(started_.elapsed()) / 1000.0;
            records.push_back(record);
        }
        AppendRuns(repo_.Folder(), records);
    }
    return done;
}
