#pragma once

#include <vector>

// tarnctl serve over a repository of 64 axes × 1,000 backups, written
// straight into git by git fast-import (a backup's files and message as
// tarnctl writes them, a few axes changed in each): page times one request
// at a time, then 100 clients at once for 10 s on loopback, then the
// server's resident memory.
struct WebTimes {
    double makeSeconds = 0;        // writing the repository
    double firstRequestMs = 0;     // the first page: every commit walked once
    std::vector<double> plantMs;   // "/"
    std::vector<double> axisMs;    // "/axis/Mxx/A", a different axis each time
    std::vector<double> historyMs; // "/history", 50 rows
    std::vector<double> loadMs;    // each request of the 100 clients
    int loadErrors = 0;            // not 200, or no answer
    double serverRssMb = 0;        // the server's resident set after the load
};

// Throws std::runtime_error when the repository or the server cannot be
// made.
WebTimes MeasureWeb(int samples);
