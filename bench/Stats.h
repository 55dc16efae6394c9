#pragma once

#include <QString>
#include <vector>

// Order statistics of a set of samples (milliseconds or ratios).
struct Summary {
    double min = 0;
    double median = 0;
    double p95 = 0;
    double max = 0;
};

// Nearest-rank percentiles; an empty set gives zeros.
Summary Summarize(std::vector<double> samples);

// Process CPU time (user + system) used so far, in seconds.
double CpuSeconds();

// Peak resident set of this process or of its waited-for children, in MB.
double PeakRssMb(bool children);

QString Fixed(double value, int decimals);
