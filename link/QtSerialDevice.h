#pragma once

#include "link/ISerialDevice.h"

#include <QSerialPort>

// The real byte pipe: a QSerialPort with the line settings it is opened
// with. A port that vanishes while open (an unplugged adapter, a hung-up
// pty: Qt reports a ResourceError or a ReadError) is closed in the same
// moment, because Qt would otherwise report read errors in a tight loop for
// as long as it stays open.
class QtSerialDevice : public ISerialDevice {
public:
    QtSerialDevice();
    ~QtSerialDevice() override;

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
    void OnError(QSerialPort::SerialPortError error);
    void CollectFromDriver();
    bool DriverMayHoldBytes();

    QSerialPort port_;
    QString errorText_;
    bool vanished_ = false;
    std::function<void()> arrival_;
};
