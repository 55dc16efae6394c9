#pragma once

#include <vector>

// tarnctl backup of a plant of 16 virtual drives in the marked format with
// their default pacing, 8 on ptys and 8 through one ser2net (4 raw, 4 RFC
// 2217), reply timing, into a fresh repository each run.
struct BackupTimes {
    std::vector<double> sixteenRatio;   // first backup of 16 axes / one axis's save, same run
    std::vector<double> commitSeconds;  // the commit of 16 changed files alone
    std::vector<double> unchangedRatio; // backup with nothing changed / save of the 16 at once
    bool unchangedCommitted = false;    // an unchanged backup that made a commit (must not)
};

// Runs each measure `runs` times (the commit `commits` times). Throws
// std::runtime_error when a run fails or ser2net is missing.
BackupTimes MeasureBackup(int runs, int commits);
