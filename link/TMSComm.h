#pragma once

#include "link/ISerialDevice.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

// The serial-port control of a drive link (the main window's is `MSComm1`).
// Properties keep the names the program uses; every failure (port missing or in use, an
// operation on a closed port, a port that vanished) throws ECommError with
// the port's own message, on the operation that meets it.
class TMSComm {
public:
    // `line` is what the port is opened with; the program never changes it.
    explicit TMSComm(std::unique_ptr<ISerialDevice> device, const LinkSettings::Line& line = {});

    quint16 CommPort() const;
    // Throws ECommError while the port is open.
    void SetCommPort(quint16 port);
    // A device opened by its path rather than by a COM number (a program
    // given /dev/ttyUSB0 on its command line); empty goes back to CommPort.
    // Throws ECommError while the port is open.
    void SetDevicePath(const QString& path);

    bool PortOpen() const;
    // true opens the device path when one is set, else the device that
    // CommPort names (ComDeviceName); does nothing
    // when already open; throws ECommError naming the device and carrying
    // the port's message when it cannot be opened. false closes.
    void SetPortOpen(bool open);
    // The device path opened last, e.g. "/dev/ttyUSB0" (for the status tooltip).
    QString DeviceName() const;

    int InputMode() const;
    void SetInputMode(int mode);
    int InputLen() const;
    void SetInputLen(int len);

    // Characters waiting; setting it to 0 throws them away (any other value
    // throws ECommError).
    quint16 InBufferCount();
    void SetInBufferCount(quint16 count);

    // Queues the text for sending at once.
    void SetOutput(const QByteArray& text);
    // Takes the waiting characters: all of them with InputLen 0, else at
    // most InputLen (the rest stays waiting).
    QByteArray Input();
    // The waiting characters, left waiting (a wait looks whether a whole
    // reply is in without taking it).
    QByteArray Peek();
    // Runs `handler` whenever characters arrive (see ISerialDevice).
    void SetArrivalHandler(std::function<void()> handler);

    // How the port is named to the user (PortLabel of CommPort and the
    // device path).
    QString PortLabel() const;

private:
    void RequireOpen(const char* operation) const;

    std::unique_ptr<ISerialDevice> device_;
    LinkSettings::Line line_;
    quint16 commPort_ = 1;
    int inputMode_ = 0;
    int inputLen_ = 0;
    QString deviceName_;
    QString devicePath_;
    QByteArray pending_; // taken from the device but beyond InputLen
};

// How a port is named in messages, output lines, the status bar, reports
// and traces: "COM3" for a COM number, else the device path or network
// address as opened ("/dev/ttyUSB0", "tcp://10.0.0.5:4001").
QString PortLabel(quint16 commPort, const QString& devicePath);

// How COM n names a device: "COMn" on Windows; elsewhere the environment
// variable TARN_COM<n> when set, else /dev/ttyS<n-1>.
QString ComDeviceName(quint16 port);
