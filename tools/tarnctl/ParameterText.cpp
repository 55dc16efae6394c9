#include "ParameterText.h"

#include "ExitCode.h"
#include "TarnctlText.h"
#include "catalogue/ParameterRecord.h"
#include "catalogue/ParameterSearch.h"
#include "catalogue/SheetRanges.h"
#include "core/TarnError.h"

#include <algorithm>

quint16 ParameterArgument(const QString& text) {
    const std::optional<quint16> number = ParameterNumberOf(text);
    if (!number) {
        throw UsageError(TarnctlText::tr("不是參數編號：%1（例如 100 或 Pn100）").arg(text));
    }
    if (SlotOf(*number) < 0) {
        throw UsageError(TarnctlText::tr("%1 不是驅動器的參數").arg(PnName(*number)));
    }
    return *number;
}

std::vector<quint16> ParameterArguments(const QStringList& texts) {
    std::vector<quint16> numbers;
    for (const QString& text : texts) {
        numbers.push_back(ParameterArgument(text));
    }
    return numbers;
}

const ParameterRecord& RecordOfNumber(quint16 number) {
    return *RecordOf(number);
}
