#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <QStringList>
#include <vector>

// A ser2net device server run by a test (or the benchmark) on 127.0.0.1,
// forwarding ptys (virtual drives') each both as raw TCP and as telnet with
// COM-port control, on ports picked free. Its configuration lives in a
// temporary folder of its own; it is stopped when this object goes.
class Ser2Net {
public:
    explicit Ser2Net(QStringList devices);
    ~Ser2Net();
    Ser2Net(const Ser2Net&) = delete;
    Ser2Net& operator=(const Ser2Net&) = delete;

    // Starts the server and waits until both ports take connections. False
    // with the reason in Error() when it does not come up in 5 s.
    bool Start();
    // Stops the server (SIGTERM, then kill); its ports refuse from then on.
    void Stop();

    // Where device `index` is served: "tcp://127.0.0.1:<port>",
    // "rfc2217://127.0.0.1:<port>".
    QString RawAddress(int index = 0) const;
    QString Rfc2217Address(int index = 0) const;
    QString Error() const { return error_; }

    // The ser2net program found on PATH or in /usr/sbin, empty when absent.
    static QString Program();
    // A TCP port on 127.0.0.1 free at the time of asking.
    static quint16 FreePort();

private:
    QStringList devices_;
    QTemporaryDir dir_;
    QProcess process_;
    std::vector<quint16> rawPorts_;
    std::vector<quint16> telnetPorts_;
    QString error_;
};
