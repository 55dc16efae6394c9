#pragma once

#include <array>
#include <set>
#include <string>

// Faults tied to parameter numbers, looked up on every request.
struct NumberFaults {
    std::set<int> unmarked; // reads answered without "=0x"
    std::set<int> rejected; // writes echoed with a wrong digit, not stored
    std::set<int> kept;     // writes echoed exactly, not stored
};

// The drive's side of the protocol: a value for every parameter 0..987 and
// the answer to one request line. No I/O beyond the parameter files.
class DriveMemory {
public:
    static constexpr int kParameterCount = 988;

    DriveMemory();

    // The value text of `number` (four upper-case hex digits).
    const std::string& Value(int number) const { return values_[number]; }
    // Stores a value given as 4 hex digits, or 8 of which the low four are
    // kept (the 16-bit meaning of a sign-extended negative number). False
    // when the number or the text is not acceptable.
    bool Set(int number, const std::string& hexText);

    // Reads a parameter file: lines "P" + 3 digits + value text. Lines whose
    // value is not 4 or 8 hex digits ("None", empty) keep the default.
    bool Load(const std::string& path, std::string& error);
    // Rewrites `path` with "P<nnn><hex4>" lines for the 309 held parameters
    // in file order (through a temporary file, so readers never see half).
    bool SaveState(const std::string& path) const;

    struct Answer {
        bool answered = false; // false: the drive keeps quiet
        bool stored = false;   // a write was accepted
        std::string reply;     // with its CR
    };
    // The answer to one request line (without its CR), with the faults of
    // `faults` applied. A write of a number both rejected and kept is
    // rejected.
    Answer Respond(const std::string& request, int format, const NumberFaults& faults);

private:
    std::array<std::string, kParameterCount> values_;
};

// The address ":P" + three digits of `number`.
std::string SimAddress(int number);
