#include "link/DrivePort.h"

#include "link/TMSComm.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QRegularExpression>
#include <QTimer>

namespace {

constexpr int kResolveMs = 5000;

// The addresses `host` resolves to, each looked up once a run; none when
// it does not resolve within kResolveMs.
QStringList Addresses(const QString& host) {
    static QHash<QString, QStringList> resolved;
    if (QHostAddress literal; literal.setAddress(host)) {
        return {literal.toString()};
    }
    const QString key = host.toLower();
    if (!resolved.contains(key)) {
        QStringList found;
        QEventLoop loop;
        const int lookup = QHostInfo::lookupHost(host, &loop, [&](const QHostInfo& info) {
            for (const QHostAddress& address : info.addresses()) {
                found << address.toString();
            }
            loop.quit();
        });
        QTimer::singleShot(kResolveMs, &loop, &QEventLoop::quit);
        loop.exec();
        QHostInfo::abortHostLookup(lookup);
        resolved.insert(key, found);
    }
    return resolved.value(key);
}

QString RealDevice(const QString& device) {
    const QString real = QFileInfo(device).canonicalFilePath();
    return real.isEmpty() ? device : real;
}

} // namespace

DrivePort DrivePort::Com(quint16 com, const QString& given) {
    return DrivePort{given.isEmpty() ? QStringLiteral("COM%1").arg(com) : given,
                     com,
                     ComDeviceName(com),
                     std::nullopt,
                     {}};
}

DrivePort DrivePort::Network(const PortAddress& address, const QString& given) {
    return DrivePort{given.isEmpty() ? address.Text() : given, 0, address.Text(), address, {}};
}

DrivePort DrivePort::Device(const QString& path) {
    return DrivePort{path, 0, path, std::nullopt, {}};
}

QString DrivePort::Label() const {
    return PortLabel(com, com != 0 ? QString() : device);
}

QString DrivePort::FileTag() const {
    if (address) {
        return address->FileTag();
    }
    if (com != 0) {
        return QString::number(com);
    }
    return device.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
}

std::optional<QString> SamePort(const DrivePort& a, const DrivePort& b) {
    if (bool(a.address) != bool(b.address)) {
        return std::nullopt;
    }
    if (!a.address) {
        const QString real = RealDevice(a.device);
        return real == RealDevice(b.device) ? std::optional<QString>(real) : std::nullopt;
    }
    if (a.address->port != b.address->port) {
        return std::nullopt;
    }
    if (a.address->Key() == b.address->Key()) {
        return QStringLiteral("%1:%2").arg(a.address->host).arg(a.address->port);
    }
    const QStringList theirs = Addresses(b.address->host);
    for (const QString& address : Addresses(a.address->host)) {
        if (theirs.contains(address)) {
            const QString shown =
                address.contains(QLatin1Char(':')) ? '[' + address + ']' : address;
            return QStringLiteral("%1:%2").arg(shown).arg(a.address->port);
        }
    }
    return std::nullopt;
}

QString ExpandPortPattern(const QString& pattern, const DrivePort& port) {
    QString expanded = pattern;
    return expanded.replace(QLatin1String(kPortPlaceholder), port.FileTag());
}
