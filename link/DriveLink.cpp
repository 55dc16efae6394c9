#include "link/DriveLink.h"

#include "link/DriveProtocol.h"
#include "link/WakeTimer.h"

#include <QCoreApplication>
#include <QDateTime>
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

// Times one exchange and tells the observer, when there is one, what went
// over the wire.
class DriveLink::Trace {
public:
    Trace(DriveLink& link, const QByteArray& sent) : link_(link), sent_(sent) {
        if (link_.observer_) {
            sentAt_ = QDateTime::currentDateTime();
        }
    }
    void WaitStarts() { clock_.start(); }
    void WaitEnded() { waitMs_ = clock_.elapsed(); }
    void Done(const QByteArray& received, const QString& verdict, int stale) {
        if (link_.observer_) {
            link_.observer_(ExchangeRecord{sentAt_, link_.comm_.PortLabel(), sent_, received,
                                           waitMs_, verdict, stale});
        }
    }

private:
    DriveLink& link_;
    QByteArray sent_;
    QDateTime sentAt_;
    QElapsedTimer clock_;
    qint64 waitMs_ = 0;
};

QString DriveLink::Read(quint16 number) {
    ExchangeScope exchange(*this);
    comm_.SetInBufferCount(0);
    const QByteArray request = ReadRequest(number);
    Trace trace(*this, request);
    comm_.SetOutput(request);
    AwaitReply(settings_.readWaitMs, ReplyEndLength(replyFormat_), number, trace);
    const QByteArray received = comm_.Peek();
    const ReplyView reply = ReplyTo(received, number);
    QString value;
    // Too little to be a reply stays waiting, as it came.
    if (reply.text.size() >= kMinReplyLength) {
        comm_.Input();
        value = ParseReadReply(reply.text, number, replyFormat_);
    }
    trace.Done(received,
               value.isEmpty()                  ? QStringLiteral("empty")
               : value == QLatin1String("None") ? QStringLiteral("none")
                                                : QStringLiteral("value ") + value,
               reply.stale);
    return value;
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
    Trace trace(*this, request);
    comm_.SetOutput(request);
    AwaitReply(settings_.writeWaitMs, ReplyEndLength(replyFormat_), number, trace);
    const QByteArray received = comm_.Peek();
    const ReplyView reply = ReplyTo(received, number);
    WriteOutcome outcome = WriteOutcome::NoAnswer;
    if (reply.text.size() >= kMinReplyLength) {
        comm_.Input();
        outcome = EchoDiffers(request, reply.text, replyFormat_) ? WriteOutcome::EchoDiffers
                                                                 : WriteOutcome::Written;
    }
    trace.Done(received,
               outcome == WriteOutcome::Written       ? QStringLiteral("written")
               : outcome == WriteOutcome::EchoDiffers ? QStringLiteral("echo-differs")
                                                      : QStringLiteral("no-answer"),
               reply.stale);
    return outcome;
}

