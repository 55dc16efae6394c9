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

// The same for 64 drives, 32 on ptys and 32 through one ser2net (16 raw, 16
// RFC 2217): the backup against one axis's save, and the peak memory and
// CPU of the tarnctl process that backed them up (its git children included).
struct WideBackupTimes {
    std::vector<double> ratio;    // first backup of 64 axes / one axis's save, same run
    std::vector<double> peakMb;   // peak resident set of that tarnctl
    std::vector<double> cpuShare; // its CPU time (user + system) over its wall time, %
    int failedAxes = 0;           // the most axes that gave no whole read in one run (must be 0)
};

WideBackupTimes MeasureWideBackup(int runs);

// Starts `count` virtual drives as the wide backup does (the second half
// through one ser2net), prints the plant file's path and keeps them running
// until standard input closes: for looking at the rig by hand.
void HoldRig(int count);
