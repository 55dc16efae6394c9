#include "compare/VerifyResult.h"

#include "values/ValueText.h"

#include "catalogue/ParameterRecord.h"
#include "compare/Comparison.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

bool DriveTookIt(const VerifiedWrite& write) {
    return write.outcome == VerifyOutcome::Confirmed ||
           write.outcome == VerifyOutcome::ReadBackDiffers ||
           write.outcome == VerifyOutcome::Unverified;
}

} // namespace

VerifyOutcome JudgeWrite(const VerifiedWrite& write) {
    if (write.write != WriteOutcome::Written)
        return VerifyOutcome::WriteFailed;
    if (!write.readDone)
        return VerifyOutcome::Unverified;
    return ValuesEqual(write.readBack, write.written) ? VerifyOutcome::Confirmed
                                                      : VerifyOutcome::ReadBackDiffers;
}

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
        return QCoreApplication::translate("VerifyResult", "已寫入");
    case VerifyOutcome::WriteFailed:
        return QCoreApplication::translate("VerifyResult", "寫入失敗");
    case VerifyOutcome::ReadBackDiffers:
        return QCoreApplication::translate("VerifyResult", "讀回不符：%1").arg(write.readBack);
    case VerifyOutcome::Unverified:
        return QCoreApplication::translate("VerifyResult", "未讀回");
    case VerifyOutcome::NotRun:
        break;
    }
    return QString();
}

QString VerifySummary(const VerifyResult& result) {
    QString text = QCoreApplication::translate("VerifyResult", "已寫入並確認 %1 個，寫入失敗 %2 個")
                       .arg(result.Count(VerifyOutcome::Confirmed))
                       .arg(result.Count(VerifyOutcome::WriteFailed));
    if (const int differs = result.Count(VerifyOutcome::ReadBackDiffers))
        text += QCoreApplication::translate("VerifyResult", "，讀回不符 %1 個").arg(differs);
    if (result.NeedsRestart())
        text += QCoreApplication::translate("VerifyResult", "\n請重開驅動器");
    return text;
}
