#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

// One exchange as it went over the wire, for the technician whose drive
// "does not answer": when the request left, on which port, the bytes both
// ways, how long the wait took and what was made of the reply.
struct ExchangeRecord {
    QDateTime sentAt; // local time
    QString port;     // the port's label (PortLabel)
    QByteArray sent;
    QByteArray received; // everything looked at, stale frames included
    qint64 waitMs = 0;
    // A fixed ASCII token, never translated: "value 01F4", "none", "empty",
    // "no-answer", "written", "echo-differs", "format 0", "format 1",
    // "undetermined".
    QString verdict;
    int stale = 0; // whole frames of another number skipped
};

using ExchangeObserver = std::function<void(const ExchangeRecord&)>;

// The columns of a trace line, in order: time
// ("2026-12-10T09:15:02.123+08:00"), port, sent and received (bytes outside
// printable ASCII as \xNN, CR as \r, a backslash as \x5C), the wait in
// milliseconds, and the verdict followed by " stale N" when N frames were
// skipped.
QStringList TraceColumns(const ExchangeRecord& record);
// The columns joined by tabs, ended by a line feed.
QByteArray TraceLine(const ExchangeRecord& record);
// Bytes as a trace shows them.
QString TraceBytes(const QByteArray& bytes);

// A trace file shared by every drive of a run, and by other runs: each line
// is appended with one write on a file opened for appending, so lines of
// several threads and processes never tear. Safe to call from any thread.
class TraceFile {
public:
    // Throws EFileError when the file cannot be opened for appending.
    explicit TraceFile(const QString& path);
    void Append(const ExchangeRecord& record);

private:
    QMutex mutex_;
    QFile file_;
};

// The exchanges of this run, newest last, at most `capacity` kept (the
// oldest go first). Used from one thread.
class ExchangeHistory {
public:
    static constexpr size_t kCapacity = 5000;

    explicit ExchangeHistory(size_t capacity = kCapacity) : capacity_(capacity) {}
    void Add(const ExchangeRecord& record);
    const std::deque<ExchangeRecord>& Records() const { return records_; }
    // How many were ever added (a window shows the ones added since it
    // last looked).
    long Added() const { return added_; }
    // Told after every Add (a window showing the history).
    void SetChanged(std::function<void()> changed) { changed_ = std::move(changed); }

private:
    size_t capacity_;
    std::deque<ExchangeRecord> records_;
    long added_ = 0;
    std::function<void()> changed_;
};
