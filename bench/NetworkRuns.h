#pragma once

#include <vector>

// The reply timing and the network transport, measured against pacing
// virtual drives (format 1, 2 ms turnaround, 9600-baud characters) on ptys
// and through ser2net on 127.0.0.1.
struct NetworkTimes {
    double readFloorMs = 0;           // the drive's turnaround + 13 reply characters
    std::vector<double> replyReadMs;  // one read each, reply timing
    std::vector<double> cpuShare;     // % of a core during a reply save
    std::vector<double> saveRatio;    // tarnctl save, reply / fixed
    std::vector<double> loadRatio;    // tarnctl load of 307 writes, reply / fixed
    bool filesIdentical = true;       // every reply save equal to the fixed one
    bool statesIdentical = true;      // the drives after the loads, and their traffic
    std::vector<double> rawRatio;     // save through ser2net raw / over the pty, reply
    std::vector<double> rfc2217Ratio; // the same, RFC 2217
    std::vector<double> sixteenRatio; // 16 at once / slower single drive alone
};

// Runs each measure `runs` times (the read `reads` times). Throws
// std::runtime_error when a run fails or ser2net is missing.
NetworkTimes MeasureNetwork(int runs, int reads);

// The reply rule and the wire's trace: tarnctl saves of one pacing drive
// with fixed and reply timing, and with reply timing and --trace; and the
// CPU share of reply-timed saves in this process, a trace observer on.
struct WireTimes {
    std::vector<double> saveRatio;  // reply / fixed, the same run
    std::vector<double> traceRatio; // reply with --trace / reply without
    std::vector<double> cpuShare;   // % of a core during a reply save
    bool filesIdentical = true;     // the three files of each run
    int traceLines = 0;             // lines of the last traced save
};
WireTimes MeasureWire(int runs);
