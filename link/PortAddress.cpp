#include "link/PortAddress.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const QRegularExpression& SchemePattern() {
    static const QRegularExpression scheme(QStringLiteral("^(tcp|socket|rfc2217)://"),
                                           QRegularExpression::CaseInsensitiveOption);
    return scheme;
}

} // namespace

QString PortAddress::Text() const {
    const QString scheme = kind == Kind::Tcp ? QStringLiteral("tcp") : QStringLiteral("rfc2217");
    const QString shownHost = host.contains(QLatin1Char(':')) ? '[' + host + ']' : host;
    return QStringLiteral("%1://%2:%3").arg(scheme, shownHost).arg(port);
}

QString PortAddress::FileTag() const {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    QString tag = host;
    return tag.replace(unsafe, QStringLiteral("-")) + QStringLiteral("_%1").arg(port);
}

QString PortAddress::Key() const {
    return host.toLower() + QStringLiteral("|%1").arg(port);
}

bool IsNetworkAddress(const QString& text) {
    return SchemePattern().match(text).hasMatch();
}

std::optional<PortAddress> ParsePortAddress(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral(
            "^(tcp|socket|rfc2217)://(?:\\[([0-9A-Fa-f:.]+)\\]|([^\\s:/@\\[\\]]+)):(\\d{1,5})$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const int port = match.captured(4).toInt();
    if (port < 1 || port > 65535) {
        return std::nullopt;
    }
    PortAddress address;
    address.kind = match.captured(1).compare(QLatin1String("rfc2217"), Qt::CaseInsensitive) == 0
                       ? PortAddress::Kind::Rfc2217
                       : PortAddress::Kind::Tcp;
    address.host = match.captured(2).isEmpty() ? match.captured(3) : match.captured(2);
    address.port = quint16(port);
    return address;
}

QString PortAddressFault(const QString& text) {
    const QString rest = text.trimmed().section(QStringLiteral("://"), 1);
    if (rest.section(QLatin1Char('/'), 0, 0).contains(QLatin1Char('@'))) {
        return QCoreApplication::translate("PortAddress", "位址不可含使用者名稱");
    }
    return QLatin1String(kNetworkAddressForms);
}
