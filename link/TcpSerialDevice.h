#pragma once

#include "link/ISerialDevice.h"
#include "link/TelnetCodec.h"

#include <QTcpSocket>
#include <memory>

// A drive's line through a device server: a TCP connection that carries the
// line's bytes as they are (raw mode), or telnet with COM-port control
// (RFC 2217), which also asks the server for the line settings and purges
// its receive buffer where the link empties its own. Opened with a network
// address ("tcp://HOST:PORT", "rfc2217://HOST:PORT"; see PortAddress).
//
// The socket belongs to the creating thread and is serviced by that
// thread's event loop, which the link runs while it waits. A connection
// that the server closes, or that breaks, makes the device vanish as a
// hung-up port does.
class TcpSerialDevice : public ISerialDevice {
public:
    // How long opening may take: the connection, and on a telnet port the
    // server's answer to the offer of COM-port control.
    static constexpr int kConnectMs = 5000;

    // Asked every kCancelPollMs while opening waits (tarnctl's Ctrl-C): true
    // ends the wait and the open fails. Set once, before any device opens;
    // without it opening waits as it always did.
    using CancelCheck = bool (*)();
    static void SetOpenCancel(CancelCheck check);
    static constexpr int kCancelPollMs = 100;
    // How long a raw server's first burst is waited for after connecting.
    static constexpr int kRawSettleMs = 100;

    TcpSerialDevice();
    ~TcpSerialDevice() override;

    bool Open(const QString& device, const LinkSettings::Line& line) override;
    void Close() override;
    bool IsOpen() const override;
    bool Write(const QByteArray& bytes) override;
    qint64 BytesWaiting() override;
    QByteArray TakeAll() override;
    void DiscardInput() override;
    QString ErrorText() const override;
    bool Vanished() const override;
    void SetArrivalHandler(std::function<void()> handler) override;

private:
    bool Negotiate();
    bool SettleRawInput();
    bool WaitConnected();
    // False once the wait for the connection or its negotiation must end.
    static bool Cancelled();
    void OnReadyRead();
    void OnLost();
    // Moves what the socket holds (and the system has received) into data_,
    // through the telnet layer when there is one, and sends its answers.
    void Pump();
    bool SystemMayHoldBytes();

    QTcpSocket socket_;
    std::unique_ptr<TelnetCodec> telnet_; // null in raw mode
    QByteArray data_;
    qint64 limit_ = 1024;
    QString errorText_;
    bool connected_ = false; // opened and not lost or closed since
    bool vanished_ = false;
    bool pumping_ = false;
    std::function<void()> arrival_;
};
