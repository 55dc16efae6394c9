#include "backup/RunLog.h"

#include "backup/PlantText.h"
#include "core/TarnError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace {

const char* const kStates[] = {"complete", "silent", "partial"};

} // namespace

std::optional<RunRecord> ParseRunLine(const QByteArray& line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    RunRecord record;
    record.time =
        QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODate);
    // The log keeps whole seconds: a fraction (a hand-edited line) is
    // dropped here as writing drops it.
    record.time = record.time.addMSecs(-record.time.time().msec());
    record.plant = object.value(QStringLiteral("plant")).toString();
    record.axis = object.value(QStringLiteral("axis")).toString();
    record.reason = object.value(QStringLiteral("reason")).toString();
    const QJsonValue commit = object.value(QStringLiteral("commit"));
    record.commit = commit.toString();
    record.durationSeconds = object.value(QStringLiteral("duration")).toDouble(0);
    const QString state = object.value(QStringLiteral("state")).toString();
    int found = -1;
    for (int i = 0; i < 3; ++i) {
        if (state == QLatin1String(kStates[i])) {
            found = i;
        }
    }
    if (!record.time.isValid() || record.axis.isEmpty() || found < 0 ||
        !(commit.isString() || commit.isNull()) || !(record.durationSeconds >= 0)) {
        return std::nullopt;
    }
    record.state = RunRecord::State(found);
    return record;
}

QByteArray RunRecord::JsonLine() const {
    const QJsonObject object{
        {QStringLiteral("time"), time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate)},
        {QStringLiteral("plant"), plant},
        {QStringLiteral("axis"), axis},
        {QStringLiteral("state"), QLatin1String(kStates[int(state)])},
        {QStringLiteral("reason"), reason},
        {QStringLiteral("commit"), commit.isEmpty() ? QJsonValue() : QJsonValue(commit)},
        {QStringLiteral("duration"), durationSeconds},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString RunLogPath(const QString& repoFolder) {
    return QDir(repoFolder).filePath(QStringLiteral(".git/tarn/runs.jsonl"));
}

void AppendRuns(const QString& repoFolder, const std::vector<RunRecord>& records) {
    const QString path = RunLogPath(repoFolder);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::Append)) {
        throw EFileError(PlantText::tr("無法寫入執行紀錄 %1：%2").arg(path, file.errorString()));
    }
    QByteArray lines;
    // A line left cut by a run that died ends here, so the next one starts whole.
    if (file.size() > 0) {
        QFile tail(path);
        if (tail.open(QIODevice::ReadOnly) && tail.seek(file.size() - 1) && tail.read(1) != "\n") {
            lines += '\n';
        }
    }
    for (const RunRecord& record : records) {
        lines += record.JsonLine() + '\n';
    }
    if (file.write(lines) != lines.size() || !file.flush()) {
        throw EFileError(PlantText::tr("無法寫入執行紀錄 %1：%2").arg(path, file.errorString()));
    }
}

RunLog ParseRunLog(const QByteArray& bytes) {
    RunLog log;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) {
            continue;
        }
        if (std::optional<RunRecord> record = ParseRunLine(lines[i])) {
            log.records.push_back(std::move(*record));
        } else {
            log.badLines.push_back(int(i) + 1);
        }
    }
    return log;
}

std::optional<QByteArray> RunLogBytes(const QString& repoFolder, QString& why) {
    QFile file(RunLogPath(repoFolder));
    if (!file.exists()) {
        return QByteArray();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

RunLog ReadRunLog(const QString& repoFolder) {
    RunLog log;
    if (const std::optional<QByteArray> bytes = RunLogBytes(repoFolder, log.unreadable)) {
        return ParseRunLog(*bytes);
    }
    return log;
}

QString StateWords(RunRecord::State state, Language language) {
    switch (state) {
    case RunRecord::State::Complete:
        return Translated(language, "backup", QT_TRANSLATE_NOOP("backup", "完整"));
    case RunRecord::State::Silent:
        return Translated(language, "backup", QT_TRANSLATE_NOOP("backup", "無回應"));
    case RunRecord::State::Partial:
        return Translated(language, "backup", QT_TRANSLATE_NOOP("backup", "部分"));
    }
    return {};
}
