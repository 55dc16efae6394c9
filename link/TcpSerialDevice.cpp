#include "link/TcpSerialDevice.h"

#include "link/PortAddress.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <atomic>

// As on the serial port: FIONREAD tells whether the system holds bytes not
// yet collected; the portable build asks the socket with a wait of no time.
#if defined(Q_OS_UNIX) && !defined(TARN_PORTABLE_LINK)
#define TARN_LINK_FIONREAD 1
#include <sys/ioctl.h>
#endif

namespace {
std::atomic<TcpSerialDevice::CancelCheck> openCancel{nullptr};
} // namespace

void TcpSerialDevice::SetOpenCancel(CancelCheck check) {
    openCancel.store(check);
}

bool TcpSerialDevice::Cancelled() {
    const CancelCheck check = openCancel.load();
    return check && check();
}

// The connection, waited for in an event loop so a cancel is seen within
// kCancelPollMs (waitForConnected gives up the connection when it times out).
bool TcpSerialDevice::WaitConnected() {
    if (!openCancel.load()) {
        return socket_.waitForConnected(kConnectMs);
    }
    const QDeadlineTimer deadline(kConnectMs);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&socket_, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&socket_, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (deadline.hasExpired() || Cancelled()) {
            loop.quit();
        }
    });
    poll.start(kCancelPollMs);
    if (socket_.state() != QAbstractSocket::ConnectedState &&
        socket_.state() != QAbstractSocket::UnconnectedState) {
        loop.exec();
    }
    return socket_.state() == QAbstractSocket::ConnectedState;
}

TcpSerialDevice::TcpSerialDevice() {
    QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] { OnReadyRead(); });
    QObject::connect(&socket_, &QTcpSocket::errorOccurred, &socket_,
                     [this](QAbstractSocket::SocketError) { OnLost(); });
    QObject::connect(&socket_, &QTcpSocket::disconnected, &socket_, [this] { OnLost(); });
}

TcpSerialDevice::~TcpSerialDevice() {
    connected_ = false;
    socket_.abort();
}

bool TcpSerialDevice::Open(const QString& device, const LinkSettings::Line& line) {
    Close();
    vanished_ = false;
    errorText_.clear();
    data_.clear();
    const std::optional<PortAddress> address = ParsePortAddress(device);
    if (!address) {
        errorText_ =
            QStringLiteral("not a network address (%1)").arg(QLatin1String(kNetworkAddressForms));
        return false;
    }
    limit_ = line.receiveBufferSize;
    telnet_.reset(address->kind == PortAddress::Kind::Rfc2217 ? new TelnetCodec(line) : nullptr);
    socket_.connectToHost(address->host, address->port);
    if (!WaitConnected()) {
        errorText_ = Cancelled() ? QStringLiteral("interrupted") : socket_.errorString();
        socket_.abort();
        return false;
    }
    // A request is a few bytes: sent at once rather than held for more.
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (telnet_ && !Negotiate()) {
        socket_.abort();
        return false;
    }
    // Before the connection counts as up, so a wait that runs out is not
    // taken for a lost connection.
    if (!telnet_ && !SettleRawInput()) {
        socket_.abort();
        return false;
    }
    connected_ = true;
    // What the server sends before the first request answers a request of
    // an earlier client; on a telnet port the server's buffer is purged too.
    DiscardInput();
    return true;
}

// A raw server opens its serial line when a client connects and passes on
// what the line held a few ms later, after the connection is up; with no
// negotiation to wait for, that first burst is waited for and dropped.
bool TcpSerialDevice::SettleRawInput() {
    const QDeadlineTimer deadline(kRawSettleMs);
    while (!deadline.hasExpired() && socket_.state() == QAbstractSocket::ConnectedState) {
        if (Cancelled()) {
            errorText_ = QStringLiteral("interrupted");
            return false;
        }
        socket_.waitForReadyRead(int(std::min<qint64>(deadline.remainingTime(), kCancelPollMs)));
        Pump();
        data_.clear();
    }
    if (socket_.state() != QAbstractSocket::ConnectedState) {
        errorText_ = socket_.errorString();
        return false;
    }
    return true;
}

