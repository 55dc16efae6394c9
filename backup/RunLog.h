#pragma once

#include "core/Language.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

// What each backup found, axis by axis: one JSON line per axis and run in
// the repository's git folder (.git/tarn/runs.jsonl), so it is never
// committed; appended while the repository's lock is held. The health of a
// plant (status) is read from it.
//   {"time":"2026-12-10T02:00:03+08:00","plant":"廠A","axis":"M01/X",
//    "state":"complete","reason":"","commit":"<id or null>","duration":12.5}

struct RunRecord {
    enum class State { Complete, Silent, Partial };

    QDateTime time;
    QString plant;
    QString axis; // "M01/X"
    State state = State::Complete;
    QString reason;             // why not complete
    QString commit;             // the run's commit; empty when it made none
    double durationSeconds = 0; // of the whole run

    QByteArray JsonLine() const; // without the line break
};

// A run's state as a person reads it: 完整, 無回應 or 部分 (Chinese, as the
// web view's JSON gives it), or in `language`.
QString StateWords(RunRecord::State state, Language language = Language::Chinese);

// The log's place in the repository whose work tree is `repoFolder`.
QString RunLogPath(const QString& repoFolder);

// Appends `records`, one line each, creating the folder and the file;
// throws EFileError when they cannot be written.
void AppendRuns(const QString& repoFolder, const std::vector<RunRecord>& records);

// A log as read: the records of its good lines, in file order, and the
// numbers of the lines that were not a record (cut mid-way by a crash,
// edited by hand).
struct RunLog {
    std::vector<RunRecord> records;
    std::vector<int> badLines;
    QString unreadable; // why the file could not be read at all
};

RunLog ParseRunLog(const QByteArray& bytes);

// One line of the log; nullopt when it is no record.
std::optional<RunRecord> ParseRunLine(const QByteArray& line);

// The bytes of the repository's log (empty when there is none yet), or
// nullopt with `why` when it cannot be read.
std::optional<QByteArray> RunLogBytes(const QString& repoFolder, QString& why);

// The log of the repository; empty when there is none yet.
RunLog ReadRunLog(const QString& repoFolder);
