#include "SimOptions.h"

#include <cstdlib>
#include <sstream>

const NumberFault kNumberFaults[3] = {
    {"--unmarked", "unmark", "mark", &NumberFaults::unmarked},
    {"--reject", "reject", "unreject", &NumberFaults::rejected},
    {"--keep", "keep", "unkeep", &NumberFaults::kept},
};

namespace {

bool ParseInt(const std::string& text, int& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || parsed < 0 || parsed > 1000000) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

bool ParseDouble(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && value >= 0;
}

const NumberFault* NumberFaultOfOption(const std::string& name) {
    for (const NumberFault& fault : kNumberFaults) {
        if (name == fault.option) {
            return &fault;
        }
    }
    return nullptr;
}

} // namespace

bool* FaultSwitch(SimOptions& options, const std::string& name) {
    if (name == "silent") {
        return &options.silent;
    }
    if (name == "short") {
        return &options.shortReplies;
    }
    if (name == "garbage") {
        return &options.garbage;
    }
    if (name == "chunked") {
        return &options.chunked;
    }
    return nullptr;
}

bool ParseNumberList(const std::string& text, std::set<int>& numbers) {
    std::stringstream stream(text);
    std::string item;
    bool any = false;
    while (std::getline(stream, item, ',')) {
        int number = 0;
        if (!ParseInt(item, number)) {
            return false;
        }
        numbers.insert(number);
        any = true;
    }
    return any;
}

bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = name + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        const NumberFault* numberFault = NumberFaultOfOption(name);
        bool* faultSwitch =
            name.rfind("--", 0) == 0 ? FaultSwitch(options, name.substr(2)) : nullptr;
        std::string text;
        bool ok = true;
        if (faultSwitch) {
            *faultSwitch = true;
        } else if (numberFault) {
            ok = value(text) && ParseNumberList(text, options.numbers.*(numberFault->numbers));
        } else if (name == "--link") {
            ok = value(options.linkPath);
        } else if (name == "--load") {
            ok = value(options.loadPath);
        } else if (name == "--log") {
            ok = value(options.logPath);
        } else if (name == "--state") {
            ok = value(options.statePath);
        } else if (name == "--format") {
            ok = value(text) && ParseInt(text, options.format) && options.format <= 1;
        } else if (name == "--late") {
            ok = value(text) && ParseInt(text, options.lateMs);
        } else if (name == "--hangup-after") {
            ok = value(text) && ParseInt(text, options.hangupAfter);
        } else if (name == "--processing-ms") {
            ok = value(text) && ParseDouble(text, options.processingMs);
        } else if (name == "--char-ms") {
            ok = value(text) && ParseDouble(text, options.charMs);
        } else {
            error = "unknown option " + name;
            return false;
        }
        if (!ok) {
            if (error.empty()) {
                error = "bad value for " + name;
            }
            return false;
        }
    }
    return true;
}

const char* SimUsage() {
    return "usage: tarn-drive-sim [--link PATH] [--format 0|1] [--load FILE.tarn]\n"
           "         [--log FILE] [--state FILE] [--silent] [--unmarked N,..]\n"
           "         [--reject N,..] [--keep N,..] [--short] [--late MS] [--garbage]\n"
           "         [--chunked] [--hangup-after N] [--processing-ms MS] [--char-ms MS]\n"
           "stdin: set <n> <hex4> | fault silent|short|garbage|chunked on|off |\n"
           "       late <ms> | format 0|1 | reject <n> | unreject <n> | keep <n> |\n"
           "       unkeep <n> | unmark <n> | mark <n> | hangup | quit\n";
}