bool TcpSerialDevice::Negotiate() {
    socket_.write(telnet_->Start());
    socket_.flush();
    // The line settings go out when the server takes COM-port control, so
    // they are in force before the first request; a server that never
    // answers the offer is not a device server's telnet port.
    const QDeadlineTimer deadline(kConnectMs);
    while (!telnet_->ComPortAnswered()) {
        // In slices, so a cancel is seen while the server keeps silent.
        const int slice = int(std::min<qint64>(deadline.remainingTime(), kCancelPollMs));
        const bool arrived = !deadline.hasExpired() && socket_.waitForReadyRead(slice);
        if (Cancelled()) {
            errorText_ = QStringLiteral("interrupted");
            return false;
        }
        if (!arrived) {
            if (!deadline.hasExpired() && socket_.state() == QAbstractSocket::ConnectedState) {
                continue;
            }
            errorText_ = socket_.state() == QAbstractSocket::ConnectedState
                             ? QStringLiteral("no telnet answer from the server")
                             : socket_.errorString();
            return false;
        }
        Pump();
    }
    if (!telnet_->ComPortOn()) {
        errorText_ = QStringLiteral("the server refused COM-port control (RFC 2217)");
        return false;
    }
    return true;
}

void TcpSerialDevice::Close() {
    connected_ = false;
    socket_.abort();
    data_.clear();
}

bool TcpSerialDevice::IsOpen() const {
    return socket_.state() == QAbstractSocket::ConnectedState;
}

bool TcpSerialDevice::Write(const QByteArray& bytes) {
    const QByteArray wire = telnet_ ? telnet_->Encode(bytes) : bytes;
    if (socket_.write(wire) != wire.size()) {
        errorText_ = socket_.errorString();
        return false;
    }
    socket_.flush();
    return !vanished_;
}

qint64 TcpSerialDevice::BytesWaiting() {
    Pump();
    return data_.size();
}

QByteArray TcpSerialDevice::TakeAll() {
    Pump();
    QByteArray taken;
    taken.swap(data_);
    return taken;
}

void TcpSerialDevice::DiscardInput() {
    Pump();
    data_.clear();
    if (telnet_ && IsOpen()) {
        // Bytes the server took from the line and has not sent yet are stale
        // too; the purge reaches it before the next request does.
        const QByteArray purge = telnet_->PurgeReceived();
        if (!purge.isEmpty()) {
            socket_.write(purge);
            socket_.flush();
        }
    }
}

QString TcpSerialDevice::ErrorText() const {
    return errorText_;
}

bool TcpSerialDevice::Vanished() const {
    return vanished_;
}

void TcpSerialDevice::SetArrivalHandler(std::function<void()> handler) {
    arrival_ = std::move(handler);
}

void TcpSerialDevice::OnReadyRead() {
    // Inside Pump's own collection the outer call moves the bytes and its
    // caller looks at them.
    if (pumping_) {
        return;
    }
    Pump();
    if (arrival_) {
        arrival_();
    }
}

void TcpSerialDevice::OnLost() {
    // Only a connection that was up can be lost; a failed connect is
    // reported by Open.
    if (!connected_) {
        return;
    }
    connected_ = false;
    errorText_ = socket_.errorString();
    vanished_ = true;
    socket_.abort();
}

bool TcpSerialDevice::SystemMayHoldBytes() {
#ifdef TARN_LINK_FIONREAD
    int pending = 0;
    return ioctl(int(socket_.socketDescriptor()), FIONREAD, &pending) == 0 && pending > 0;
#else
    return true;
#endif
}

void TcpSerialDevice::Pump() {
    if (pumping_ || !IsOpen()) {
        return;
    }
    pumping_ = true;
    // Qt collects from the system only when the event loop sees the socket
    // readable; a reply that came in during the wait's last round is
    // collected now, so the count is current.
    if (SystemMayHoldBytes()) {
        socket_.waitForReadyRead(0);
    }
    const QByteArray bytes = socket_.readAll();
    if (telnet_) {
        data_ += telnet_->Receive(bytes);
        const QByteArray replies = telnet_->TakeReplies();
        if (!replies.isEmpty() && IsOpen()) {
            socket_.write(replies);
            socket_.flush();
        }
    } else {
        data_ += bytes;
    }
    // Like a port's buffer, it holds so much and no more.
    if (data_.size() > limit_) {
        data_.truncate(limit_);
    }
    pumping_ = false;
}