quint8 DriveLink::Greet() {
    ExchangeScope exchange(*this);
    // The buffer is not emptied first; what is waiting is judged too, but
    // only a frame of Pn000 answers the greeting.
    const QByteArray request = GreetingRequest();
    Trace trace(*this, request);
    comm_.SetOutput(request);
    AwaitReply(settings_.readWaitMs, kMinReplyLength, 0, trace);
    const QByteArray received = comm_.Peek();
    const ReplyView reply = ReplyTo(received, 0);
    quint8 format = kFormatUndetermined;
    if (reply.text.size() >= kMinReplyLength) {
        format = JudgeGreeting(reply.text);
        comm_.SetInBufferCount(0);
    }
    trace.Done(received,
               format == kFormatUndetermined ? QStringLiteral("undetermined")
                                             : QStringLiteral("format %1").arg(format),
               reply.stale);
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

void DriveLink::AwaitReply(quint32 ms, int replyLength, quint16 number, Trace& trace) {
    trace.WaitStarts();
    if (settings_.timing == LinkSettings::Timing::Fixed) {
        Delay(ms);
        trace.WaitEnded();
        return;
    }
    // Ends on the reply to this request: a late frame of another number
    // that arrives first does not end it.
    Wait(ms, [this, replyLength, number] {
        try {
            // Most arrivals are a character of a reply still coming: with
            // no CR in, no frame is whole and ReplyTo would leave it all.
            const QByteArray received = comm_.Peek();
            return CharactersMissing(
                received.contains('\r') ? ReplyTo(received, number).text : received, replyLength);
        } catch (const std::exception&) {
            return 0; // the port is gone: nothing more will come
        }
    });
    trace.WaitEnded();
}

void DriveLink::Delay(quint32 ms) {
    Wait(ms, nullptr);
}

namespace {

// A reply cannot be whole before the line has carried its missing
// characters. A link alone on its thread sleeps through them rather than
// waking for each one (a reply of 13 characters woke it 13 times, which is
// what 64 drives read at once spent their CPU on); the port keeps what
// arrives meanwhile. The line's pace is believed only once two arrivals
// have shown it, so a line faster than its settings say (a device
// server's, a virtual drive's) is never slowed.
class LineLull {
public:
    explicit LineLull(qint64 characterNs) : characterNs_(characterNs) {}

    // After an arrival that left `waiting` characters in the port and
    // `missing` still to come, `nowNs` into a wait with `leftNs` to run.
    void Arrived(qsizetype waiting, int missing, qint64 nowNs, qint64 leftNs) {
        const qsizetype came = waiting - lastSize_;
        const bool paced =
            lastNs_ >= 0 && came > 0 && (nowNs - lastNs_) * 10 >= qint64(came) * characterNs_ * 9;
        lastNs_ = nowNs;
        lastSize_ = waiting;
        // Near the deadline it keeps waking for each character, as every
        // wait did, so a reply whole just in time is seen in time.
        const qint64 sleepNs = qint64(missing) * characterNs_;
        if (paced && sleepNs + characterNs_ <= leftNs) {
            QThread::usleep(quint64(sleepNs / 1000));
        }
    }

private:
    qint64 characterNs_;
    qint64 lastNs_ = -1;
    qsizetype lastSize_ = 0;
};

} // namespace

void DriveLink::Wait(quint32 ms, const std::function<int()>& missing) {
    RequireOwnThread();
    if (waiting_) {
        qFatal("Delay was entered while another wait is in progress");
    }
    WaitScope wait(*this);
    QElapsedTimer clock;
    clock.start();
    const qint64 limitNs = qint64(ms) * 1000000;
    const auto done = [&missing] { return missing && missing() == 0; };
    if (done()) {
        return;
    }

    if (!QCoreApplication::instance()) {
        // No event loop to wake on arrival: a whole reply is looked for
        // every millisecond.
        while (clock.nsecsElapsed() <= limitNs) {
            const qint64 leftUs = (limitNs - clock.nsecsElapsed()) / 1000 + 1;
            QThread::usleep(
                quint64(missing ? qMin<qint64>(1000, leftUs) : qMax<qint64>(1, leftUs)));
            if (done()) {
                return;
            }
        }
        return;
    }
    // A loop of this thread: the main thread's in the window program, a
    // worker's own where a program runs one link per thread.
    if (!loop_) {
        loop_ = std::make_unique<QEventLoop>();
        wake_ = std::make_unique<WakeTimer>(*loop_);
    }
    QEventLoop& loop = *loop_;
    WakeTimer& wake = *wake_;
    bool whole = false;
    // The main thread keeps waking for every character: a window stays
    // responsive while it waits.
    const bool mayLull =
        thread_ != QCoreApplication::instance()->thread() && settings_.line.CharacterNs() > 0;
    LineLull lull(settings_.line.CharacterNs());
    if (missing) {
        // Arrivals are seen in this loop, which sleeps until one comes.
        comm_.SetArrivalHandler([&] {
            if (whole) {
                return;
            }
            const int left = missing();
            if (left == 0) {
                whole = true;
                loop.quit();
            } else if (mayLull) {
                try {
                    lull.Arrived(comm_.Peek().size(), left, clock.nsecsElapsed(),
                                 limitNs - clock.nsecsElapsed());
                } catch (const std::exception&) {
                    // The port is gone: the next arrival's look says so.
                }
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
    } arrivals{comm_, bool(missing)};
    // The loop sleeps in the event dispatcher until the deadline (at least
    // one round, so waiting events are handled even for 0 ms); it is re-armed
    // in the rare case that it woke at the deadline, not past it.
    do {
        wake.Arm(limitNs - clock.nsecsElapsed() + 1);
        loop.exec();
        if (whole) {
            wake.Disarm();
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
