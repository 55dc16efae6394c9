#include "drive/WriteRule.h"

#include "catalogue/ParameterRecord.h"
#include "compare/Comparison.h"
#include "drive/DriveTransfer.h"
#include "values/ValueWords.h"

#include <QCoreApplication>

namespace {

bool Sends(const ValueToWrite& write) {
    return !IsNeverWritten(write.number) && !write.valueText.isEmpty() &&
           write.valueText != QLatin1String("None");
}

} // namespace

QString Pn904AfterRun(const std::vector<ValueToWrite>& writes, const QString& drivePn904) {
    QString after = drivePn904;
    for (const ValueToWrite& write : writes)
        if (write.number == kPn904 && Sends(write))
            after = write.valueText;
    return after;
}

bool NeedsDrivePn904(const std::vector<ValueToWrite>& writes) {
    bool follows = false;
    for (const ValueToWrite& write : writes) {
        if (write.number == kPn904 && Sends(write))
            return false;
        const ParameterRecord* record = RecordOf(write.number);
        follows = follows || (record != nullptr && record->FollowsPn904() && Sends(write));
    }
    return follows;
}

std::vector<RuleBreak> RuleBreaksOf(const std::vector<ValueToWrite>& writes,
                                    const QString& drivePn904) {
    const QString pn904 = Pn904AfterRun(writes, drivePn904);
    std::vector<RuleBreak> outside;
    // The comparison's state of a file value: the rule's judgement
    // (StandingOf) for every value a run sends.
    for (const ValueToWrite& write : writes) {
        if (StateOfFileValue(write.number, write.valueText, pn904) != RowState::OutOfRange)
            continue;
        outside.push_back({write.number, write.valueText,
                           ValueInWordsWithHex(write.number, write.valueText),
                           RangeText(write.number, pn904)});
    }
    return outside;
}

std::vector<ValueToWrite> LoadWrites(const ParameterValues& values,
                                     const std::optional<QSet<quint16>>& only) {
    std::vector<ValueToWrite> writes;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ValueToWrite write{NumberOfSlot(slot), values[slot]};
        if (Sends(write) && (!only || only->contains(write.number)))
            writes.push_back(write);
    }
    return writes;
}

QString RuleBreakLine(const RuleBreak& value) {
    return QCoreApplication::translate("WriteRule", "%1 %2（%3）")
        .arg(PnName(value.number), value.shown, value.range);
}

QStringList RuleBreakLines(const std::vector<RuleBreak>& values) {
    constexpr size_t kListed = 20;
    QStringList lines;
    for (size_t i = 0; i < values.size() && i < kListed; ++i)
        lines << RuleBreakLine(values[i]);
    if (values.size() > kListed)
        lines << QCoreApplication::translate("WriteRule", "…等 %1 個").arg(values.size());
    return lines;
}

QString OutsideRuleQuestion(const std::vector<RuleBreak>& values) {
    return QCoreApplication::translate("WriteRule", "以下參數超出允許範圍：\n%1\n仍要寫入嗎？")
        .arg(RuleBreakLines(values).join(QLatin1Char('\n')));
}
