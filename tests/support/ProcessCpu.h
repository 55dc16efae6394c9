#pragma once

#include <QEventLoop>
#include <QTimer>
#include <sys/resource.h>

// CPU time (user + system) this process has used, in seconds.
inline double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec / 1e6;
}

// CPU seconds the process spends while its event loop runs idle for `ms`.
inline double CpuWhileIdle(int ms) {
    const double before = CpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return CpuSeconds() - before;
}
