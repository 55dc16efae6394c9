#pragma once

#include "files/ParameterFile.h"

#include <vector>

// Where two sets of the 309 value texts differ, in file order.
struct ValueDifference {
    quint16 number;
    QString left;  // the drive's or the first file's value text
    QString right; // the file's or the second file's value text
};

std::vector<ValueDifference> Differences(const ParameterValues& left, const ParameterValues& right);

// The differences that a load of `right` would write: not Pn900 or Pn901,
// and only where `right` holds a value a drive gave.
std::vector<ValueDifference> LoadableDifferences(const ParameterValues& left,
                                                 const ParameterValues& right);
