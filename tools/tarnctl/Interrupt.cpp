#include "Interrupt.h"

#include "ExitCode.h"
#include "link/TcpSerialDevice.h"

#include <atomic>
#include <csignal>
#include <cstdlib>

namespace {

std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set from a signal handler");

extern "C" void OnInterrupt(int) {
    if (requested.exchange(true)) {
        // A user who presses it twice wants out now, safe point or not.
        std::_Exit(kExitInterrupted);
    }
    // Where signal() resets the handler after one call, put it back.
    std::signal(SIGINT, OnInterrupt);
}

} // namespace

void InstallInterruptHandler() {
    // glibc's signal() restarts interrupted system calls, so the serial
    // port's reads and writes do not fail just because a stop was asked for.
    std::signal(SIGINT, OnInterrupt);
    // A device server that has not answered yet is not waited for.
    TcpSerialDevice::SetOpenCancel(&InterruptRequested);
}

bool InterruptRequested() {
    return requested.load();
}
