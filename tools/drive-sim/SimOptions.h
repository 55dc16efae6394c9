#pragma once

#include "DriveMemory.h"

#include <map>
#include <string>

// The virtual drive's command line. Parsing fails with a message instead of
// guessing: a test that mistypes a fault should not run against a healthy
// drive.
struct SimOptions {
    std::string linkPath;          // --link: symlink to the slave device
    int format = 1;                // --format 0|1
    std::string loadPath;          // --load FILE.tarn
    std::string logPath;           // --log FILE
    std::string statePath;         // --state FILE
    bool silent = false;           // --silent: never answer
    NumberFaults numbers;          // --unmarked, --reject, --keep
    bool shortReplies = false;     // --short: replies cut to 9 characters
    int lateMs = 0;                // --late MS: extra delay before every reply
    bool garbage = false;          // --garbage: junk bytes before every reply
    bool chunked = false;          // --chunked: every reply in three pieces
    std::map<int, int> lateParams; // --late-param N:MS: parameter N's replies MS late
    int jitterMs = 0;              // --jitter MS: each reply a random 0..MS ms late
    unsigned seed = 1;             // --seed S: of the jitter and the noise
    int noiseEvery = 0;            // --noise-every K: noise before every K-th reply
    int repeatEvery = 0;           // --repeat-every K: every K-th reply sent twice
    int hangupAfter = -1;          // --hangup-after N: close after N requests
    double processingMs = 2.0;     // --processing-ms: delay before a reply starts
    double charMs = 1.0417;        // --char-ms: pacing of each character
    int drives = 1;                // --drives N: N drives alike in one process
};

// The options of drive `index` (from 1) of `options.drives`: with more than
// one, its --log, --state and --link paths end in ".<index>" and its seed is
// the given one plus index - 1, so drives side by side keep their own files.
SimOptions DriveOptions(const SimOptions& options, int index);

// A fault tied to parameter numbers: the option that lists them and the
// standard-input commands that add and remove one.
struct NumberFault {
    const char* option;
    const char* add;
    const char* remove;
    std::set<int> NumberFaults::*numbers;
};
extern const NumberFault kNumberFaults[3];

// The flag of the fault that is on or off by `name` ("silent", "short",
// "garbage", "chunked"): option "--<name>", command "fault <name> on|off".
// Null for any other name.
bool* FaultSwitch(SimOptions& options, const std::string& name);

// Fills `options` from argv. Returns false and sets `error` on a bad option.
bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);

// "5,100,987" into numbers; false on anything that is not a list of numbers.
bool ParseNumberList(const std::string& text, std::set<int>& numbers);

// The usage text printed for --help and on errors.
const char* SimUsage();
