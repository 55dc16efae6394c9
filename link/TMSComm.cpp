#include "link/TMSComm.h"

#include "core/TarnError.h"

#include <QtGlobal>
#include <algorithm>
#include <utility>

TMSComm::TMSComm(std::unique_ptr<ISerialDevice> device, const LinkSettings::Line& line)
    : device_(std::move(device)), line_(line) {}

quint16 TMSComm::CommPort() const {
    return commPort_;
}

void TMSComm::SetCommPort(quint16 port) {
    // The port number names the device only at opening; changing it under an
    // open port would make CommPort lie about the line in use.
    if (device_->IsOpen()) {
        throw ECommError(QStringLiteral("Port already open (COM%1)").arg(commPort_));
    }
    commPort_ = port;
}

void TMSComm::SetDevicePath(const QString& path) {
    if (device_->IsOpen()) {
        throw ECommError(QStringLiteral("Port already open (%1)").arg(PortLabel()));
    }
    devicePath_ = path;
}

bool TMSComm::PortOpen() const {
    return device_->IsOpen();
}

void TMSComm::SetPortOpen(bool open) {
    if (!open) {
        device_->Close();
        pending_.clear();
        return;
    }
    if (device_->IsOpen()) {
        return;
    }
    deviceName_ = devicePath_.isEmpty() ? ComDeviceName(commPort_) : devicePath_;
    pending_.clear();
    if (!device_->Open(deviceName_, line_)) {
        if (!devicePath_.isEmpty()) {
            throw ECommError(
                QStringLiteral("Cannot open %1: %2").arg(deviceName_, device_->ErrorText()));
        }
        throw ECommError(QStringLiteral("Cannot open COM%1 (%2): %3")
                             .arg(commPort_)
                             .arg(deviceName_, device_->ErrorText()));
    }
}

QString TMSComm::DeviceName() const {
    return deviceName_;
}

int TMSComm::InputMode() const {
    return inputMode_;
}

void TMSComm::SetInputMode(int mode) {
    inputMode_ = mode;
}

int TMSComm::InputLen() const {
    return inputLen_;
}

void TMSComm::SetInputLen(int len) {
    inputLen_ = std::max(0, len);
}

quint16 TMSComm::InBufferCount() {
    RequireOpen("InBufferCount");
    const qint64 waiting = pending_.size() + device_->BytesWaiting();
    return static_cast<quint16>(std::min<qint64>(waiting, 0xFFFF));
}

void TMSComm::SetInBufferCount(quint16 count) {
    RequireOpen("InBufferCount");
    if (count != 0) {
        throw ECommError(QStringLiteral("InBufferCount can only be set to 0"));
    }
    pending_.clear();
    device_->DiscardInput();
}

void TMSComm::SetOutput(const QByteArray& text) {
    RequireOpen("Output");
    if (!device_->Write(text)) {
        RequireOpen("Output");
        throw ECommError(QStringLiteral("%1: %2").arg(deviceName_, device_->ErrorText()));
    }
}

QByteArray TMSComm::Input() {
    RequireOpen("Input");
    pending_ += device_->TakeAll();
    if (inputLen_ == 0 || pending_.size() <= inputLen_) {
        return std::exchange(pending_, QByteArray());
    }
    QByteArray taken = pending_.left(inputLen_);
    pending_.remove(0, inputLen_);
    return taken;
}

QByteArray TMSComm::Peek() {
    RequireOpen("Input");
    pending_ += device_->TakeAll();
    return pending_;
}

void TMSComm::SetArrivalHandler(std::function<void()> handler) {
    device_->SetArrivalHandler(std::move(handler));
}

void TMSComm::RequireOpen(const char* operation) const {
    if (device_->Vanished()) {
        const QString where = devicePath_.isEmpty()
                                  ? QStringLiteral("%1 (%2)").arg(deviceName_, PortLabel())
                                  : deviceName_;
        throw ECommError(QStringLiteral("%1 was lost (unplugged or hung up): %2")
                             .arg(where, device_->ErrorText()));
    }
    if (!device_->IsOpen()) {
        throw ECommError(QStringLiteral("%1: port %2 is not open")
                             .arg(QString::fromLatin1(operation), PortLabel()));
    }
}

QString TMSComm::PortLabel() const {
    return ::PortLabel(commPort_, devicePath_);
}

QString PortLabel(quint16 commPort, const QString& devicePath) {
    return devicePath.isEmpty() ? QStringLiteral("COM%1").arg(commPort) : devicePath;
}

QString ComDeviceName(quint16 port) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    const QString configured =
        qEnvironmentVariable(qPrintable(QStringLiteral("TARN_COM%1").arg(port)));
    if (!configured.isEmpty()) {
        return configured;
    }
    return QStringLiteral("/dev/ttyS%1").arg(int(port) - 1);
#endif
}
