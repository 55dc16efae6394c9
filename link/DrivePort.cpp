#include "PortList.h"

#include "ExitCode.h"
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

DrivePort ParseOne(const QString& item) {
    if (IsNetworkAddress(item)) {
        const std::optional<PortAddress> address = ParsePortAddress(item);
        if (!address) {
            throw UsageError(
                QStringLiteral("網路位址 %1 不正確（%2）").arg(item, PortAddressFault(item)));
        }
        return DrivePort{item, 0, address->Text(), address, {}};
    }
    static const QRegularExpression comNumber(QStringLiteral("^(?:COM)?(\\d+)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comNumber.match(item);
    if (!match.hasMatch()) {
        return DrivePort{item, 0, item, std::nullopt, {}};
    }
    const int number = match.captured(1).toInt();
    if (number < 1 || number > 9) {
        throw UsageError(QStringLiteral("通訊埠 %1 不在 1–9 之間（或請給裝置路徑）").arg(item));
    }
    const auto com = static_cast<quint16>(number);
    return DrivePort{item, com, ComDeviceName(com), std::nullopt, {}};
}

} // namespace

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

std::vector<DrivePort> ParsePortList(const QStringList& values, const LinkSettings& link) {
    std::vector<DrivePort> ports;
    for (const QString& value : values) {
        for (const QString& raw : value.split(QLatin1Char(','))) {
            const QString item = raw.trimmed();
            if (item.isEmpty()) {
                throw UsageError(QStringLiteral("--port 的清單有空項目：%1").arg(value));
            }
            DrivePort port = ParseOne(item);
            port.link = link;
            // Two threads on one device would interleave their requests; a
            // server port serves one client at a time.
            for (const DrivePort& earlier : ports) {
                if (const std::optional<QString> same = SamePort(earlier, port)) {
                    throw UsageError((port.address
                                          ? QStringLiteral("網路位址重複：%1 與 %2 都是 %3")
                                          : QStringLiteral("通訊埠重複：%1 與 %2 都是 %3"))
                                         .arg(earlier.given, port.given, *same));
                }
            }
            ports.push_back(std::move(port));
        }
    }
    return ports;
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
