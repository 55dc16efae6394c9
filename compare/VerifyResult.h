#pragma once

#include "files/TransferResult.h"
#include "link/WriteOutcome.h"

#include <QString>
#include <functional>
#include <vector>

// What writing chosen values and reading each one back (drive/
// WriteAndVerify) gives, judged, and how it is told.

// One value to write, its text sent exactly as given (as a load sends it).
struct ValueToWrite {
    quint16 number = 0;
    QString valueText;
};

enum class VerifyOutcome : quint8 {
    NotRun,          // the run stopped before this write
    Confirmed,       // the read-back equals the value written
    WriteFailed,     // the write was not confirmed: no answer, another echo, nothing sent
    ReadBackDiffers, // the drive confirmed the write but holds `readBack`
    Unverified,      // confirmed, but the run stopped before its read-back
};

struct VerifiedWrite {
    quint16 number = 0;
    QString written;
    WriteOutcome write = WriteOutcome::NotSent;
    bool readDone = false;
    QString readBack; // what the read-back gave: a value text, "None" or empty
    VerifyOutcome outcome = VerifyOutcome::NotRun;
};

struct VerifyResult {
    std::vector<VerifiedWrite> writes; // one per request, in the order given
    bool stopped = false;              // the caller asked the run to stop

    int Count(VerifyOutcome outcome) const;
    // True when a parameter whose write the drive confirmed takes effect
    // only after the drive is restarted.
    bool NeedsRestart() const;
};

// How `write` ended, from its echo and its read-back.
VerifyOutcome JudgeWrite(const VerifiedWrite& write);

// Asked before each exchange: true ends the run there, nothing more sent.
using StopRequest = std::function<bool()>;

// The run in the terms of a load's result, for those who keep account of
// loads: complete when every write was confirmed by its read-back; written
// lists those, in order; the first write that was not is the failed one.
LoadResult AsLoadResult(const VerifyResult& result);

// The status of one write as the comparison window shows it: "已寫入",
// "寫入失敗", "讀回不符：" and the value read, "未讀回" when the run
// stopped before the read-back, empty when it was not run.
QString VerifyOutcomeText(const VerifiedWrite& write);

// What a finished run tells: how many were written and confirmed, how many
// failed, how many the drive holds otherwise, and "請重開驅動器" when a
// confirmed parameter takes effect only after a restart.
QString VerifySummary(const VerifyResult& result);
