#pragma once

#include <QStringList>
#include <vector>

// Wall times of tarnctl runs against virtual drives on ptys, in seconds,
// each from the program's start to its exit.
struct TarnctlTimes {
    std::vector<double> saveOne;     // save of one drive
    std::vector<double> saveFour;    // save of four drives at once
    std::vector<double> loadFull;    // load of a whole file
    std::vector<double> loadChanged; // load --changed-only, 10 parameters differ
};

// Runs tarnctl `runs` times for each measure. Throws std::runtime_error
// when a run fails.
TarnctlTimes MeasureTarnctl(int runs);

// Seconds from start to exit of one tarnctl run that must end with code 0;
// throws std::runtime_error with its message otherwise.
double TimedTarnctl(const QStringList& arguments);
