#pragma once

// How one write ended.
enum class WriteOutcome {
    Written,      // the drive echoed the request
    NotSent,      // "None" or empty value: the drive keeps its own value
    NoAnswer,     // fewer than 10 characters came back
    EchoDiffers,  // the drive answered with something else
    Undetermined, // no greeting was answered; nothing was sent
};

// The failed flag of an edit's write: true unless the drive confirmed it or
// it was not meant to be sent (NotSent).
constexpr bool WriteFailed(WriteOutcome outcome) {
    return outcome != WriteOutcome::Written && outcome != WriteOutcome::NotSent;
}
