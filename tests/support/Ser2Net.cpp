#include "Ser2Net.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

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

bool Accepts(quint16 port) {
    QTcpSocket probe;
    probe.connectToHost(QStringLiteral("127.0.0.1"), port);
    const bool up = probe.waitForConnected(200);
    probe.abort();
    return up;
}

} // namespace

Ser2Net::Ser2Net(QString device) : device_(std::move(device)) {}

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
    if (!dir_.isValid()) {
        error_ = dir_.errorString();
        return false;
    }
    rawPort_ = FreePort();
    do {
        telnetPort_ = FreePort();
    } while (telnetPort_ == rawPort_);
    const QString config =
        Connection(QStringLiteral("raw"),
                   QStringLiteral("tcp(nodelay),127.0.0.1,%1").arg(rawPort_), device_) +
        Connection(QStringLiteral("rfc2217"),
                   QStringLiteral("telnet(rfc2217),tcp(nodelay),127.0.0.1,%1").arg(telnetPort_),
                   device_);
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
    while (!(Accepts(rawPort_) && Accepts(telnetPort_))) {
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

QString Ser2Net::RawAddress() const {
    return QStringLiteral("tcp://127.0.0.1:%1").arg(rawPort_);
}

QString Ser2Net::Rfc2217Address() const {
    return QStringLiteral("rfc2217://127.0.0.1:%1").arg(telnetPort_);
}
