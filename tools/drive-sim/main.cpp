// tarn-drive-sim: a drive stand-in on a pseudo-terminal for running and
// testing the tool without hardware. See tools/README.md.
#include "SimOptions.h"
#include "SimServer.h"
#include "core/Version.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(SimUsage(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("tarn-drive-sim " TARN_VERSION);
            return 0;
        }
    }
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "tarn-drive-sim: %s\n%s", error.c_str(), SimUsage());
        return 2;
    }
    std::vector<std::unique_ptr<SimServer>> drives;
    std::vector<SimServer*> serving;
    for (int index = 1; index <= options.drives; ++index) {
        drives.push_back(std::make_unique<SimServer>(DriveOptions(options, index)));
        if (!drives.back()->Start()) {
            return 1;
        }
        serving.push_back(drives.back().get());
    }
    return SimServer::Run(serving);
}
