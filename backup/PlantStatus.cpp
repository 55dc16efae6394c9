#include "backup/PlantStatus.h"

#include "backup/PlantRelease.h"
#include "backup/PlantText.h"
#include "core/TarnError.h"

#include <QHash>
#include <QJsonArray>
#include <QSaveFile>

namespace {

QString TimeText(const QDateTime& time) {
    return time.toString(Qt::ISODate);
}

} // namespace

QString MetricLabel(const QString& value) {
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return quoted;
}

bool AxisStatus::Unhealthy(std::optional<double> maxAgeHours) const {
    return !lastRun || lastRun->state != RunRecord::State::Complete || !ageHours ||
           (maxAgeHours && *ageHours > *maxAgeHours);
}

QString AxisStatus::Line(Language language) const {
    const auto words = [language](const char* text, int n = -1) {
        return Translated(language, "backup", text, nullptr, n);
    };
    QStringList parts;
    if (lastComplete) {
        parts << words(QT_TRANSLATE_NOOP("backup", "上次完整備份 %1（%2 小時前，%3）"))
                     .arg(TimeText(lastComplete->time))
                     .arg(*ageHours, 0, 'f', 1)
                     .arg(lastComplete->commit.isEmpty()
                              ? words(QT_TRANSLATE_NOOP("backup", "沒有提交"))
                              : lastComplete->commit.left(10));
    } else {
        parts << words(QT_TRANSLATE_NOOP("backup", "從未完整備份"));
    }
    if (lastFailure) {
        parts << words(QT_TRANSLATE_NOOP("backup", "上次失敗 %1：%2"))
                     .arg(TimeText(lastFailure->time), lastFailure->reason);
    }
    parts << (released ? words(QT_TRANSLATE_N_NOOP("backup", "發行版 有，%n 個參數不同"), drift)
                       : words(QT_TRANSLATE_NOOP("backup", "沒有發行版")));
    return axis->Path() + QLatin1Char(' ') + parts.join(words(QT_TRANSLATE_NOOP("backup", "；")));
}

PlantStatus StatusOf(const GitRepository& repo, const Plant& plant, const QDateTime& now) {
    PlantStatus status;
    const std::vector<AxisDrift> drift = PlantDrift(repo, plant);
    QHash<QString, size_t> index;
    for (size_t i = 0; i < plant.axes.size(); ++i) {
        AxisStatus axis;
        axis.axis = &plant.axes[i];
        axis.released = drift[i].released;
        axis.drift = int(drift[i].differences.size());
        status.axes.push_back(axis);
        index.insert(plant.axes[i].Path(), i);
    }
    const QString path = RunLogPath(repo.Folder());
    QString why;
    const std::optional<QByteArray> bytes = RunLogBytes(repo.Folder(), why);
    if (!bytes) {
        status.logProblems << PlantText::tr("無法讀取執行紀錄 %1：%2").arg(path, why);
    }
    const QList<QByteArray> lines = bytes ? bytes->split('\n') : QList<QByteArray>();
    // Newest first (a later line is a later run). Once every axis has its
    // last run and last complete backup, a whole line of a complete run can
    // tell nothing more and is passed over unread: a long log costs little.
    size_t missing = status.axes.size();
    std::vector<int> bad;
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const QByteArray& line = lines[i];
        if (line.trimmed().isEmpty() ||
            (missing == 0 && line.endsWith('}') && line.contains("\"state\":\"complete\""))) {
            continue;
        }
        const std::optional<RunRecord> record = ParseRunLine(line);
        if (!record) {
            bad.push_back(int(i) + 1);
            continue;
        }
        if ((!plant.name.isEmpty() && record->plant != plant.name) ||
            !index.contains(record->axis)) {
            continue;
        }
        AxisStatus& axis = status.axes[index.value(record->axis)];
        const bool wasMissing = !axis.lastRun || !axis.lastComplete;
        if (!axis.lastRun) {
            axis.lastRun = record;
        }
        if (record->state == RunRecord::State::Complete) {
            if (!axis.lastComplete) {
                axis.lastComplete = record;
            }
        } else if (!axis.lastFailure) {
            axis.lastFailure = record;
        }
        if (wasMissing && axis.lastRun && axis.lastComplete) {
            --missing;
        }
    }
    for (auto it = bad.rbegin(); it != bad.rend(); ++it) {
        status.logProblems
            << PlantText::tr("執行紀錄 %1 第 %2 行無法讀取，略過").arg(path).arg(*it);
    }
    for (AxisStatus& axis : status.axes) {
        if (axis.lastComplete) {
            axis.ageHours = double(axis.lastComplete->time.msecsTo(now)) / 3600000.0;
        }
    }
    return status;
}

