#pragma once

#include <vector>

// drift, status and query read back from a repository of a plant of 64
// axes (4 machines of 16) with 1,000 backups, one release and a run log of
// 64,000 lines (one per axis and backup): each a tarnctl process, start to
// exit, no drive involved.
struct RepositoryTimes {
    std::vector<double> driftSeconds;
    std::vector<double> statusSeconds;
    std::vector<double> querySeconds; // one parameter over the 64 axes
};

// Builds the repository once (git fast-import), then runs each `runs`
// times. Throws std::runtime_error when a run fails.
RepositoryTimes MeasureRepository(int runs);
