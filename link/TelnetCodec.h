#pragma once

#include "link/LinkSettings.h"

#include <QByteArray>
#include <array>

// The client side of telnet with COM-port control (RFC 854/855, RFC 2217)
// as plain byte handling: bytes from the server go in, the line's data bytes
// and the answers owed to the server come out. No socket, no clock, so it
// is tested and fuzzed on its own.
//
// The link wants binary transmission and suppressed go-ahead both ways and
// offers COM-port control; every other option is refused. Once the server
// takes COM-port control, the line settings are asked for: the baud rate,
// data bits, parity and stop bits of `line`, no flow control. Whatever the
// server sends, what is kept between calls stays small: a subnegotiation is
// cut at kMaxSubnegotiation bytes and queued answers at kMaxReplies.
class TelnetCodec {
public:
    static constexpr int kMaxSubnegotiation = 64;
    static constexpr int kMaxReplies = 4096;

    explicit TelnetCodec(const LinkSettings::Line& line = {});

    // What the client says on connecting: its offers and requests.
    QByteArray Start();
    // Reads bytes from the server, split anywhere; returns the data bytes
    // among them (0xFF undoubled) and queues the answers.
    QByteArray Receive(const QByteArray& bytes);
    // The answers queued so far (negotiation, the line settings), taken.
    QByteArray TakeReplies();
    // `data` as sent on the wire: 0xFF doubled, CR followed by NUL while
    // the server has not agreed to binary transmission from the client.
    QByteArray Encode(const QByteArray& data) const;
    // The command that empties the server's buffer of bytes received from
    // the line and not yet sent; empty unless the server took COM-port
    // control.
    QByteArray PurgeReceived() const;

    // True once the server answered the offer of COM-port control (either way).
    bool ComPortAnswered() const { return comPortAnswered_; }
    // True while the server has COM-port control on.
    bool ComPortOn() const { return local_[kComPort].on; }
    // The baud rate the server last reported, 0 before it did.
    quint32 ServerBaudRate() const { return serverBaud_; }

    // Telnet bytes and the options the link takes part in.
    enum : quint8 {
        kIac = 255,
        kDont = 254,
        kDo = 253,
        kWont = 252,
        kWill = 251,
        kSb = 250,
        kSe = 240,
        kBinary = 0,
        kEcho = 1,
        kSuppressGoAhead = 3,
        kComPort = 44,
    };

private:
    struct OptionState {
        bool on = false;
        bool asked = false; // our request is out, no answer yet
    };
    enum class State { Data, Iac, Verb, Sub, SubIac };

    void OnVerb(quint8 verb, quint8 option);
    void OnSubnegotiation();
    void Reply(quint8 verb, quint8 option);
    void QueueLineSettings();
    void QueueComPortCommand(quint8 command, const QByteArray& value);
    static bool WantLocal(quint8 option);
    static bool WantRemote(quint8 option);

    LinkSettings::Line line_;
    State state_ = State::Data;
    quint8 verb_ = 0;
    bool afterCr_ = false;
    bool subOverflow_ = false;
    QByteArray sub_;
    QByteArray replies_;
    std::array<OptionState, 256> local_{};  // options the client does
    std::array<OptionState, 256> remote_{}; // options the server does
    bool comPortAnswered_ = false;
    quint32 serverBaud_ = 0;
};
