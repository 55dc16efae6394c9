#include "web/WebServer.h"

#include "web/WebText.h"

#include <QRegularExpression>
#include <arpa/inet.h>
#include <csignal>
#include <cstring>
#include <microhttpd.h>
#include <netinet/in.h>

namespace {

// The request's target as it came, before the server decodes anything:
// the router is the one decoder.
void* KeepTarget(void*, const char* uri, MHD_Connection*) {
    return new QByteArray(uri);
}

void Forget(void*, MHD_Connection*, void** kept, MHD_RequestTerminationCode) {
    delete static_cast<QByteArray*>(*kept);
    *kept = nullptr;
}

MHD_Result Send(MHD_Connection* connection, const WebAnswer& answer) {
    MHD_Response* response = MHD_create_response_from_buffer(
        size_t(answer.body.size()), const_cast<char*>(answer.body.constData()),
        MHD_RESPMEM_MUST_COPY);
    if (!response) {
        return MHD_NO;
    }
    MHD_add_response_header(response, "Content-Type", answer.contentType.constData());
    MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
    // Only this server's own stylesheet and script: text from a file that
    // escaped its escaping still could not run.
    MHD_add_response_header(
        response, "Content-Security-Policy",
        "default-src 'none'; style-src 'self'; script-src 'self'; img-src 'self'");
    MHD_add_response_header(response, "Cache-Control", "no-store");
    if (!answer.disposition.isEmpty()) {
        MHD_add_response_header(response, "Content-Disposition", answer.disposition.constData());
    }
    if (answer.status == 405) {
        MHD_add_response_header(response, "Allow", "GET, HEAD");
    }
    const MHD_Result queued = MHD_queue_response(connection, unsigned(answer.status), response);
    MHD_destroy_response(response);
    return queued;
}

MHD_Result Handle(void* context, MHD_Connection* connection, const char*, const char* method,
                  const char*, const char*, size_t* uploadSize, void** kept) {
    auto* site = static_cast<WebSite*>(context);
    const QByteArray* target = static_cast<QByteArray*>(*kept);
    *uploadSize = 0; // a body is never read: only GET and HEAD are answered
    WebAnswer answer;
    try {
        const WebRouting routing =
            RouteRequest(QByteArray(method), target ? *target : QByteArray());
        answer = routing.ok ? site->Answer(routing.route)
                            : WebSite::ErrorPage(routing.refusal.status, routing.refusal.why);
    } catch (const TarnError& error) {
        answer = WebSite::ErrorPage(503, error.Text());
    } catch (const std::exception&) {
        answer = WebSite::ErrorPage(500, WebText::tr("伺服器內部錯誤"));
    }
    return Send(connection, answer);
}

} // namespace

QString ListenAddress::Url() const {
    const QString shown =
        host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return QStringLiteral("http://%1:%2/").arg(shown).arg(port);
}

ListenAddress ListenAddress::Parse(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(?:\\[([0-9A-Fa-f:.]+)\\]|([0-9.]+)):([0-9]{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    const uint port = match.captured(3).toUInt();
    ListenAddress address{match.captured(1).isEmpty() ? match.captured(2) : match.captured(1),
                          quint16(port)};
    in6_addr scratch;
    const int family = match.captured(1).isEmpty() ? AF_INET : AF_INET6;
    if (!match.hasMatch() || port > 65535 ||
        inet_pton(family, address.host.toLatin1().constData(), &scratch) != 1) {
        throw WebServerError(
            WebText::tr("--listen 要寫成 位址:埠（例如 127.0.0.1:8080）：%1").arg(text));
    }
    return address;
}

WebServer::WebServer(WebSite& site, const ListenAddress& address, const Limits& limits)
    : site_(site), address_(address) {
    // A git reader that died must not end the server at the next write.
    signal(SIGPIPE, SIG_IGN);
    sockaddr_storage socket{};
    unsigned flags = MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL;
    const QByteArray host = address.host.toLatin1();
    if (address.host.contains(QLatin1Char(':'))) {
        auto* in6 = reinterpret_cast<sockaddr_in6*>(&socket);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(address.port);
        inet_pton(AF_INET6, host.constData(), &in6->sin6_addr);
        flags |= MHD_USE_IPv6;
    } else {
        auto* in4 = reinterpret_cast<sockaddr_in*>(&socket);
        in4->sin_family = AF_INET;
        in4->sin_port = htons(address.port);
        inet_pton(AF_INET, host.constData(), &in4->sin_addr);
    }
    daemon_ = MHD_start_daemon(
        flags, address.port, nullptr, nullptr, &Handle, &site_, MHD_OPTION_SOCK_ADDR, &socket,
        MHD_OPTION_THREAD_POOL_SIZE, limits.threads, MHD_OPTION_CONNECTION_TIMEOUT,
        limits.idleSeconds, MHD_OPTION_CONNECTION_LIMIT, limits.connections,
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, size_t(32 * 1024), MHD_OPTION_URI_LOG_CALLBACK,
        &KeepTarget, nullptr, MHD_OPTION_NOTIFY_COMPLETED, &Forget, nullptr, MHD_OPTION_END);
    if (!daemon_) {
        throw WebServerError(
            WebText::tr("無法在 %1 接受連線（位址已被使用或不屬於這台電腦）").arg(address.Url()));
    }
    if (const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT)) {
        address_.port = info->port;
    }
}

WebServer::~WebServer() {
    if (daemon_) {
        MHD_stop_daemon(daemon_);
    }
}

namespace {
sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}
} // namespace

void BlockStopSignals() {
    const sigset_t set = StopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

int WaitForStopSignal() {
    const sigset_t set = StopSignals();
    int signal = 0;
    sigwait(&set, &signal);
    return signal;
}
