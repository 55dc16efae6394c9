#include "compare/WriteAndVerify.h"

#include "values/ValueText.h"

#include "catalogue/ParameterRecord.h"
#include "compare/Comparison.h"

#include <algorithm>

namespace {

VerifyOutcome Judge(const VerifiedWrite& write) {
    if (write.write != WriteOutcome::Written)
        return VerifyOutcome::WriteFailed;
    if (!write.readDone)
        return VerifyOutcome::Unverified;
    return ValuesEqual(write.readBack, write.written) ? VerifyOutcome::Confirmed
                                                      : VerifyOutcome::ReadBackDiffers;
}

bool DriveTookIt(const VerifiedWrite& write) {
    return write.outcome == VerifyOutcome::Confirmed ||
           write.outcome == VerifyOutcome::ReadBackDiffers ||
           write.outcome == VerifyOutcome::Unverified;
}

} // namespace

int VerifyResult::Count(VerifyOutcome outcome) const {
    return static_cast<int>(std::count_if(
        writes.begin(), writes.end(), [outcome](const auto& w) { return w.outcome == outcome; }));
}

bool VerifyResult::NeedsRestart() const {
    return std::any_of(writes.begin(), writes.end(), [](const VerifiedWrite& w) {
        const ParameterRecord* record = RecordOf(w.number);
        return DriveTookIt(w) && record != nullptr &&
               record->takesEffect == TakesEffect::AfterRestart;
    });
}

VerifyResult WriteAndVerify(DriveLink& link, const std::vector<ValueToWrite>& requests,
                            const ProgressCallback& progress, const StopRequest& stop) {
    VerifyResult result;
    for (const ValueToWrite& request : requests) {
        VerifiedWrite write;
        write.number = request.number;
        write.written = request.valueText;
        result.writes.push_back(write);
    }
    const int exchanges = 2 * static_cast<int>(requests.size());
    int done = 0;
    const auto step = [&] {
        ++done;
        if (progress)
            progress(done * 100 / exchanges);
    };
    const auto stopNow = [&] { return stop && (result.stopped = stop()); };

    std::size_t written = 0;
    for (; written < result.writes.size() && !stopNow(); ++written) {
        VerifiedWrite& write = result.writes[written];
        write.write = link.Write(write.number, write.written);
        step();
    }
    for (std::size_t i = 0; i < written && !stopNow(); ++i) {
        VerifiedWrite& write = result.writes[i];
        write.readBack = link.Read(write.number);
        write.readDone = true;
        step();
    }
    for (std::size_t i = 0; i < written; ++i)
        result.writes[i].outcome = Judge(result.writes[i]);
    return result;
}

LoadResult AsLoadResult(const VerifyResult& result) {
    LoadResult load;
    for (const VerifiedWrite& w : result.writes) {
        if (w.outcome == VerifyOutcome::Confirmed) {
            load.written << w.number;
        } else if (load.complete) {
            load.complete = false;
            load.failedNumber = w.number;
            load.failure = w.write;
        }
    }
    load.stopped = result.stopped;
    return load;
}

QString VerifyOutcomeText(const VerifiedWrite& write) {
    switch (write.outcome) {
    case VerifyOutcome::Confirmed:
        return QStringLiteral("已寫入");
    case VerifyOutcome::WriteFailed:
        return QStringLiteral("寫入失敗");
    case VerifyOutcome::ReadBackDiffers:
        return QStringLiteral("讀回不符：") + write.readBack;
    case VerifyOutcome::Unverified:
        return QStringLiteral("未讀回");
    case VerifyOutcome::NotRun:
        break;
    }
    return QString();
}

QString VerifySummary(const VerifyResult& result) {
    QString text = QStringLiteral("已寫入並確認 %1 個，寫入失敗 %2 個")
                       .arg(result.Count(VerifyOutcome::Confirmed))
                       .arg(result.Count(VerifyOutcome::WriteFailed));
    if (const int differs = result.Count(VerifyOutcome::ReadBackDiffers))
        text += QStringLiteral("，讀回不符 %1 個").arg(differs);
    if (result.NeedsRestart())
        text += QStringLiteral("\n請重開驅動器");
    return text;
}
