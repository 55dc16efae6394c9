#include "link/WakeTimer.h"

#include <QEventLoop>
#include <QSocketNotifier>

// The portable build leaves the timerfd out, so the fallback that other
// systems use is built and tested here too.
#if defined(Q_OS_LINUX) && !defined(TARN_PORTABLE_LINK)
#define TARN_LINK_TIMERFD 1
#include <sys/timerfd.h>
#include <unistd.h>
#endif

WakeTimer::WakeTimer(QEventLoop& loop) : loop_(loop) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, &loop_, [this] { Fire(); });
#ifdef TARN_LINK_TIMERFD
    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timerFd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(timerFd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, &loop_, [this] {
            quint64 expirations = 0;
            if (read(timerFd_, &expirations, sizeof expirations) > 0) {
                Fire();
            }
        });
    }
#endif
}

WakeTimer::~WakeTimer() {
    notifier_.reset();
#ifdef TARN_LINK_TIMERFD
    if (timerFd_ >= 0) {
        close(timerFd_);
    }
#endif
}

void WakeTimer::Arm(qint64 ns) {
    pending_ = true;
#ifdef TARN_LINK_TIMERFD
    if (timerFd_ >= 0) {
        // A zero it_value would disarm the timerfd, so "now" is 1 ns away.
        const qint64 wait = qMax<qint64>(1, ns);
        itimerspec due{};
        due.it_value.tv_sec = time_t(wait / 1000000000);
        due.it_value.tv_nsec = long(wait % 1000000000);
        if (timerfd_settime(timerFd_, 0, &due, nullptr) == 0) {
            return;
        }
    }
#endif
    // Whole milliseconds, rounded up so the loop never ends early.
    timer_.start(int((qMax<qint64>(0, ns) + 999999) / 1000000));
}

void WakeTimer::Disarm() {
    if (!pending_) {
        return; // fired, or never armed: nothing is set
    }
    pending_ = false;
    timer_.stop();
#ifdef TARN_LINK_TIMERFD
    if (timerFd_ >= 0) {
        // Setting a timerfd also clears an expiry not yet read, so a deadline
        // that passed unseen never ends a later wait.
        const itimerspec off{};
        timerfd_settime(timerFd_, 0, &off, nullptr);
    }
#endif
}

void WakeTimer::Fire() {
    if (!pending_) {
        return;
    }
    pending_ = false;
    loop_.quit();
}
