#include "SimServer.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sstream>
#include <sys/resource.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};
// Standard input is the process's, whatever number of drives it serves.
std::string stdinLine;
bool stdinOpen = true;

void OnSignal(int) {
    const char byte = 's';
    [[maybe_unused]] ssize_t ignored = write(signalPipe[1], &byte, 1);
}

std::string Printable(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c < 0x20 || c >= 0x7F || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

} // namespace

double MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

SimServer::SimServer(SimOptions options) : options_(std::move(options)), random_(options_.seed) {}

SimServer::~SimServer() {
    HangUp();
    if (!options_.linkPath.empty()) {
        unlink(options_.linkPath.c_str());
    }
    if (log_) {
        std::fclose(log_);
    }
}

bool SimServer::Start() {
    std::string error;
    if (!options_.loadPath.empty() && !memory_.Load(options_.loadPath, error)) {
        std::fprintf(stderr, "tarn-drive-sim: %s\n", error.c_str());
        return false;
    }
    if (!options_.logPath.empty()) {
        log_ = std::fopen(options_.logPath.c_str(), "w");
        if (!log_) {
            std::fprintf(stderr, "tarn-drive-sim: cannot write %s\n", options_.logPath.c_str());
            return false;
        }
    }
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "tarn-drive-sim: openpty: %s\n", std::strerror(errno));
        return false;
    }
    slavePath_ = name;
    // Raw: no echo, no CR translation, no line editing; bytes pass as sent.
    termios mode{};
    tcgetattr(slave_, &mode);
    cfmakeraw(&mode);
    cfsetspeed(&mode, B9600);
    tcsetattr(slave_, TCSANOW, &mode);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (!options_.linkPath.empty()) {
        unlink(options_.linkPath.c_str());
        if (symlink(slavePath_.c_str(), options_.linkPath.c_str()) != 0) {
            std::fprintf(stderr, "tarn-drive-sim: symlink %s: %s\n", options_.linkPath.c_str(),
                         std::strerror(errno));
            return false;
        }
    }
    SaveState();
    if (signalPipe[0] < 0 && pipe(signalPipe) != 0) {
        return false;
    }
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);
    // A real drive answers on time whatever the PC is doing; where allowed,
    // a higher priority keeps a busy machine from delaying the replies.
    [[maybe_unused]] const int ignored = setpriority(PRIO_PROCESS, 0, -10);
    std::printf("DEVICE %s\n", slavePath_.c_str());
    std::fflush(stdout);
    return true;
}

int SimServer::Run(const std::vector<SimServer*>& drives) {
    // With several drives, a wake a little past the first character due
    // sends every character due by then: one wake serves many drives
    // instead of one each. A character leaves at most this late.
    const double slackMs = drives.size() > 1 ? 0.25 : 0.0;
    const auto quitting = [&drives] {
        return std::any_of(drives.begin(), drives.end(), [](SimServer* d) { return d->quit_; });
    };
    std::vector<pollfd> fds;
    while (!quitting()) {
        fds.assign({{signalPipe[0], POLLIN, 0}, {stdinOpen ? STDIN_FILENO : -1, POLLIN, 0}});
        double dueMs = -1;
        for (SimServer* drive : drives) {
            fds.push_back({drive->master_, POLLIN, 0});
            if (!drive->outgoing_.empty()) {
                const double due = drive->outgoing_.front().dueMs;
                dueMs = dueMs < 0 ? due : std::min(dueMs, due);
            }
        }
        timespec wait{};
        timespec* timeout = nullptr;
        if (dueMs >= 0) {
            const double ms = std::max(0.0, dueMs + slackMs - MonotonicMs());
            wait.tv_sec = static_cast<time_t>(ms / 1000);
            wait.tv_nsec = static_cast<long>((ms - wait.tv_sec * 1000.0) * 1e6);
            timeout = &wait;
        }
        if (ppoll(fds.data(), fds.size(), timeout, nullptr) < 0 && errno != EINTR) {
            std::perror("tarn-drive-sim: ppoll");
            return 1;
        }
        if (fds[0].revents & POLLIN) {
            break;
        }
        for (std::size_t i = 0; i < drives.size(); ++i) {
            if (drives[i]->master_ >= 0 && (fds[i + 2].revents & POLLIN)) {
                drives[i]->OnMasterReadable();
            }
        }
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            OnStdinReadable(drives);
        }
        for (SimServer* drive : drives) {
            drive->SendDue();
            // The state file is rewritten once the reply has left, so a slow
            // disk never delays an echo past the tool's wait.
            if (drive->stateDirty_ && drive->outgoing_.empty()) {
                drive->SaveState();
            }
        }
    }
    for (SimServer* drive : drives) {
        if (drive->stateDirty_) {
            drive->SaveState();
        }
    }
    return 0;
}

