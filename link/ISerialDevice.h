#pragma once

#include "link/LinkSettings.h"

#include <QByteArray>
#include <QString>
#include <functional>

// The byte pipe under TMSComm: the real one is QSerialPort, tests use
// FakeSerialDevice. Nothing here throws; TMSComm turns failures into errors.
class ISerialDevice {
public:
    virtual ~ISerialDevice() = default;

    // Opens `device` with the settings of `line`. On failure returns false
    // and leaves the port's own message in ErrorText().
    virtual bool Open(const QString& device, const LinkSettings::Line& line) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Queues bytes for sending; does not wait for them to leave.
    virtual bool Write(const QByteArray& bytes) = 0;
    // Bytes received and not yet taken.
    virtual qint64 BytesWaiting() = 0;
    // Takes every waiting byte.
    virtual QByteArray TakeAll() = 0;
    // Throws away every waiting byte.
    virtual void DiscardInput() = 0;

    // The message of the last failure, in the port's own words.
    virtual QString ErrorText() const = 0;
    // True once the open port vanished (unplugged adapter, hung-up pty);
    // the device has then closed itself.
    virtual bool Vanished() const = 0;

    // Run, on the device's thread, whenever bytes have arrived (the event
    // loop saw them); empty stops it. A wait that ends as soon as a whole
    // reply is in listens here. A device without it only lets waits run to
    // their limit.
    virtual void SetArrivalHandler(std::function<void()> handler) { (void)handler; }
};
