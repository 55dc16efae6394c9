#include "Command.h"
#include "ExitCode.h"
#include "Output.h"
#include "TarnctlText.h"
#include "link/ComDevices.h"
#include "link/DrivePort.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSerialPortInfo>

// tarnctl ports: what each COM number opens here, and the serial ports the
// system knows, so a user can find the USB adapter.

namespace {

QString UsbIds(const QSerialPortInfo& info) {
    if (!info.hasVendorIdentifier() || !info.hasProductIdentifier()) {
        return {};
    }
    return QStringLiteral("%1:%2")
        .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
        .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
}

QJsonObject ComJson(quint16 port) {
    return {
        {"com", port}, {"device", DrivePort::Com(port).device}, {"exists", ComDeviceExists(port)}};
}

QJsonObject SystemPortJson(const QSerialPortInfo& info) {
    return {{"name", info.portName()},
            {"device", info.systemLocation()},
            {"description", info.description()},
            {"manufacturer", info.manufacturer()},
            {"serialNumber", info.serialNumber()},
            {"usb", UsbIds(info)}};
}

QString SystemPortLine(const QSerialPortInfo& info) {
    QStringList parts{info.systemLocation()};
    for (const QString& part : {info.description(), info.manufacturer(), UsbIds(info)}) {
        if (!part.isEmpty()) {
            parts << part;
        }
    }
    if (!info.serialNumber().isEmpty()) {
        parts << TarnctlText::tr("序號 %1").arg(info.serialNumber());
    }
    return parts.join(QStringLiteral("  "));
}

int RunPorts(const Invocation& invocation) {
    if (!invocation.arguments.isEmpty()) {
        throw UsageError(TarnctlText::tr("ports 不需要引數：%1").arg(invocation.arguments.first()));
    }
    const QList<QSerialPortInfo> systemPorts = QSerialPortInfo::availablePorts();
    if (invocation.IsSet(QStringLiteral("json"))) {
        QJsonArray com;
        for (quint16 port = 1; port <= 9; ++port) {
            com << ComJson(port);
        }
        QJsonArray system;
        for (const QSerialPortInfo& info : systemPorts) {
            system << SystemPortJson(info);
        }
        PrintJson(QJsonDocument(QJsonObject{{"com", com}, {"system", system}}));
        return kExitSuccess;
    }
    QStringList lines;
    for (quint16 port = 1; port <= 9; ++port) {
        lines << QStringLiteral("COM%1  %2").arg(port).arg(ComDeviceLine(port));
    }
    lines << QString() << TarnctlText::tr("系統回報的序列埠：");
    for (const QSerialPortInfo& info : systemPorts) {
        lines << QStringLiteral("  ") + SystemPortLine(info);
    }
    if (systemPorts.isEmpty()) {
        lines << TarnctlText::tr("  （沒有）");
    }
    PrintOut(lines.join(QLatin1Char('\n')));
    return kExitSuccess;
}

} // namespace

Command PortsCommand() {
    Command command;
    command.name = QStringLiteral("ports");
    command.usages = {QStringLiteral("ports")};
    command.summary = TarnctlText::tr("COM 1–9 各開啟哪個裝置，以及系統回報的序列埠");
    command.description =
        TarnctlText::tr("列出 COM 1–9 各對應的裝置（和視窗程式相同：TARN_COM<n>，否則 "
                        "/dev/ttyS<n-1>；Windows 為 COMn），不存在的加上「（不存在）」；\n"
                        "再列出系統回報的序列埠：裝置、說明、製造商、USB 廠商:產品編號、序號，"
                        "方便找到 USB 轉接器。");
    command.options = {JsonOption()};
    command.examples = {QStringLiteral("tarnctl ports"),
                        QStringLiteral("TARN_COM1=/dev/ttyUSB0 tarnctl ports"),
                        QStringLiteral("tarnctl ports --json")};
    command.ports = PortUse::None;
    command.run = RunPorts;
    return command;
}