void SimServer::OnMasterReadable() {
    char buffer[512];
    const ssize_t count = read(master_, buffer, sizeof buffer);
    if (count <= 0) {
        return;
    }
    received_.append(buffer, static_cast<std::size_t>(count));
    std::size_t end;
    while (master_ >= 0 && (end = received_.find('\r')) != std::string::npos) {
        std::string line = received_.substr(0, end);
        received_.erase(0, end + 1);
        // Noise before a frame is skipped, as a drive resynchronises on ':'.
        const std::size_t start = line.rfind(':');
        OnRequest(start == std::string::npos ? line : line.substr(start));
        // Logged after the reply is timed, so a slow log file cannot delay it.
        Log("RX", line + "\r");
    }
}

void SimServer::OnRequest(const std::string& request) {
    ++requests_;
    if (options_.hangupAfter >= 0 && requests_ > options_.hangupAfter) {
        HangUp();
        return;
    }
    const DriveMemory::Answer answer = memory_.Respond(request, options_.format, options_.numbers);
    stateDirty_ = stateDirty_ || answer.stored;
    if (answer.answered && !options_.silent) {
        // ":P" and three digits name the parameter asked for.
        const int number = request.size() >= 5 ? std::atoi(request.substr(2, 3).c_str()) : -1;
        ScheduleReply(answer.reply, number);
    }
}

void SimServer::ScheduleReply(std::string reply, int number) {
    ++replies_;
    if (options_.shortReplies) {
        reply.resize(std::min<std::size_t>(reply.size(), 9));
    }
    if (options_.garbage) {
        reply = "#~%" + reply;
    }
    std::string noise;
    if (options_.noiseEvery > 0 && replies_ % options_.noiseEvery == 0) {
        const int count = std::uniform_int_distribution<int>(1, 8)(random_);
        std::uniform_int_distribution<int> printable(0x20, 0x7E);
        while (static_cast<int>(noise.size()) < count) {
            const char c = static_cast<char>(printable(random_));
            if (c != ':') {
                noise += c;
            }
        }
    }
    double lateMs = options_.lateMs;
    const auto late = options_.lateParams.find(number);
    if (late != options_.lateParams.end()) {
        lateMs += late->second;
    }
    if (options_.jitterMs > 0) {
        lateMs += std::uniform_real_distribution<double>(0, options_.jitterMs)(random_);
    }
    const bool twice = options_.repeatEvery > 0 && replies_ % options_.repeatEvery == 0;
    // The line carries one reply at a time: a reply queued behind another
    // starts when the previous one has left.
    const double due = std::max(MonotonicMs() + options_.processingMs + lateMs, lineFreeMs_);
    SchedulePieces(noise + reply, due);
    if (twice) {
        SchedulePieces(reply, lineFreeMs_);
    }
}

void SimServer::SchedulePieces(const std::string& reply, double due) {
    const std::string& logText = reply;
    if (options_.chunked) {
        const std::size_t piece = (reply.size() + 2) / 3;
        for (std::size_t at = 0; at < reply.size(); at += piece) {
            outgoing_.push_back({due, reply.substr(at, piece), at == 0 ? logText : ""});
            due += 4.0;
        }
    } else {
        for (std::size_t at = 0; at < reply.size(); ++at) {
            outgoing_.push_back({due, reply.substr(at, 1), at == 0 ? logText : ""});
            due += options_.charMs;
        }
    }
    lineFreeMs_ = due;
}

