// The web view's router and query parser against arbitrary request lines
// ("METHOD TARGET"). Beside crashes and sanitizer reports it checks what
// the router promises: a routed request names only a safe axis
// ("machine/axis", both safe names) and a revision git can only read as
// one, carries no NUL or backslash in any decoded part, and came through
// GET or HEAD with a target within the limit; a refusal is a 4xx.
#include "backup/PlantFile.h"
#include "web/WebRoute.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Finding(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "FINDING: %s %s\n", what, qPrintable(detail));
    std::abort();
}

bool Clean(const QString& text) {
    return !text.contains(QChar(0)) && !text.contains(QLatin1Char('\\'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype space = input.indexOf(' ');
    const QByteArray method = space < 0 ? QByteArray("GET") : input.left(space);
    const QByteArray target = space < 0 ? input : input.mid(space + 1);
    const WebRouting routing = RouteRequest(method, target);
    if (!routing.ok) {
        if (routing.refusal.status < 400 || routing.refusal.status > 499 ||
            routing.refusal.why.isEmpty()) {
            Finding("refusal is not a 4xx with a reason", QString::number(routing.refusal.status));
        }
        return 0;
    }
    const WebRoute& route = routing.route;
    if ((method != "GET" && method != "HEAD") || target.size() > kMaxTargetBytes) {
        Finding("routed a method or length it must refuse", QString::fromLatin1(method));
    }
    if (!route.axis.isEmpty()) {
        const QStringList parts = route.axis.split(QLatin1Char('/'));
        if (parts.size() != 2 || !IsSafePlantName(parts[0]) || !IsSafePlantName(parts[1])) {
            Finding("routed an unsafe axis", route.axis);
        }
    }
    for (const QString& revision : {route.revision, route.Query("a"), route.Query("b")}) {
        if (!revision.isEmpty() &&
            (!IsRevisionText(revision) || revision.startsWith(QLatin1Char('-')))) {
            Finding("routed a revision git could take otherwise", revision);
        }
    }
    for (auto item = route.query.constBegin(); item != route.query.constEnd(); ++item) {
        if (!Clean(item.key()) || !Clean(item.value())) {
            Finding("a decoded query part holds a NUL or a backslash", item.key());
        }
    }
    return 0;
}
