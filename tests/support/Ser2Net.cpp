#include "Ser2Net.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>
#include <memory>

namespace {

// One connection of the configuration: no character-packing delay and
// TCP_NODELAY, so bytes pass at once; a new client replaces an old one, so
// a test's next run is never turned away by a connection still closing.
QString Connection(const QString& name, const QString& accepter, const QString& device) {
    return QStringLiteral("connection: &%1\n"
                          "  accepter: %2\n"
                          "  connector: serialdev,%3,9600n81,local\n"
                          "  options:\n"
                          "    kickolduser: true\n"
                          "    chardelay: false\n")
        .arg(name, accepter, device);
}

// True once something listens on the port. A probe by connecting would
// make the server open the device and close it again, and a client coming
// in while it closes may be turned away; a probe by binding could take the
// port from under the server starting. The system's socket table is read
// instead where there is one (state 0A is LISTEN).
bool Listening(quint16 port) {
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly)) {
        QTcpServer probe;
        return !probe.listen(QHostAddress::LocalHost, port);
    }
    const QByteArray local =
        QByteArray(":") + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 3 && fields[1].endsWith(local) && fields[3] == "0A") {
            return true;
        }
    }
    return false;
}

} // namespace

Ser2Net::Ser2Net(QStringList devices) : devices_(std::move(devices)) {}

Ser2Net::~Ser2Net() {
    Stop();
}

QString Ser2Net::Program() {
    return QStandardPaths::findExecutable(QStringLiteral("ser2net"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                           QStringLiteral("/usr/local/sbin")});
}

quint16 Ser2Net::FreePort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

bool Ser2Net::Start() {
    if (Program().isEmpty()) {
        error_ = QStringLiteral("ser2net is not installed");
        return false;
    }
    if (!dir_.isValid() || devices_.isEmpty()) {
        error_ = devices_.isEmpty() ? QStringLiteral("no device to serve") : dir_.errorString();
        return false;
    }
    // Listening side by side, so no two are handed the same port.
    std::vector<std::unique_ptr<QTcpServer>> held;
    const auto pick = [&held] {
        held.push_back(std::make_unique<QTcpServer>());
        held.back()->listen(QHostAddress::LocalHost, 0);
        return held.back()->serverPort();
    };
    QString config;
    for (int i = 0; i < devices_.size(); ++i) {
        rawPorts_.push_back(pick());
        telnetPorts_.push_back(pick());
        config += Connection(QStringLiteral("raw%1").arg(i),
                             QStringLiteral("tcp(nodelay),127.0.0.1,%1").arg(rawPorts_.back()),
                             devices_[i]) +
                  Connection(QStringLiteral("rfc2217_%1").arg(i),
                             QStringLiteral("telnet(rfc2217),tcp(nodelay),127.0.0.1,%1")
                                 .arg(telnetPorts_.back()),
                             devices_[i]);
    }
    held.clear();
    QFile file(dir_.filePath(QStringLiteral("ser2net.yaml")));
    if (!file.open(QIODevice::WriteOnly) || file.write(config.toUtf8()) < 0) {
        error_ = file.errorString();
        return false;
    }
    file.close();
    // In the foreground, with its pid file in the folder and no UUCP lock
    // (the lock folder is the system's).
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(Program(), {QStringLiteral("-n"), QStringLiteral("-u"), QStringLiteral("-c"),
                               file.fileName(), QStringLiteral("-P"),
                               dir_.filePath(QStringLiteral("ser2net.pid"))});
    if (!process_.waitForStarted(5000)) {
        error_ = process_.errorString();
        return false;
    }
    QDeadlineTimer deadline(5000);
    const auto allListening = [this] {
        for (size_t i = 0; i < rawPorts_.size(); ++i) {
            if (!Listening(rawPorts_[i]) || !Listening(telnetPorts_[i])) {
                return false;
            }
        }
        return true;
    };
    while (!allListening()) {
        if (deadline.hasExpired() || process_.state() != QProcess::Running) {
            error_ = QStringLiteral("ser2net did not come up: ") +
                     QString::fromLocal8Bit(process_.readAll());
            Stop();
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

void Ser2Net::Stop() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

QString Ser2Net::RawAddress(int index) const {
    return QStringLiteral("tcp://127.0.0.1:%1").arg(rawPorts_.at(size_t(index)));
}

QString Ser2Net::Rfc2217Address(int index) const {
    return QStringLiteral("rfc2217://127.0.0.1:%1").arg(telnetPorts_.at(size_t(index)));
}
