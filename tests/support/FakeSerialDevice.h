#pragma once

#include "link/ISerialDevice.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

// A serial port without a wire. Every write is recorded; the reply to it
// comes from the script (one entry per write, in order) or, when the script
// is used up, from the responder, and arrives after the entry's delay, on
// the event loop, as a real reply would. An empty reply means silence.
class FakeSerialDevice : public ISerialDevice {
public:
    using Responder = std::function<QByteArray(const QByteArray& request)>;

    FakeSerialDevice();

    // The reply to the next write not yet scripted, after `delayMs`.
    void Script(const QByteArray& reply, int delayMs = 5);
    // Replies to writes once the script is used up (default: silence).
    void SetResponder(Responder responder, int delayMs = 5);
    // Bytes that are waiting at once (a stale reply, noise).
    void Inject(const QByteArray& bytes);
    // Opening fails with this message until cleared with an empty text.
    void FailOpen(const QString& message) { openError_ = message; }
    // The port disappears now: it closes itself and reports `message`.
    void Vanish(const QString& message);

    const QList<QByteArray>& Writes() const { return writes_; }
    const QStringList& OpenedDevices() const { return openedDevices_; }
    // The line settings of the last opening.
    const LinkSettings::Line& OpenedLine() const { return openedLine_; }
    int DiscardCount() const { return discards_; }

    // What an EchoingDrive does wrong; a test may change it at any time.
    struct DriveFaults {
        bool silent = false;         // answers nothing
        QSet<quint16> silentNumbers; // answers nothing for these
        QSet<quint16> unmarked;      // answers reads of these without "=0x"
        QSet<quint16> refused;       // echoes writes of these with another value
    };

    // A drive that answers reads with `values` (4-digit texts, "0000" where
    // none is given) in `format` and echoes and stores writes, except where
    // `faults` (when given) says otherwise.
    static Responder EchoingDrive(quint8 format, QMap<quint16, QString>* values,
                                  const DriveFaults* faults = nullptr);

    bool Open(const QString& device, const LinkSettings::Line& line) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool Write(const QByteArray& bytes) override;
    qint64 BytesWaiting() override { return buffer_.size(); }
    QByteArray TakeAll() override;
    void DiscardInput() override;
    QString ErrorText() const override { return errorText_; }
    bool Vanished() const override { return vanished_; }

private:
    struct Reply {
        QByteArray bytes;
        int delayMs;
    };

    QObject context_; // owns pending deliveries; they die with the device
    QList<Reply> script_;
    Responder responder_;
    int responderDelayMs_ = 5;
    QList<QByteArray> writes_;
    QStringList openedDevices_;
    LinkSettings::Line openedLine_;
    QByteArray buffer_;
    QString openError_;
    QString errorText_;
    bool open_ = false;
    bool vanished_ = false;
    int discards_ = 0;
};
