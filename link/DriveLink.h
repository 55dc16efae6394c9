#pragma once

#include "link/ExchangeTrace.h"
#include "link/LinkSettings.h"
#include "link/TMSComm.h"
#include "link/WaitHooks.h"
#include "link/WriteOutcome.h"

#include <QString>
#include <functional>
#include <memory>

class ISerialDevice;
class QEventLoop;
class QThread;
class WakeTimer;

// One drive on one serial port. A link owns its port control, the drive's
// reply format and the state of its exchanges, built from one settings
// value; links share nothing, so a program may hold one per drive.
//
// A link is used from the thread that created it: its port lives there and
// its waits run that thread's event loop. One exchange at a time: one
// started while another waits (from a timer, a nested call) would garble
// both on the wire, and ends the program as the bug it is.
class DriveLink {
public:
    explicit DriveLink(std::unique_ptr<ISerialDevice> device, const LinkSettings& settings = {});
    ~DriveLink();
    DriveLink(const DriveLink&) = delete;
    DriveLink& operator=(const DriveLink&) = delete;

    TMSComm& Comm() { return comm_; }
    const LinkSettings& Settings() const { return settings_; }

    // The drive's reply format (0, 1 or undetermined); 0 until set. The
    // greeting returns a format; its caller stores it here.
    quint8 ReplyFormat() const { return replyFormat_; }
    void SetReplyFormat(quint8 format) { replyFormat_ = format; }

    // Sends one read request, waits, and returns the value text (four
    // hexadecimal digits), "None" (a reply not in the expected form) or empty
    // text (no answer).
    QString Read(quint16 number);
    // Sends one write request, waits, and judges the echo.
    WriteOutcome Write(quint16 number, const QString& value);
    // Sends the greeting, waits, and returns the reply format it shows.
    quint8 Greet();

    // Waits more than `ms` milliseconds on a monotonic clock while this
    // thread's events (repaints, timers, port traffic) are handled; the wait
    // hooks run around it. Costs no CPU.
    void Delay(quint32 ms);

    // Sets how the waits end and their length (reads MS, writes MS + 10;
    // see LinkSettings). Between exchanges only: changing it during one is
    // a bug and ends the program.
    void SetTiming(LinkSettings::Timing timing, quint32 timeoutMs);

    // True while an exchange or a wait is in progress.
    bool ExchangeInProgress() const { return exchangeRunning_ || waiting_; }

    void SetWaitHooks(WaitHooks hooks) { hooks_ = std::move(hooks); }
    // Told of every exchange that sent a request, on the link's thread,
    // after it was judged (see ExchangeRecord); empty tells nobody.
    void SetExchangeObserver(ExchangeObserver observer) { observer_ = std::move(observer); }

private:
    class ExchangeScope;
    class WaitScope;
    class Trace;

    void RequireOwnThread() const;
    // The wait after the request of `number`: Delay with fixed timing; with
    // reply timing until what is left for its reply (ReplyTo) is whole at
    // `replyLength` characters (ReplyIsWhole) or `ms` have passed.
    void AwaitReply(quint32 ms, int replyLength, quint16 number, Trace& trace);
    // Delay that also ends once `missing` (if given), the characters still
    // to come before the reply is whole, is 0; it is asked at the start and
    // whenever characters arrive.
    void Wait(quint32 ms, const std::function<int()>& missing);

    LinkSettings settings_;
    TMSComm comm_;
    QThread* thread_;
    quint8 replyFormat_;
    bool exchangeRunning_ = false;
    bool waiting_ = false;
    WaitHooks hooks_;
    ExchangeObserver observer_;
    // The waits' loop and deadline, made by the first wait and kept: one
    // of each per exchange cost a timer and its watch every time.
    std::unique_ptr<QEventLoop> loop_;
    std::unique_ptr<WakeTimer> wake_;
};
