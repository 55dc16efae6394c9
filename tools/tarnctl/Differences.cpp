#include "Differences.h"

#include "ParameterText.h"
#include "files/DriveTransfer.h"

std::vector<ValueDifference> Differences(const ParameterValues& left,
                                         const ParameterValues& right) {
    std::vector<ValueDifference> differences;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!SameValue(left[slot], right[slot])) {
            differences.push_back({NumberOfSlot(slot), left[slot], right[slot]});
        }
    }
    return differences;
}

std::vector<ValueDifference> LoadableDifferences(const ParameterValues& left,
                                                 const ParameterValues& right) {
    std::vector<ValueDifference> loadable;
    for (const ValueDifference& difference : Differences(left, right)) {
        if (!IsNeverWritten(difference.number) && HoldsDriveValue(difference.right)) {
            loadable.push_back(difference);
        }
    }
    return loadable;
}
