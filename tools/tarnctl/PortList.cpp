#include "PortList.h"

#include "ExitCode.h"
#include "link/TMSComm.h"

#include <QRegularExpression>

namespace {

DrivePort ParseOne(const QString& item) {
    if (IsNetworkAddress(item)) {
        const std::optional<PortAddress> address = ParsePortAddress(item);
        if (!address) {
            throw UsageError(QStringLiteral("網路位址 %1 不正確（%2）")
                                 .arg(item, QLatin1String(kNetworkAddressForms)));
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
                const bool sameServer = earlier.address && port.address &&
                                        earlier.address->Key() == port.address->Key();
                if (sameServer) {
                    throw UsageError(QStringLiteral("網路位址重複：%1 與 %2 都是 %3:%4")
                                         .arg(earlier.given, port.given, port.address->host)
                                         .arg(port.address->port));
                }
                if (earlier.device == port.device) {
                    throw UsageError(QStringLiteral("通訊埠重複：%1 與 %2 都是 %3")
                                         .arg(earlier.given, port.given, port.device));
                }
            }
            ports.push_back(std::move(port));
        }
    }
    return ports;
}

QString ExpandPortPattern(const QString& pattern, const DrivePort& port) {
    QString expanded = pattern;
    return expanded.replace(QLatin1String(kPortPlaceholder), port.FileTag());
}
