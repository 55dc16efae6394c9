#include "link/QtSerialDevice.h"

#include "link/TMSComm.h"

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#endif

QtSerialDevice::QtSerialDevice() {
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { OnError(error); });
}

QtSerialDevice::~QtSerialDevice() {
    port_.close();
}

bool QtSerialDevice::Open(const QString& device) {
    if (port_.isOpen()) {
        port_.close();
    }
    vanished_ = false;
    errorText_.clear();
    port_.setPortName(device);
    port_.setBaudRate(TMSComm::kBaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(TMSComm::kInBufferSize);
    if (!port_.open(QIODevice::ReadWrite)) {
        errorText_ = port_.errorString();
        return false;
    }
    return true;
}

void QtSerialDevice::Close() {
    port_.close();
}

bool QtSerialDevice::IsOpen() const {
    return port_.isOpen();
}

bool QtSerialDevice::Write(const QByteArray& bytes) {
    if (port_.write(bytes) != bytes.size()) {
        errorText_ = port_.errorString();
        return false;
    }
    // Hand the bytes to the driver now rather than at the next event-loop
    // round, so the timed wait starts with the request on its way.
    port_.flush();
    return !vanished_;
}

qint64 QtSerialDevice::BytesWaiting() {
#ifdef Q_OS_UNIX
    // Qt moves bytes from the driver into its buffer only when the event loop
    // sees the port readable; a reply that came in during the wait's last
    // round would not be counted yet. Collect it now, so the count is current.
    int pending = 0;
    if (port_.isOpen() && ioctl(port_.handle(), FIONREAD, &pending) == 0 && pending > 0) {
        port_.waitForReadyRead(0);
    }
#endif
    return port_.bytesAvailable();
}

QByteArray QtSerialDevice::TakeAll() {
    return port_.readAll();
}

void QtSerialDevice::DiscardInput() {
    port_.clear(QSerialPort::Input);
}

QString QtSerialDevice::ErrorText() const {
    return errorText_;
}

bool QtSerialDevice::Vanished() const {
    return vanished_;
}

void QtSerialDevice::OnError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError) {
        return;
    }
    errorText_ = port_.errorString();
    // A hung-up pty reads as end of file, which Qt reports as a ReadError
    // (with a stale errno text) rather than a ResourceError; either way the
    // device is gone and every further event-loop round would report it again.
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (gone && port_.isOpen()) {
        vanished_ = true;
        port_.close();
    }
}
