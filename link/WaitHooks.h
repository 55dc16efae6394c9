#pragma once

#include <functional>

// Run when a link's wait begins and when it ends. The window program shows a
// busy cursor and drops user input with them; a link without hooks only
// waits.
struct WaitHooks {
    std::function<void()> begin;
    std::function<void()> end;
};
