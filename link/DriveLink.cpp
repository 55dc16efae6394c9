#include "link/DriveLink.h"

#include "link/DriveProtocol.h"
#include "link/InputBlocker.h"
#include "link/TMSComm.h"
#include "link/WakeTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QtGlobal>

quint8 ReplyFormat = kFormatPlain;

namespace {

constexpr quint32 kReadWaitMs = 40;
constexpr quint32 kWriteWaitMs = 50;

TMSComm* driveComm = nullptr;
bool exchangeRunning = false;
bool waiting = false;
void (*beginHook)() = nullptr;
void (*endHook)() = nullptr;

// Marks one exchange. Input is dropped while an exchange waits, so a second
// one can only come from code (a timer, a nested call): that is a bug in
// the caller, and interleaving two requests on the wire would corrupt both.
class ExchangeScope {
public:
    ExchangeScope() {
        if (exchangeRunning || waiting) {
            qFatal("A drive exchange was started while another one is in progress");
        }
        exchangeRunning = true;
    }
    ~ExchangeScope() { exchangeRunning = false; }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;
};

// Marks one wait and keeps the UI hooks paired even if the loop unwinds.
class WaitScope {
public:
    WaitScope() {
        waiting = true;
        if (beginHook) {
            beginHook();
        }
    }
    ~WaitScope() {
        if (endHook) {
            endHook();
        }
        waiting = false;
    }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
};

} // namespace

void SetDriveComm(TMSComm* comm) {
    driveComm = comm;
}

TMSComm& DriveComm() {
    if (!driveComm) {
        qFatal("No serial-port control was given to the drive link");
    }
    return *driveComm;
}

QString ReadParameter(quint16 number) {
    ExchangeScope exchange;
    TMSComm& comm = DriveComm();
    comm.SetInBufferCount(0);
    comm.SetOutput(ReadRequest(number));
    Delay(kReadWaitMs);
    if (comm.InBufferCount() < kMinReplyLength) {
        return {};
    }
    return ParseReadReply(comm.Input(), number, ReplyFormat);
}

WriteOutcome WriteParameterOutcome(quint16 number, const QString& value) {
    ExchangeScope exchange;
    TMSComm& comm = DriveComm();
    comm.SetInBufferCount(0);
    if (value.isEmpty() || value == QLatin1String("None")) {
        return WriteOutcome::NotSent;
    }
    if (ReplyFormat != kFormatPlain && ReplyFormat != kFormatMarked) {
        return WriteOutcome::Undetermined;
    }
    const QByteArray request = WriteRequest(number, value, ReplyFormat);
    comm.SetOutput(request);
    Delay(kWriteWaitMs);
    if (comm.InBufferCount() < kMinReplyLength) {
        return WriteOutcome::NoAnswer;
    }
    return EchoDiffers(request, comm.Input(), ReplyFormat) ? WriteOutcome::EchoDiffers
                                                           : WriteOutcome::Written;
}

bool WriteParameter(quint16 number, const QString& value) {
    const WriteOutcome outcome = WriteParameterOutcome(number, value);
    return outcome != WriteOutcome::Written && outcome != WriteOutcome::NotSent;
}

quint8 GreetDrive() {
    ExchangeScope exchange;
    TMSComm& comm = DriveComm();
    // Whatever is already waiting is judged too: the buffer is not emptied.
    comm.SetOutput(GreetingRequest());
    Delay(kReadWaitMs);
    if (comm.InBufferCount() < kMinReplyLength) {
        return kFormatUndetermined;
    }
    const quint8 format = JudgeGreeting(comm.Input());
    comm.SetInBufferCount(0);
    return format;
}

void Delay(quint32 ms) {
    if (waiting) {
        qFatal("Delay was entered while another wait is in progress");
    }
    WaitScope wait;
    InputBlocker blocker;
    QElapsedTimer clock;
    clock.start();
    const qint64 limitNs = qint64(ms) * 1000000;

    if (!QCoreApplication::instance()) {
        while (clock.nsecsElapsed() <= limitNs) {
            QThread::usleep(qMax<qint64>(1, (limitNs - clock.nsecsElapsed()) / 1000 + 1));
        }
        return;
    }
    QEventLoop loop;
    WakeTimer wake(loop);
    // The loop sleeps in the event dispatcher until the deadline (at least
    // one round, so waiting events are handled even for 0 ms); it is re-armed
    // in the rare case that it woke at the deadline, not past it.
    do {
        wake.Arm(limitNs - clock.nsecsElapsed() + 1);
        loop.exec();
        if (wake.Pending()) {
            // The loop was told to end (the application is quitting), so it
            // would return at once from now on: sleep out the rest instead.
            wake.Disarm();
            const qint64 leftNs = limitNs - clock.nsecsElapsed();
            if (leftNs >= 0) {
                QThread::usleep(quint64(leftNs / 1000 + 1));
            }
        }
    } while (clock.nsecsElapsed() <= limitNs);
}

bool ExchangeInProgress() {
    return exchangeRunning || waiting;
}

void SetExchangeHooks(void (*begin)(), void (*end)()) {
    beginHook = begin;
    endHook = end;
}
