#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

class QEventLoop;
class QSocketNotifier;

// Ends an event loop at a deadline given in nanoseconds. Qt's own timers
// wake up to about a millisecond late (the dispatcher rounds its sleep to
// whole milliseconds), which would make every 40 ms exchange take close to
// 41 ms; on Linux a timerfd watched by the loop wakes it on time. Elsewhere,
// or when no timerfd can be made, a precise QTimer does the job. Both work
// in the thread whose loop they end, so each thread's links wait alone.
class WakeTimer {
public:
    explicit WakeTimer(QEventLoop& loop);
    ~WakeTimer();
    WakeTimer(const WakeTimer&) = delete;
    WakeTimer& operator=(const WakeTimer&) = delete;

    // Quits the loop `ns` nanoseconds from now (at once for 0 or less),
    // replacing any earlier deadline.
    void Arm(qint64 ns);
    // True until the armed deadline has quit the loop.
    bool Pending() const { return pending_; }
    // Forgets the armed deadline.
    void Disarm();

private:
    void Fire();

    QEventLoop& loop_;
    QTimer timer_;
    int timerFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool pending_ = false;
};
