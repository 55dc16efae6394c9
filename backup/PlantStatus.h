#pragma once

#include "backup/GitRepository.h"
#include "backup/PlantFile.h"
#include "backup/RunLog.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QStringList>
#include <optional>
#include <vector>

// A plant's health from its run log and its repository: when each axis was
// last read whole, when it last failed and why, and how far it is from its
// released settings. For a person (one line per axis), a program (JSON)
// and a monitoring system (the text-file format of a metrics exporter).

struct AxisStatus {
    const PlantAxis* axis = nullptr;
    std::optional<RunRecord> lastRun;
    std::optional<RunRecord> lastComplete;
    std::optional<RunRecord> lastFailure;
    bool released = false;
    int drift = 0;                  // parameters that differ from the release
    std::optional<double> ageHours; // since the last complete backup

    // Its last run was not complete, it was never read, or its last
    // complete backup is older than `maxAgeHours`.
    bool Unhealthy(std::optional<double> maxAgeHours) const;
    // "M01/X 上次完整備份 2026-12-10T02:00:03+08:00（1.5 小時前，1a2b3c4d5e）；
    // 上次失敗 …：<reason>；發行版 有，2 個參數不同", in `language` (the
    // reason as the run log holds it).
    QString Line(Language language = Language::Chinese) const;
};

struct PlantStatus {
    std::vector<AxisStatus> axes; // in the plant's order
    // What was wrong with the log: "執行紀錄 <path> 第 3 行無法讀取，略過".
    QStringList logProblems;
};

// Throws GitError or EFileError as drift does (a released branch moved by
// hand, a released file refused). A plant without a name (a repository's
// own axes, no plant file) takes the log's records of any plant.
PlantStatus StatusOf(const GitRepository& repo, const Plant& plant, const QDateTime& now);

// {"axes":[{"axis","lastRun","lastComplete":{"time","commit"},
// "lastFailure":{"time","reason"},"released","drift","ageHours"}]}
QJsonObject StatusJson(const PlantStatus& status);

// The metrics in the exporter's text format: last success time, up, drift
// count per axis and the last run's duration, labelled plant, machine and
// axis.
QByteArray MetricsText(const Plant& plant, const PlantStatus& status);

// Writes `bytes` to `path` whole: a temporary file beside it, renamed over
// it, so a reader never sees half a file. Throws EFileError.
void WriteWhole(const QString& path, const QByteArray& bytes);

// A label's value as the metrics text format quotes it: backslash, quote
// and line break escaped.
QString MetricLabel(const QString& value);