void SimServer::SendDue() {
    const double now = MonotonicMs();
    while (!outgoing_.empty() && outgoing_.front().dueMs <= now) {
        const Outgoing item = outgoing_.front();
        outgoing_.pop_front();
        if (master_ < 0) {
            continue;
        }
        // Nobody reading (the tool's port is closed) just loses the bytes, as
        // on a real line.
        [[maybe_unused]] ssize_t ignored = write(master_, item.bytes.data(), item.bytes.size());
        if (!item.logText.empty()) {
            Log("TX", item.logText);
        }
    }
}

void SimServer::OnStdinReadable(const std::vector<SimServer*>& drives) {
    char buffer[256];
    const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) {
        stdinOpen = false; // a closed stdin is not a request to stop
        return;
    }
    stdinLine.append(buffer, static_cast<std::size_t>(count));
    std::size_t end;
    while ((end = stdinLine.find('\n')) != std::string::npos) {
        std::string line = stdinLine.substr(0, end);
        stdinLine.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        // Every drive takes the command; the first that refuses answers.
        std::string answer = "OK";
        for (SimServer* drive : drives) {
            const std::string own = drive->OnCommand(line);
            if (answer == "OK") {
                answer = own;
            }
        }
        std::printf("%s\n", answer.c_str());
        std::fflush(stdout);
        if (drives.front()->quit_) {
            break;
        }
    }
}

std::string SimServer::OnCommand(const std::string& line) {
    std::istringstream words(line);
    std::string verb, first, second;
    words >> verb >> first >> second;
    int number = -1;
    if (!first.empty() && std::all_of(first.begin(), first.end(), ::isdigit)) {
        number = std::stoi(first);
    }
    if (verb == "fault") {
        return OnFaultCommand(first, second);
    }
    for (const NumberFault& fault : kNumberFaults) {
        if ((verb == fault.add || verb == fault.remove) && number >= 0) {
            std::set<int>& numbers = options_.numbers.*(fault.numbers);
            if (verb == fault.add) {
                numbers.insert(number);
            } else {
                numbers.erase(number);
            }
            return "OK";
        }
    }
    if (verb == "quit") {
        quit_ = true;
    } else if (verb == "set" && second.size() == 4 && memory_.Set(number, second)) {
        // A drive holds words of four hex digits; the length is checked first
        // so a value answered ERR is never stored.
        SaveState();
    } else if (verb == "late" && number >= 0) {
        options_.lateMs = number;
    } else if (verb == "late-param" && first.find(':') != std::string::npos) {
        // As --late-param N:MS; MS 0 answers N on time again.
        const int param = std::atoi(first.c_str());
        const int ms = std::atoi(first.c_str() + first.find(':') + 1);
        if (ms > 0) {
            options_.lateParams[param] = ms;
        } else {
            options_.lateParams.erase(param);
        }
    } else if (verb == "format" && (first == "0" || first == "1")) {
        options_.format = number;
    } else if (verb == "hangup") {
        HangUp();
    } else {
        return "ERR " + line;
    }
    return "OK";
}

std::string SimServer::OnFaultCommand(const std::string& name, const std::string& state) {
    bool* flag = FaultSwitch(options_, name);
    if (state != "on" && state != "off") {
        return "ERR fault " + name + " " + state;
    }
    if (!flag) {
        return "ERR unknown fault " + name;
    }
    *flag = state == "on";
    return "OK";
}

void SimServer::HangUp() {
    outgoing_.clear();
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
    if (slave_ >= 0) {
        close(slave_);
        slave_ = -1;
    }
}

void SimServer::Log(const char* direction, const std::string& bytes) {
    if (!log_) {
        return;
    }
    std::fprintf(log_, "%.3f %s %s\n", MonotonicMs(), direction, Printable(bytes).c_str());
    std::fflush(log_);
}

void SimServer::SaveState() {
    stateDirty_ = false;
    if (!options_.statePath.empty() && !memory_.SaveState(options_.statePath)) {
        std::fprintf(stderr, "tarn-drive-sim: cannot write %s\n", options_.statePath.c_str());
    }
}
