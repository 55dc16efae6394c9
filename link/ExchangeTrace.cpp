#include "link/ExchangeTrace.h"

#include "core/TarnError.h"

#include <QCoreApplication>
#include <QMutexLocker>

namespace {

// "2026-12-10T09:15:02.123+08:00": the offset always as hours and minutes,
// "+00:00" too, so every line has the same shape.
QString TraceTime(const QDateTime& when) {
    const int offset = when.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) +
           QStringLiteral("%1%2:%3")
               .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString TraceBytes(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() + 4);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\r') {
            text += QStringLiteral("\\r");
        } else if (byte < 0x20 || byte >= 0x7F || byte == '\\') {
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
        } else {
            text += QLatin1Char(c);
        }
    }
    return text;
}

QStringList TraceColumns(const ExchangeRecord& record) {
    QString verdict = record.verdict;
    if (record.stale > 0) {
        verdict += QStringLiteral(" stale %1").arg(record.stale);
    }
    return {TraceTime(record.sentAt),       record.port,
            TraceBytes(record.sent),        TraceBytes(record.received),
            QString::number(record.waitMs), verdict};
}

QByteArray TraceLine(const ExchangeRecord& record) {
    return TraceColumns(record).join(QLatin1Char('\t')).toUtf8() + '\n';
}

TraceFile::TraceFile(const QString& path) : file_(path) {
    // Unbuffered: each line reaches the file in one write of its own.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        throw EFileError(QCoreApplication::translate("ExchangeTrace", "無法寫入通訊記錄 %1：%2")
                             .arg(path, file_.errorString()));
    }
}

void TraceFile::Append(const ExchangeRecord& record) {
    const QByteArray line = TraceLine(record);
    const QMutexLocker lock(&mutex_);
    file_.write(line);
}

void ExchangeHistory::Add(const ExchangeRecord& record) {
    records_.push_back(record);
    ++added_;
    while (records_.size() > capacity_) {
        records_.pop_front();
    }
    if (changed_) {
        changed_();
    }
}
