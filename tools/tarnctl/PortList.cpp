#include "PortList.h"

#include "ExitCode.h"
#include "TarnctlText.h"

#include <QRegularExpression>

namespace {

DrivePort ParseOne(const QString& item) {
    if (IsNetworkAddress(item)) {
        const std::optional<PortAddress> address = ParsePortAddress(item);
        if (!address) {
            throw UsageError(
                TarnctlText::tr("網路位址 %1 不正確（%2）").arg(item, PortAddressFault(item)));
        }
        return DrivePort::Network(*address, item);
    }
    static const QRegularExpression comNumber(QStringLiteral("^(?:COM)?(\\d+)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comNumber.match(item);
    if (!match.hasMatch()) {
        return DrivePort::Device(item);
    }
    const int number = match.captured(1).toInt();
    if (number < 1 || number > 9) {
        throw UsageError(TarnctlText::tr("通訊埠 %1 不在 1–9 之間（或請給裝置路徑）").arg(item));
    }
    return DrivePort::Com(static_cast<quint16>(number), item);
}

} // namespace

std::vector<DrivePort> ParsePortList(const QStringList& values, const LinkSettings& link) {
    std::vector<DrivePort> ports;
    for (const QString& value : values) {
        for (const QString& raw : value.split(QLatin1Char(','))) {
            const QString item = raw.trimmed();
            if (item.isEmpty()) {
                throw UsageError(TarnctlText::tr("--port 的清單有空項目：%1").arg(value));
            }
            DrivePort port = ParseOne(item);
            port.link = link;
            // Two threads on one device would interleave their requests; a
            // server port serves one client at a time.
            for (const DrivePort& earlier : ports) {
                if (const std::optional<QString> same = SamePort(earlier, port)) {
                    throw UsageError((port.address
                                          ? TarnctlText::tr("網路位址重複：%1 與 %2 都是 %3")
                                          : TarnctlText::tr("通訊埠重複：%1 與 %2 都是 %3"))
                                         .arg(earlier.given, port.given, *same));
                }
            }
            ports.push_back(std::move(port));
        }
    }
    return ports;
}
