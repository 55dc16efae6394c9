#include "SimOptions.h"

#include <cstdlib>
#include <sstream>

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

} // namespace

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
        std::string text;
        bool ok = true;
        if (name == "--silent") {
            options.silent = true;
        } else if (name == "--short") {
            options.shortReplies = true;
        } else if (name == "--garbage") {
            options.garbage = true;
        } else if (name == "--chunked") {
            options.chunked = true;
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
        } else if (name == "--unmarked") {
            ok = value(text) && ParseNumberList(text, options.unmarked);
        } else if (name == "--reject") {
            ok = value(text) && ParseNumberList(text, options.rejected);
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
           "         [--reject N,..] [--short] [--late MS] [--garbage] [--chunked]\n"
           "         [--hangup-after N] [--processing-ms MS] [--char-ms MS]\n"
           "stdin: set <n> <hex4> | fault silent|short|garbage|chunked on|off |\n"
           "       late <ms> | reject <n> | unreject <n> | unmark <n> | mark <n> |\n"
           "       hangup | quit\n";
}
