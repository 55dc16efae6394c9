#include "link/QtSerialDevice.h"

// FIONREAD tells without reading whether the driver holds bytes; elsewhere,
// and in the portable build, the port is asked with a wait of no time.
#if defined(Q_OS_UNIX) && !defined(TARN_PORTABLE_LINK)
#define TARN_LINK_FIONREAD 1
#include <sys/ioctl.h>
#endif

namespace {

QSerialPort::DataBits DataBitsOf(int bits) {
    switch (bits) {
    case 5:
        return QSerialPort::Data5;
    case 6:
        return QSerialPort::Data6;
    case 7:
        return QSerialPort::Data7;
    default:
        return QSerialPort::Data8;
    }
}

QSerialPort::Parity ParityOf(LinkSettings::Parity parity) {
    switch (parity) {
    case LinkSettings::Parity::Even:
        return QSerialPort::EvenParity;
    case LinkSettings::Parity::Odd:
        return QSerialPort::OddParity;
    default:
        return QSerialPort::NoParity;
    }
}

} // namespace

QtSerialDevice::QtSerialDevice() {
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { OnError(error); });
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] {
        if (arrival_) {
            arrival_();
        }
    });
}

QtSerialDevice::~QtSerialDevice() {
    port_.close();
}

bool QtSerialDevice::Open(const QString& device, const LinkSettings::Line& line) {
    if (port_.isOpen()) {
        port_.close();
    }
    vanished_ = false;
    errorText_.clear();
    port_.setPortName(device);
    port_.setBaudRate(line.baudRate);
    port_.setDataBits(DataBitsOf(line.dataBits));
    port_.setParity(ParityOf(line.parity));
    port_.setStopBits(line.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(line.receiveBufferSize);
    if (!port_.open(QIODevice::ReadWrite)) {
        errorText_ = port_.errorString();
        return false;
    }
    // What waits in the port now answers a request of an earlier run or of
    // another program: the first greeting must not judge it.
    port_.clear(QSerialPort::Input);
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
    CollectFromDriver();
    return port_.bytesAvailable();
}

void QtSerialDevice::CollectFromDriver() {
    // Qt moves bytes from the driver into its buffer only when the event loop
    // sees the port readable; a reply that came in during the wait's last
    // round (a busy machine wakes past the deadline, the timer first) would
    // be neither counted nor taken yet. Collect it now.
    if (port_.isOpen() && DriverMayHoldBytes()) {
        port_.waitForReadyRead(0);
    }
}

bool QtSerialDevice::DriverMayHoldBytes() {
#ifdef TARN_LINK_FIONREAD
    int pending = 0;
    return ioctl(port_.handle(), FIONREAD, &pending) == 0 && pending > 0;
#else
    return true;
#endif
}

QByteArray QtSerialDevice::TakeAll() {
    CollectFromDriver();
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

void QtSerialDevice::SetArrivalHandler(std::function<void()> handler) {
    arrival_ = std::move(handler);
}

void QtSerialDevice::OnError(QSerialPort::SerialPortError error) {
    // A wait of no time that found nothing reports a timeout: not a failure.
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) {
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
