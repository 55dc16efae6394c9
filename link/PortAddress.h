#pragma once

#include <QString>
#include <optional>

// A drive reached over the network: a device server's raw TCP port or its
// telnet port with COM-port control (RFC 2217). A serial device is not a
// network address; it is opened by its path as before.
struct PortAddress {
    enum class Kind { Tcp, Rfc2217 };

    Kind kind = Kind::Tcp;
    QString host;     // as given, without brackets for an IPv6 literal
    quint16 port = 0; // 1 to 65535

    // "tcp://HOST:PORT" or "rfc2217://HOST:PORT" ("socket://" reads as
    // "tcp://"); an IPv6 host in brackets.
    QString Text() const;
    // What a file name is given for {port}: "10.0.0.5_4001", characters
    // a file name cannot hold replaced by '-'.
    QString FileTag() const;
    // Host (lower case) and port: two addresses with the same key reach the
    // same server port, whatever their form.
    QString Key() const;
};

// True when `text` starts with a network scheme (tcp://, socket://,
// rfc2217://, any case), well formed or not.
bool IsNetworkAddress(const QString& text);

// The address in `text`; nothing when it is not a network address or when
// its host is empty or its port is not 1 to 65535.
std::optional<PortAddress> ParsePortAddress(const QString& text);

// Why `text` is no network address, for messages: that it names a user
// ("tcp://user@host:4001": a device server takes no log-in here), else the
// forms an address takes.
QString PortAddressFault(const QString& text);

// The forms a network address takes, for messages.
constexpr const char* kNetworkAddressForms =
    "tcp://HOST:PORT, socket://HOST:PORT, rfc2217://HOST:PORT";
