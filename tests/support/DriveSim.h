#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The virtual drive (tarn-drive-sim, found through TARN_DRIVE_SIM) run by a
// test: started with its traffic log and state file in a temporary folder of
// its own (so several can run at once), stopped when this object goes.
class DriveSim {
public:
    struct LogEntry {
        double ms;         // monotonic milliseconds
        QString direction; // "RX" (request) or "TX" (reply)
        QByteArray bytes;  // with CR as 0x0D
    };

    // `options` are extra command-line options (faults, format, --load...).
    explicit DriveSim(QStringList options = {});
    ~DriveSim();
    DriveSim(const DriveSim&) = delete;
    DriveSim& operator=(const DriveSim&) = delete;

    // Starts the drive and waits for its DEVICE line. False with the reason
    // in Error() when the program is missing or does not come up in 5 s.
    bool Start();
    // The pty slave path it serves.
    QString Device() const { return device_; }
    QString Error() const { return error_; }
    // Sends one stdin command ("set 101 0005", "fault silent on") and waits
    // for its "OK". False on any other answer or after 5 s.
    bool Command(const QString& line);
    // The traffic log so far.
    QList<LogEntry> Log() const;
    // The requests in it, in order.
    QList<QByteArray> Requests() const;
    // The drive's values from its state file: number -> four hex digits.
    QMap<quint16, QString> State() const;
    // Asks it to quit, then terminates it if need be.
    void Stop();

    // The program's path (TARN_DRIVE_SIM), empty when not set.
    static QString Program();

private:
    QByteArray ReadLine(int timeoutMs);

    QStringList options_;
    QTemporaryDir dir_;
    QProcess process_;
    QString device_;
    QString error_;
};
