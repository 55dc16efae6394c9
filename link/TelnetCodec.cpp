#include "link/TelnetCodec.h"

namespace {

// COM-port control commands (client to server; the server answers +100).
constexpr quint8 kSetBaudRate = 1;
constexpr quint8 kSetDataSize = 2;
constexpr quint8 kSetParity = 3;
constexpr quint8 kSetStopSize = 4;
constexpr quint8 kSetControl = 5;
constexpr quint8 kPurgeData = 12;
constexpr quint8 kServerOffset = 100;

constexpr quint8 kParityNone = 1;
constexpr quint8 kParityOdd = 2;
constexpr quint8 kParityEven = 3;
constexpr quint8 kNoFlowControl = 1;
constexpr quint8 kPurgeReceiveBuffer = 1;

QByteArray Bytes(std::initializer_list<quint8> bytes) {
    QByteArray out;
    for (const quint8 byte : bytes) {
        out += char(byte);
    }
    return out;
}

// A subnegotiation's value, 0xFF doubled.
QByteArray Escaped(const QByteArray& value) {
    QByteArray out;
    for (const char byte : value) {
        out += byte;
        if (quint8(byte) == TelnetCodec::kIac) {
            out += byte;
        }
    }
    return out;
}

} // namespace

TelnetCodec::TelnetCodec(const LinkSettings::Line& line) : line_(line) {}

bool TelnetCodec::WantLocal(quint8 option) {
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}

bool TelnetCodec::WantRemote(quint8 option) {
    // Not echo: the server echoing the requests would read as the drive's
    // replies.
    return option == kBinary || option == kSuppressGoAhead;
}

QByteArray TelnetCodec::Start() {
    for (const quint8 option : {kBinary, kSuppressGoAhead, kComPort}) {
        if (!local_[option].on && !local_[option].asked) {
            local_[option].asked = true;
            Reply(kWill, option);
        }
    }
    for (const quint8 option : {kBinary, kSuppressGoAhead}) {
        if (!remote_[option].on && !remote_[option].asked) {
            remote_[option].asked = true;
            Reply(kDo, option);
        }
    }
    return TakeReplies();
}

QByteArray TelnetCodec::Receive(const QByteArray& bytes) {
    QByteArray data;
    for (const char c : bytes) {
        const auto byte = quint8(c);
        switch (state_) {
        case State::Data:
            if (byte == kIac) {
                state_ = State::Iac;
            } else if (byte == 0 && afterCr_ && !remote_[kBinary].on) {
                afterCr_ = false; // NVT's CR NUL is a bare CR
            } else {
                data += c;
                afterCr_ = byte == '\r';
            }
            break;
        case State::Iac:
            if (byte == kIac) {
                data += c;
                afterCr_ = false;
                state_ = State::Data;
            } else if (byte >= kWill && byte <= kDont) {
                verb_ = byte;
                state_ = State::Verb;
            } else if (byte == kSb) {
                sub_.clear();
                subOverflow_ = false;
                state_ = State::Sub;
            } else {
                state_ = State::Data; // NOP, GA, DM, a stray SE...: nothing to do
            }
            break;
        case State::Verb:
            OnVerb(verb_, byte);
            state_ = State::Data;
            break;
        case State::Sub:
            if (byte == kIac) {
                state_ = State::SubIac;
            } else if (sub_.size() < kMaxSubnegotiation) {
                sub_ += c;
            } else {
                subOverflow_ = true;
            }
            break;
        case State::SubIac:
            if (byte == kSe) {
                if (!subOverflow_) {
                    OnSubnegotiation();
                }
                sub_.clear();
                state_ = State::Data;
            } else {
                // A doubled 0xFF is one value byte; anything else is a
                // broken subnegotiation, kept as its byte until SE.
                if (sub_.size() < kMaxSubnegotiation) {
                    sub_ += c;
                } else {
                    subOverflow_ = true;
                }
                state_ = State::Sub;
            }
            break;
        }
    }
    return data;
}

void TelnetCodec::OnVerb(quint8 verb, quint8 option) {
    OptionState& local = local_[option];
    OptionState& remote = remote_[option];
    switch (verb) {
    case kDo:
        if (!WantLocal(option)) {
            Reply(kWont, option);
        } else if (!local.on) {
            local.on = true;
            if (!local.asked) {
                Reply(kWill, option);
            }
            local.asked = false;
            if (option == kComPort) {
                comPortAnswered_ = true;
                QueueLineSettings();
            }
        }
        break;
    case kDont:
        if (local.on) {
            Reply(kWont, option);
        }
        local.on = false;
        local.asked = false;
        if (option == kComPort) {
            comPortAnswered_ = true;
        }
        break;
    case kWill:
        if (!WantRemote(option)) {
            Reply(kDont, option);
        } else if (!remote.on) {
            remote.on = true;
            if (!remote.asked) {
                Reply(kDo, option);
            }
            remote.asked = false;
        }
        break;
    case kWont:
        if (remote.on) {
            Reply(kDont, option);
        }
        remote.on = false;
        remote.asked = false;
        break;
    default:
        break;
    }
}

void TelnetCodec::OnSubnegotiation() {
    // Only the server's report of its baud rate is kept; its other answers
    // and notifications change nothing the link does.
    if (sub_.size() == 6 && quint8(sub_[0]) == kComPort &&
        quint8(sub_[1]) == kServerOffset + kSetBaudRate) {
        serverBaud_ = quint32(quint8(sub_[2])) << 24 | quint32(quint8(sub_[3])) << 16 |
                      quint32(quint8(sub_[4])) << 8 | quint32(quint8(sub_[5]));
    }
}

void TelnetCodec::Reply(quint8 verb, quint8 option) {
    if (replies_.size() < kMaxReplies) {
        replies_ += Bytes({kIac, verb, option});
    }
}

void TelnetCodec::QueueComPortCommand(quint8 command, const QByteArray& value) {
    if (replies_.size() < kMaxReplies) {
        replies_ += Bytes({kIac, kSb, kComPort, command}) + Escaped(value) + Bytes({kIac, kSe});
    }
}

void TelnetCodec::QueueLineSettings() {
    const auto baud = quint32(line_.baudRate);
    QueueComPortCommand(kSetBaudRate, Bytes({quint8(baud >> 24), quint8(baud >> 16),
                                             quint8(baud >> 8), quint8(baud)}));
    QueueComPortCommand(kSetDataSize, Bytes({quint8(line_.dataBits)}));
    const quint8 parity = line_.parity == LinkSettings::Parity::Odd    ? kParityOdd
                          : line_.parity == LinkSettings::Parity::Even ? kParityEven
                                                                       : kParityNone;
    QueueComPortCommand(kSetParity, Bytes({parity}));
    QueueComPortCommand(kSetStopSize, Bytes({quint8(line_.stopBits == 2 ? 2 : 1)}));
    QueueComPortCommand(kSetControl, Bytes({kNoFlowControl}));
}

QByteArray TelnetCodec::TakeReplies() {
    QByteArray taken;
    taken.swap(replies_);
    return taken;
}

QByteArray TelnetCodec::Encode(const QByteArray& data) const {
    QByteArray out;
    out.reserve(data.size() + 2);
    for (const char c : data) {
        out += c;
        if (quint8(c) == kIac) {
            out += c;
        } else if (c == '\r' && !local_[kBinary].on) {
            out += '\0';
        }
    }
    return out;
}

QByteArray TelnetCodec::PurgeReceived() const {
    if (!ComPortOn()) {
        return {};
    }
    return Bytes({kIac, kSb, kComPort, kPurgeData, kPurgeReceiveBuffer, kIac, kSe});
}
