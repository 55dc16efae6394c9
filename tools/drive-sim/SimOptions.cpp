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
        } else if (name == "--late-param") {
            int number = 0;
            int ms = 0;
            const std::size_t colon = (ok = value(text)) ? text.find(':') : std::string::npos;
            ok = colon != std::string::npos && ParseInt(text.substr(0, colon), number) &&
                 ParseInt(text.substr(colon + 1), ms) && number <= 999;
            if (ok) {
                options.lateParams[number] = ms;
            }
        } else if (name == "--jitter") {
            ok = value(text) && ParseInt(text, options.jitterMs);
        } else if (name == "--seed") {
            int seed = 0;
            ok = value(text) && ParseInt(text, seed);
            options.seed = static_cast<unsigned>(seed);
        } else if (name == "--noise-every") {
            ok = value(text) && ParseInt(text, options.noiseEvery) && options.noiseEvery > 0;
        } else if (name == "--repeat-every") {
            ok = value(text) && ParseInt(text, options.repeatEvery) && options.repeatEvery > 0;
        } else if (name == "--hangup-after") {
            ok = value(text) && ParseInt(text, options.hangupAfter);
        } else if (name == "--processing-ms") {
            ok = value(text) && ParseDouble(text, options.processingMs);
        } else if (name == "--char-ms") {
            ok = value(text) && ParseDouble(text, options.charMs);
        } else if (name == "--drives") {
            ok = value(text) && ParseInt(text, options.drives) && options.drives >= 1 &&
                 options.drives <= 256;
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
           "         [--late-param N:MS]... [--jitter MS] [--seed S] [--noise-every K]\n"
           "         [--repeat-every K] [--drives N]\n"
           "       tarn-drive-sim --help | --version\n"
           "  --late-param N:MS  answer parameter N's requests MS ms late (repeatable)\n"
           "  --jitter MS        delay each reply by a random 0..MS ms (--seed S, default 1)\n"
           "  --noise-every K    1-8 random printable bytes other than ':' before every\n"
           "                     K-th reply\n"
           "  --repeat-every K   send every K-th reply twice\n"
           "  --drives N         N drives alike in one process, one DEVICE line each;\n"
           "                     drive I's --log, --state and --link end in .I, its\n"
           "                     seed is S + I - 1, and stdin commands go to every one\n"
           "  Replies never overlap on the line: a late reply delays the ones after it.\n"
           "stdin: set <n> <hex4> | fault silent|short|garbage|chunked on|off |\n"
           "       late <ms> | late-param <n>:<ms> | format 0|1 | reject <n> | unreject <n> | keep "
           "<n> |\n"
           "       unkeep <n> | unmark <n> | mark <n> | hangup | quit\n";
}

SimOptions DriveOptions(const SimOptions& options, int index) {
    SimOptions own = options;
    if (options.drives > 1) {
        const std::string suffix = "." + std::to_string(index);
        for (std::string* path : {&own.logPath, &own.statePath, &own.linkPath}) {
            if (!path->empty()) {
                *path += suffix;
            }
        }
        own.seed = options.seed + static_cast<unsigned>(index - 1);
    }
    return own;
}
