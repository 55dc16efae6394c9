#pragma once

#include "DriveMemory.h"
#include "SimOptions.h"

#include <cstdio>
#include <deque>
#include <random>
#include <string>
#include <vector>

// The virtual drive's life: a pseudo-terminal in raw mode, one loop that
// sleeps in ppoll until a request byte, a command line, a signal or the
// next paced reply byte is due, and the faults switched on. One loop may
// serve several drives (--drives), as one process.
class SimServer {
public:
    explicit SimServer(SimOptions options);
    ~SimServer();

    // Opens the pty and the files; prints "DEVICE <path>". False on failure
    // (the reason is on stderr).
    bool Start();
    // Serves the started `drives` until SIGTERM, SIGINT or "quit"; a command
    // line goes to every drive. Returns the exit code.
    static int Run(const std::vector<SimServer*>& drives);

private:
    struct Outgoing {
        double dueMs;
        std::string bytes;
        std::string logText; // non-empty on the first piece of a reply
    };

    void OnMasterReadable();
    void OnRequest(const std::string& request);
    void ScheduleReply(std::string reply, int number);
    void SchedulePieces(const std::string& reply, double due);
    void SendDue();
    static void OnStdinReadable(const std::vector<SimServer*>& drives);
    std::string OnCommand(const std::string& line);
    std::string OnFaultCommand(const std::string& name, const std::string& state);
    void HangUp();
    void Log(const char* direction, const std::string& bytes);
    void SaveState();

    SimOptions options_;
    DriveMemory memory_;
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::FILE* log_ = nullptr;
    std::string received_;
    bool quit_ = false;
    int requests_ = 0;
    bool stateDirty_ = false; // a write stored, state file not yet rewritten
    double lineFreeMs_ = 0;   // when the last scheduled byte has left
    std::deque<Outgoing> outgoing_;
    std::mt19937 random_;
    long replies_ = 0; // replies scheduled, for --noise-every and --repeat-every
};

// Milliseconds on the monotonic clock (the clock the log is stamped with).
double MonotonicMs();
