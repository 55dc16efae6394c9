#include "bench/WebRuns.h"

#include "backup/RunLog.h"

#include "catalogue/SheetRanges.h"
#include "files/ParameterFile.h"
#include "files/ParameterFileSamples.h"
#include "support/FileBytes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kMachines = 16;
constexpr int kAxesPerMachine = 4;
constexpr int kBackups = 1000;
constexpr int kClients = 100;
constexpr int kLoadSeconds = 10;
const char* const kAxisNames[kAxesPerMachine] = {"X", "Y", "Z", "A"};

QString AxisPath(int axis) {
    return QStringLiteral("M%1/%2")
        .arg(axis / kAxesPerMachine + 1, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(kAxisNames[axis % kAxesPerMachine]));
}

// Backup 0 writes every axis; backup i then changes Pn100 on two axes.
QByteArray FastImportStream() {
    ParameterValues values = samples::DistinctValues();
    QByteArray stream;
    const qint64 start = 1767225600; // 2026-01-01
    for (int backup = 0; backup < kBackups; ++backup) {
        std::vector<int> changed;
        if (backup == 0) {
            for (int axis = 0; axis < kMachines * kAxesPerMachine; ++axis)
                changed.push_back(axis);
        } else {
            changed = {backup % 64, (backup * 7 + 3) % 64};
            if (changed[0] == changed[1])
                changed.pop_back();
        }
        QByteArray message = QStringLiteral("備份 廠B：%1 軸變更，0 軸無回應，%2 軸相同\n\n")
                                 .arg(changed.size())
                                 .arg(64 - changed.size())
                                 .toUtf8();
        QByteArray files;
        for (const int axis : changed) {
            values[size_t(SlotOf(100))] =
                QStringLiteral("%1")
                    .arg(100 + (backup + axis) % 5000, 4, 16, QLatin1Char('0'))
                    .toUpper();
            const QByteArray bytes = ParameterFileBytes(values);
            files += "M 100644 inline " + AxisPath(axis).toUtf8() + ".tarn\ndata " +
                     QByteArray::number(bytes.size()) + "\n" + bytes + "\n";
            message += AxisPath(axis).toUtf8() + " Pn100 changed\n";
        }
        const QByteArray when = QByteArray::number(start + backup * 3600) + " +0800";
        stream += "commit refs/heads/bench\nauthor tarnctl <tarnctl@bench> " + when +
                  "\ncommitter tarnctl <tarnctl@bench> " + when + "\ndata " +
                  QByteArray::number(message.size()) + "\n" + message + "\n" + files + "\n";
    }
    return stream;
}

struct Reply {
    int status = 0;
    double ms = 0;
};

Reply Get(quint16 port, const QByteArray& target) {
    QElapsedTimer clock;
    clock.start();
    Reply reply;
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const QByteArray request =
            "GET " + target + " HTTP/1.1\r\nHost: bench\r\nConnection: close\r\n\r\n";
        send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL);
        QByteArray got;
        char chunk[65536];
        ssize_t n;
        while ((n = recv(fd, chunk, sizeof chunk, 0)) > 0)
            got.append(chunk, n);
        if (got.startsWith("HTTP/1."))
            reply.status = got.mid(9, 3).toInt();
    }
    close(fd);
    reply.ms = clock.nsecsElapsed() / 1e6;
    return reply;
}

double RssMb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+) kB"))
                                              .match(QString::fromLatin1(status.readAll()));
    return match.captured(1).toDouble() / 1024.0;
}

} // namespace

