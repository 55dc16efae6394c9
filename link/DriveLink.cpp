#include "link/DriveLink.h"

#include "link/DriveProtocol.h"
#include "link/WakeTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QtGlobal>

// Marks one exchange.
class DriveLink::ExchangeScope {
public:
    explicit ExchangeScope(DriveLink& link) : link_(link) {
        link_.RequireOwnThread();
        if (link_.ExchangeInProgress()) {
            qFatal("A drive exchange was started while another one is in progress");
        }
        link_.exchangeRunning_ = true;
    }
    ~ExchangeScope() { link_.exchangeRunning_ = false; }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    DriveLink& link_;
};

// Marks one wait and keeps the hooks paired even if the loop unwinds.
class DriveLink::WaitScope {
public:
    explicit WaitScope(DriveLink& link) : link_(link) {
        link_.waiting_ = true;
        if (link_.hooks_.begin) {
            link_.hooks_.begin();
        }
    }
    ~WaitScope() {
        if (link_.hooks_.end) {
            link_.hooks_.end();
        }
        link_.waiting_ = false;
    }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    DriveLink& link_;
};

DriveLink::DriveLink(std::unique_ptr<ISerialDevice> device, const LinkSettings& settings)
    : settings_(settings), comm_(std::move(device), settings.line),
      thread_(QThread::currentThread()), replyFormat_(kFormatPlain) {}

DriveLink::~DriveLink() = default;

void DriveLink::RequireOwnThread() const {
    // The port and the wait's event loop belong to the creating thread; from
    // another one they would race with it.
    if (QThread::currentThread() != thread_) {
        qFatal("A drive link was used from a thread other than the one that created it");
    }
}

QString DriveLink::Read(quint16 number) {
    ExchangeScope exchange(*this);
    comm_.SetInBufferCount(0);
    comm_.SetOutput(ReadRequest(number));
    AwaitReply(settings_.readWaitMs, ReplyEndLength(replyFormat_));
    if (comm_.InBufferCount() < kMinReplyLength) {
        return {};
    }
    return ParseReadReply(comm_.Input(), number, replyFormat_);
}

WriteOutcome DriveLink::Write(quint16 number, const QString& value) {
    ExchangeScope exchange(*this);
    comm_.SetInBufferCount(0);
    if (value.isEmpty() || value == QLatin1String("None")) {
        return WriteOutcome::NotSent;
    }
    if (replyFormat_ != kFormatPlain && replyFormat_ != kFormatMarked) {
        return WriteOutcome::Undetermined;
    }
    const QByteArray request = WriteRequest(number, value, replyFormat_);
    comm_.SetOutput(request);
    AwaitReply(settings_.writeWaitMs, ReplyEndLength(replyFormat_));
    if (comm_.InBufferCount() < kMinReplyLength) {
        return WriteOutcome::NoAnswer;
    }
    return EchoDiffers(request, comm_.Input(), replyFormat_) ? WriteOutcome::EchoDiffers
                                                             : WriteOutcome::Written;
}

quint8 DriveLink::Greet() {
    ExchangeScope exchange(*this);
    // Whatever is already waiting is judged too: the buffer is not emptied.
    comm_.SetOutput(GreetingRequest());
    AwaitReply(settings_.readWaitMs, kMinReplyLength);
    if (comm_.InBufferCount() < kMinReplyLength) {
        return kFormatUndetermined;
    }
    const quint8 format = JudgeGreeting(comm_.Input());
    comm_.SetInBufferCount(0);
    return format;
}

void DriveLink::SetTiming(LinkSettings::Timing timing, quint32 timeoutMs) {
    RequireOwnThread();
    if (ExchangeInProgress()) {
        qFatal("The timing of a drive link was changed during an exchange");
    }
    settings_.timing = timing;
    settings_.SetTimeout(timeoutMs);
}

void DriveLink::AwaitReply(quint32 ms, int replyLength) {
    if (settings_.timing == LinkSettings::Timing::Fixed) {
        Delay(ms);
        return;
    }
    Wait(ms, [this, replyLength] {
        try {
            return ReplyIsWhole(comm_.Peek(), replyLength);
        } catch (const std::exception&) {
            return true; // the port is gone: nothing more will come
        }
    });
}

void DriveLink::Delay(quint32 ms) {
    Wait(ms, nullptr);
}

void DriveLink::Wait(quint32 ms, const std::function<bool()>& done) {
    RequireOwnThread();
    if (waiting_) {
        qFatal("Delay was entered while another wait is in progress");
    }
    WaitScope wait(*this);
    QElapsedTimer clock;
    clock.start();
    const qint64 limitNs = qint64(ms) * 1000000;
    if (done && done()) {
        return;
    }

    if (!QCoreApplication::instance()) {
        // No event loop to wake on arrival: a whole reply is looked for
        // every millisecond.
        while (clock.nsecsElapsed() <= limitNs) {
            const qint64 leftUs = (limitNs - clock.nsecsElapsed()) / 1000 + 1;
            QThread::usleep(quint64(done ? qMin<qint64>(1000, leftUs) : qMax<qint64>(1, leftUs)));
            if (done && done()) {
                return;
            }
        }
        return;
    }
    // A loop of this thread: the main thread's in the window program, a
    // worker's own where a program runs one link per thread.
    QEventLoop loop;
    WakeTimer wake(loop);
    bool whole = false;
    if (done) {
        // Arrivals are seen in this loop, which sleeps until one comes.
        comm_.SetArrivalHandler([&] {
            if (!whole && done()) {
                whole = true;
                loop.quit();
            }
        });
    }
    struct ArrivalScope {
        TMSComm& comm;
        bool on;
        ~ArrivalScope() {
            if (on) {
                comm.SetArrivalHandler(nullptr);
            }
        }
    } arrivals{comm_, bool(done)};
    // The loop sleeps in the event dispatcher until the deadline (at least
    // one round, so waiting events are handled even for 0 ms); it is re-armed
    // in the rare case that it woke at the deadline, not past it.
    do {
        wake.Arm(limitNs - clock.nsecsElapsed() + 1);
        loop.exec();
        if (whole) {
            return;
        }
        if (wake.Pending()) {
            // The loop was told to end (the application or the thread is
            // quitting), so it would return at once from now on: sleep out
            // the rest instead.
            wake.Disarm();
            const qint64 leftNs = limitNs - clock.nsecsElapsed();
            if (leftNs >= 0) {
                QThread::usleep(quint64(leftNs / 1000 + 1));
            }
        }
    } while (clock.nsecsElapsed() <= limitNs);
}
