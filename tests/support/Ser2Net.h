#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A ser2net device server run by a test on 127.0.0.1, forwarding one pty
// (a virtual drive's) both as raw TCP and as telnet with COM-port control,
// each on a port picked free. Its configuration lives in a temporary folder
// of its own; it is stopped when this object goes.
class Ser2Net {
public:
    explicit Ser2Net(QString device);
    ~Ser2Net();
    Ser2Net(const Ser2Net&) = delete;
    Ser2Net& operator=(const Ser2Net&) = delete;

    // Starts the server and waits until both ports take connections. False
    // with the reason in Error() when it does not come up in 5 s.
    bool Start();
    // Stops the server (SIGTERM, then kill); its ports refuse from then on.
    void Stop();

    QString RawAddress() const;     // "tcp://127.0.0.1:<port>"
    QString Rfc2217Address() const; // "rfc2217://127.0.0.1:<port>"
    QString Error() const { return error_; }

    // The ser2net program found on PATH or in /usr/sbin, empty when absent.
    static QString Program();
    // A TCP port on 127.0.0.1 free at the time of asking.
    static quint16 FreePort();

private:
    QString device_;
    QTemporaryDir dir_;
    QProcess process_;
    quint16 rawPort_ = 0;
    quint16 telnetPort_ = 0;
    QString error_;
};
