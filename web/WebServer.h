#pragma once

#include "core/TarnError.h"
#include "web/WebSite.h"

#include <QString>
#include <QtGlobal>

struct MHD_Daemon;

// The server could not listen or the listen address is not one.
class WebServerError : public TarnError {
    using TarnError::TarnError;
};

// Where to listen: "127.0.0.1:8080", "[::1]:8080", "0.0.0.0:80".
struct ListenAddress {
    QString host;
    quint16 port = 0;

    // "http://127.0.0.1:8080/", as a person types it into a browser.
    QString Url() const;
    // Throws WebServerError "--listen 要寫成 位址:埠（例如 127.0.0.1:8080）：…"
    // for anything but an IPv4 or bracketed IPv6 address and a port 0–65535.
    static ListenAddress Parse(const QString& text);
};

// An HTTP server over a WebSite: its threads answer GET and HEAD while it
// lives. Its limits are the embedded server's: a request line and headers
// together under 32 KB (longer: refused by the server itself), a
// connection idle `idleSeconds` closed, at most `connections` at once;
// threads wait on epoll, so idle connections hold no thread.
class WebServer {
public:
    struct Limits {
        unsigned idleSeconds = 30;
        unsigned threads = 4;
        unsigned connections = 1000;
    };
    // Starts listening (port 0: one the system chooses). Throws
    // WebServerError when it cannot.
    WebServer(WebSite& site, const ListenAddress& address, const Limits& limits);
    WebServer(WebSite& site, const ListenAddress& address) : WebServer(site, address, Limits{}) {}
    ~WebServer();
    WebServer(const WebServer&) = delete;
    WebServer& operator=(const WebServer&) = delete;

    // Where it listens, the port the system chose included.
    ListenAddress Address() const { return address_; }

    WebSite& Site() { return site_; }

private:
    WebSite& site_;
    ListenAddress address_;
    MHD_Daemon* daemon_ = nullptr;
};

// Blocks SIGINT and SIGTERM in this thread and every thread started after
// (call before the server starts), so that WaitForStopSignal takes them.
void BlockStopSignals();
// Waits for SIGINT or SIGTERM; returns which.
int WaitForStopSignal();
