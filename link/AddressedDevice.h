#pragma once

#include "link/ISerialDevice.h"

#include <functional>
#include <memory>

// The byte pipe that the opened name picks: a network address (tcp://,
// socket://, rfc2217://; see PortAddress) opens a TcpSerialDevice, anything
// else a serial port (QtSerialDevice). The program's link holds one and may
// be pointed at a COM port one time and at a device server the next; the
// protocol above never knows which.
class AddressedDevice : public ISerialDevice {
public:
    AddressedDevice();
    ~AddressedDevice() override;

    bool Open(const QString& device, const LinkSettings::Line& line) override;
    void Close() override;
    bool IsOpen() const override;
    bool Write(const QByteArray& bytes) override;
    qint64 BytesWaiting() override;
    QByteArray TakeAll() override;
    void DiscardInput() override;
    QString ErrorText() const override;
    bool Vanished() const override;
    void SetArrivalHandler(std::function<void()> handler) override;

private:
    std::unique_ptr<ISerialDevice> backend_; // the last one opened
    bool network_ = false;
    std::function<void()> arrival_;
};