WebTimes MeasureWeb(int samples) {
    WebTimes times;
    QTemporaryDir dir;
    const QString repo = dir.filePath(QStringLiteral("repo"));
    QElapsedTimer clock;
    clock.start();
    QProcess git;
    git.start(QStringLiteral("git"), {QStringLiteral("init"), QStringLiteral("-q"), repo});
    git.waitForFinished(-1);
    git.start(QStringLiteral("git"), {QStringLiteral("-C"), repo, QStringLiteral("fast-import"),
                                      QStringLiteral("--quiet")});
    git.waitForStarted();
    git.write(FastImportStream());
    git.closeWriteChannel();
    git.waitForFinished(-1);
    if (git.exitCode() != 0)
        throw std::runtime_error("git fast-import failed: " +
                                 git.readAllStandardError().toStdString());
    git.start(QStringLiteral("git"), {QStringLiteral("-C"), repo, QStringLiteral("symbolic-ref"),
                                      QStringLiteral("HEAD"), QStringLiteral("refs/heads/bench")});
    git.waitForFinished(-1);
    // The plant's file, a run log of every backup and a release halfway,
    // so the plant page, the axis page and /metrics read all three.
    QStringList machines;
    for (int m = 0; m < kMachines; ++m) {
        QStringList axes;
        for (int a = 0; a < kAxesPerMachine; ++a)
            axes << QStringLiteral("{\"name\": \"%1\", \"port\": \"/dev/null\"}")
                        .arg(QLatin1String(kAxisNames[a]));
        machines << QStringLiteral("{\"name\": \"M%1\", \"axes\": [%2]}")
                        .arg(m + 1, 2, 10, QLatin1Char('0'))
                        .arg(axes.join(", "));
    }
    const QString plant = dir.filePath(QStringLiteral("plant.json"));
    if (!PutFile(plant, QStringLiteral("{\"plant\": \"廠B\", \"machines\": [%1]}")
                            .arg(machines.join(",\n"))
                            .toUtf8()))
        throw std::runtime_error("cannot write the plant file");
    std::vector<RunRecord> records;
    const QDateTime now = QDateTime::currentDateTime();
    for (int backup = 0; backup < kBackups; ++backup) {
        for (int axis = 0; axis < kMachines * kAxesPerMachine; ++axis) {
            RunRecord record;
            record.time = now.addSecs(qint64(backup - kBackups) * 3600);
            record.plant = QStringLiteral("廠B");
            record.axis = AxisPath(axis);
            record.durationSeconds = 20;
            records.push_back(record);
        }
    }
    AppendRuns(repo, records);
    git.start(QStringLiteral(TARNCTL), {QStringLiteral("release"), plant, QStringLiteral("--repo"),
                                        repo, QStringLiteral("--at"), QStringLiteral("HEAD~500")});
    git.waitForFinished(-1);
    if (git.exitCode() != 0)
        throw std::runtime_error("tarnctl release failed: " +
                                 git.readAllStandardError().toStdString());
    times.makeSeconds = clock.nsecsElapsed() / 1e9;

    QProcess server;
    server.start(QStringLiteral(TARNCTL),
                 {QStringLiteral("serve"), QStringLiteral("--repo"), repo,
                  QStringLiteral("--plant"), plant, QStringLiteral("--listen"),
                  QStringLiteral("127.0.0.1:0")});
    server.setReadChannel(QProcess::StandardError); // where it says its address
    QByteArray said;
    quint16 port = 0;
    while (port == 0 && server.waitForReadyRead(10000)) {
        said += server.readAllStandardError();
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("127\\.0\\.0\\.1:(\\d+)"))
                .match(QString::fromUtf8(said));
        port = quint16(match.captured(1).toUInt());
    }
    if (port == 0)
        throw std::runtime_error("tarnctl serve did not start: " + said.toStdString());

    const Reply first = Get(port, "/");
    if (first.status != 200)
        throw std::runtime_error("the plant page failed");
    times.firstRequestMs = first.ms;
    for (int i = 0; i < samples; ++i) {
        const Reply plant = Get(port, "/");
        const Reply axis = Get(port, "/axis/" + AxisPath(i % 64).toUtf8());
        const Reply history = Get(port, "/history");
        if (plant.status != 200 || axis.status != 200 || history.status != 200)
            throw std::runtime_error("a page failed");
        times.plantMs.push_back(plant.ms);
        times.axisMs.push_back(axis.ms);
        times.historyMs.push_back(history.ms);
    }

    std::mutex hold;
    std::atomic<int> errors{0};
    std::vector<std::thread> clients;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(kLoadSeconds);
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            const QByteArray targets[] = {"/", "/axis/" + AxisPath(c % 64).toUtf8(), "/history",
                                          "/history?page=3", "/api/axes"};
            std::vector<double> mine;
            for (int i = 0; std::chrono::steady_clock::now() < until; ++i) {
                const Reply reply = Get(port, targets[(c + i) % 5]);
                if (reply.status != 200)
                    ++errors;
                mine.push_back(reply.ms);
            }
            const std::lock_guard<std::mutex> lock(hold);
            times.loadMs.insert(times.loadMs.end(), mine.begin(), mine.end());
        });
    }
    for (std::thread& client : clients)
        client.join();
    times.loadErrors = errors;
    times.serverRssMb = RssMb(server.processId());
    server.terminate();
    server.waitForFinished(5000);
    return times;
}
