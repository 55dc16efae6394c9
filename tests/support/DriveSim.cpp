#include "DriveSim.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The log shows CR as "\r" and other control bytes as "\xNN".
QByteArray Unescape(const QByteArray& text) {
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            bytes += text[i];
        } else if (text[i + 1] == 'r') {
            bytes += '\r';
            ++i;
        } else if (text[i + 1] == 'n') {
            bytes += '\n';
            ++i;
        } else if (text[i + 1] == 'x' && i + 3 < text.size()) {
            bytes += char(text.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

// The drive's log and state files go to memory where the machine has it:
// a drive stalled by a busy disk would answer after the tool's wait.
QString FolderTemplate() {
    const QString memory = QStringLiteral("/dev/shm");
    const QString root = QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    return root + QStringLiteral("/tarn-drive-XXXXXX");
}

} // namespace

DriveSim::DriveSim(QStringList options, int drives)
    : options_(std::move(options)), drives_(drives), dir_(FolderTemplate()) {
    if (drives_ > 1) {
        options_ << QStringLiteral("--drives") << QString::number(drives_);
    }
}

DriveSim::~DriveSim() {
    Stop();
}

QString DriveSim::Program() {
    return qEnvironmentVariable("TARN_DRIVE_SIM");
}

bool DriveSim::Start() {
    if (Program().isEmpty()) {
        error_ = QStringLiteral("TARN_DRIVE_SIM is not set");
        return false;
    }
    // Each drive has a folder of its own, so drives running side by side
    // never share a log or a state file; without one it does not start.
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no folder for the drive's files: ") + dir_.errorString();
        return false;
    }
    QStringList arguments = options_;
    arguments << QStringLiteral("--log") << dir_.filePath(QStringLiteral("traffic.log"))
              << QStringLiteral("--state") << dir_.filePath(QStringLiteral("state.txt"));
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(Program(), arguments);
    if (!process_.waitForStarted(5000)) {
        error_ = process_.errorString();
        return false;
    }
    for (int drive = 0; drive < drives_; ++drive) {
        const QByteArray line = ReadLine(5000);
        if (!line.startsWith("DEVICE ")) {
            error_ = QStringLiteral("no DEVICE line: ") + QString::fromLocal8Bit(line) +
                     QString::fromLocal8Bit(process_.readAllStandardError());
            return false;
        }
        devices_ << QString::fromLocal8Bit(line.mid(7));
    }
    return true;
}

bool DriveSim::Command(const QString& line) {
    if (process_.state() != QProcess::Running) {
        return false;
    }
    process_.write(line.toLocal8Bit() + '\n');
    process_.waitForBytesWritten(1000);
    return ReadLine(5000) == "OK";
}

QString DriveSim::FileOf(const QString& name, int drive) const {
    return dir_.filePath(drives_ > 1 ? QStringLiteral("%1.%2").arg(name).arg(drive) : name);
}

QList<DriveSim::LogEntry> DriveSim::Log(int drive) const {
    QList<LogEntry> entries;
    QFile file(FileOf(QStringLiteral("traffic.log"), drive));
    if (!file.open(QIODevice::ReadOnly)) {
        return entries;
    }
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QList<QByteArray> parts = raw.split(' ');
        if (parts.size() < 3) {
            continue;
        }
        const qsizetype bytesAt = parts[0].size() + parts[1].size() + 2;
        entries.append(
            {parts[0].toDouble(), QString::fromLatin1(parts[1]), Unescape(raw.mid(bytesAt))});
    }
    return entries;
}

QList<QByteArray> DriveSim::Requests(int drive) const {
    QList<QByteArray> requests;
    for (const LogEntry& entry : Log(drive)) {
        if (entry.direction == QLatin1String("RX")) {
            requests << entry.bytes;
        }
    }
    return requests;
}

QMap<quint16, QString> DriveSim::State(int drive) const {
    QMap<quint16, QString> values;
    QFile file(FileOf(QStringLiteral("state.txt"), drive));
    if (!file.open(QIODevice::ReadOnly)) {
        return values;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.size() == 8 && line.startsWith('P')) {
            values.insert(line.mid(1, 3).toUShort(), QString::fromLatin1(line.mid(4)));
        }
    }
    return values;
}

void DriveSim::Stop() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.write("quit\n");
    if (!process_.waitForFinished(2000)) {
        process_.terminate();
        if (!process_.waitForFinished(2000)) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
}

QByteArray DriveSim::ReadLine(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || process_.state() != QProcess::Running ||
            !process_.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
            if (!process_.canReadLine()) {
                return {};
            }
        }
    }
    return process_.readLine().trimmed();
}
