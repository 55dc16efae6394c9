#include "drive/DriveTransfer.h"

#include "core/TarnError.h"
#include "values/DriveValues.h"

ParameterValues ReadAllParameters(DriveLink& link, const ProgressCallback& progress,
                                  const ValueCallback& eachValue) {
    ParameterValues values;
    for (const SheetRange& range : kSheetRanges) {
        for (int i = 0; i < range.count; ++i) {
            const quint16 number = static_cast<quint16>(range.first + i);
            const QString value = link.Read(number);
            values[range.firstSlot + i] = value;
            if (eachValue) {
                eachValue(number, value);
            }
        }
        progress(ProgressAfterSheet(range.sheetIndex));
    }
    return values;
}

LoadResult WriteAllParameters(DriveLink& link, const ParameterValues& values,
                              const ProgressCallback& progress, const WriteRunOptions& options) {
    LoadResult result;
    for (const SheetRange& range : kSheetRanges) {
        for (int i = 0; i < range.count; ++i) {
            const quint16 number = static_cast<quint16>(range.first + i);
            if (IsNeverWritten(number) || (options.only && !options.only->contains(number))) {
                continue;
            }
            if (options.stopRequested && options.stopRequested()) {
                result.complete = false;
                result.stopped = true;
                return result;
            }
            WriteOutcome outcome = WriteOutcome::NoAnswer;
            try {
                outcome = link.Write(number, values[range.firstSlot + i]);
            } catch (const ECommError& error) {
                result.complete = false;
                result.failedNumber = number;
                result.failure = WriteOutcome::NoAnswer;
                result.portError = error.Text();
                return result;
            }
            if (outcome == WriteOutcome::Written) {
                result.written << number;
            } else if (outcome != WriteOutcome::NotSent) {
                result.complete = false;
                result.failedNumber = number;
                result.failure = outcome;
                return result;
            }
        }
        progress(ProgressAfterSheet(range.sheetIndex));
    }
    return result;
}
