#include "app/grid/CommitState.h"

quint8 CommitRequested = 0;

namespace {
constexpr char kBackspace = 8;
constexpr char kEnter = 13;
} // namespace

void FilterEditKey(char& key) {
    if (key >= '0' && key <= '9')
        return;
    if (key == kBackspace || key == '-')
        return;
    if (key == kEnter) {
        CommitRequested = 1;
        return;
    }
    key = '\0';
}
