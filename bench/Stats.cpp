#include "bench/Stats.h"

#include <algorithm>
#include <cmath>
#include <sys/resource.h>

Summary Summarize(std::vector<double> samples) {
    Summary s;
    if (samples.empty())
        return s;
    std::sort(samples.begin(), samples.end());
    const auto rank = [&](double p) {
        const size_t index = size_t(std::ceil(p * double(samples.size()))) - 1;
        return samples[std::min(index, samples.size() - 1)];
    };
    s.min = samples.front();
    s.median = rank(0.5);
    s.p95 = rank(0.95);
    s.max = samples.back();
    return s;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec / 1e6;
}

double PeakRssMb(bool children) {
    rusage usage{};
    getrusage(children ? RUSAGE_CHILDREN : RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // Linux reports kilobytes
}

QString Fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}