QJsonObject StatusJson(const PlantStatus& status) {
    QJsonArray axes;
    for (const AxisStatus& axis : status.axes) {
        static const char* const states[] = {"complete", "silent", "partial"};
        axes.append(QJsonObject{
            {QStringLiteral("axis"), axis.axis->Path()},
            {QStringLiteral("lastRun"),
             axis.lastRun ? QJsonValue(QLatin1String(states[int(axis.lastRun->state)]))
                          : QJsonValue()},
            {QStringLiteral("lastComplete"),
             axis.lastComplete
                 ? QJsonValue(QJsonObject{
                       {QStringLiteral("time"), TimeText(axis.lastComplete->time)},
                       {QStringLiteral("commit"), axis.lastComplete->commit.isEmpty()
                                                      ? QJsonValue()
                                                      : QJsonValue(axis.lastComplete->commit)}})
                 : QJsonValue()},
            {QStringLiteral("lastFailure"),
             axis.lastFailure ? QJsonValue(QJsonObject{
                                    {QStringLiteral("time"), TimeText(axis.lastFailure->time)},
                                    {QStringLiteral("reason"), axis.lastFailure->reason}})
                              : QJsonValue()},
            {QStringLiteral("released"), axis.released},
            {QStringLiteral("drift"), axis.drift},
            {QStringLiteral("ageHours"), axis.ageHours ? QJsonValue(*axis.ageHours) : QJsonValue()},
        });
    }
    return QJsonObject{{QStringLiteral("axes"), axes}};
}

QByteArray MetricsText(const Plant& plant, const PlantStatus& status) {
    struct Metric {
        const char* name;
        const char* help;
    };
    const Metric success{"tarn_axis_last_success_timestamp_seconds",
                         "Time of the axis's last complete backup"};
    const Metric up{"tarn_axis_up", "1 when the axis's last backup read it whole"};
    const Metric drift{"tarn_axis_drift_parameters",
                       "Parameters whose backed-up value differs from the released one"};
    const Metric duration{"tarn_backup_duration_seconds", "Duration of the axis's last backup run"};
    QString text;
    const auto head = [&](const Metric& metric) {
        text += QStringLiteral("# HELP %1 %2\n# TYPE %1 gauge\n")
                    .arg(QLatin1String(metric.name), QLatin1String(metric.help));
    };
    const auto sample = [&](const Metric& metric, const AxisStatus& axis, double value) {
        text += QStringLiteral("%1{plant=\"%2\",machine=\"%3\",axis=\"%4\"} %5\n")
                    .arg(QLatin1String(metric.name), MetricLabel(plant.name),
                         MetricLabel(axis.axis->machine), MetricLabel(axis.axis->name),
                         QString::number(value, 'g', 15));
    };
    head(success);
    for (const AxisStatus& axis : status.axes) {
        if (axis.lastComplete) {
            sample(success, axis, double(axis.lastComplete->time.toMSecsSinceEpoch()) / 1000.0);
        }
    }
    head(up);
    for (const AxisStatus& axis : status.axes) {
        sample(up, axis, axis.Unhealthy(std::nullopt) ? 0 : 1);
    }
    head(drift);
    for (const AxisStatus& axis : status.axes) {
        // Without a release nothing was compared: no sample, rather than a 0
        // that reads as "as released".
        if (axis.released) {
            sample(drift, axis, axis.drift);
        }
    }
    head(duration);
    for (const AxisStatus& axis : status.axes) {
        if (axis.lastRun) {
            sample(duration, axis, axis.lastRun->durationSeconds);
        }
    }
    return text.toUtf8();
}

void WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw EFileError(PlantText::tr("無法寫入 %1：%2").arg(path, file.errorString()));
    }
}
