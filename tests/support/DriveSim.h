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

    // `options` are extra command-line options (faults, format, --load...);
    // `drives` more than 1 runs that many drives in the one process.
    explicit DriveSim(QStringList options = {}, int drives = 1);
    ~DriveSim();
    DriveSim(const DriveSim&) = delete;
    DriveSim& operator=(const DriveSim&) = delete;

    // Starts the drive and waits for its DEVICE line. False with the reason
    // in Error() when the program is missing or does not come up in 5 s.
    bool Start();
    // The pty slave path it serves (the first drive's).
    QString Device() const { return devices_.value(0); }
    // Every drive's, in order.
    QStringList Devices() const { return devices_; }
    QString Error() const { return error_; }
    // Sends one stdin command ("set 101 0005", "fault silent on") and waits
    // for its "OK". False on any other answer or after 5 s.
    bool Command(const QString& line);
    // The traffic log so far (of drive `drive`, from 1).
    QList<LogEntry> Log(int drive = 1) const;
    // The requests in it, in order.
    QList<QByteArray> Requests(int drive = 1) const;
    // The drive's values from its state file: number -> four hex digits.
    QMap<quint16, QString> State(int drive = 1) const;
    // Asks it to quit, then terminates it if need be.
    void Stop();

    // The program's path (TARN_DRIVE_SIM), empty when not set.
    static QString Program();

private:
    QByteArray ReadLine(int timeoutMs);
    // A drive's file: `name`, with ".<drive>" when the process has several.
    QString FileOf(const QString& name, int drive) const;

    QStringList options_;
    int drives_;
    QTemporaryDir dir_;
    QProcess process_;
    QStringList devices_;
    QString error_;
};
