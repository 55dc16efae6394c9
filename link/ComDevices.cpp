#include "link/ComDevices.h"

#include "link/TMSComm.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

bool ComDeviceExists(quint16 port) {
    const QString device = ComDeviceName(port);
#ifdef Q_OS_WIN
    const auto ports = QSerialPortInfo::availablePorts();
    return std::any_of(ports.begin(), ports.end(), [&](const QSerialPortInfo& info) {
        return info.portName().compare(device, Qt::CaseInsensitive) == 0;
    });
#else
    return QFileInfo::exists(device);
#endif
}

QString ComDeviceLine(quint16 port) {
    const QString device = ComDeviceName(port);
    return ComDeviceExists(port)
               ? device
               : QCoreApplication::translate("ComDevices", "%1（不存在）").arg(device);
}
