#include "files/DriveTransfer.h"

#include "catalogue/ParameterRecords.h"

int ProgressAfterSheet(int sheetIndex) {
    return sheetIndex >= 9 ? 100 : (sheetIndex + 1) * 10;
}

ParameterValues ReadAllParameters(const ProgressCallback& progress) {
    ParameterValues values;
    for (const SheetRange& range : kSheetRanges) {
        for (int i = 0; i < range.count; ++i) {
            const quint16 number = static_cast<quint16>(range.first + i);
            const QString value = ReadParameter(number);
            PmStringSheet.Value(number) = value;
            values[range.firstSlot + i] = value;
        }
        progress(ProgressAfterSheet(range.sheetIndex));
    }
    return values;
}

bool IsNeverWritten(quint16 number) {
    return number == 900 || number == 901;
}

LoadResult WriteAllParameters(const ParameterValues& values, const ProgressCallback& progress) {
    for (const SheetRange& range : kSheetRanges) {
        for (int i = 0; i < range.count; ++i) {
            const quint16 number = static_cast<quint16>(range.first + i);
            if (IsNeverWritten(number)) {
                continue;
            }
            const WriteOutcome outcome = WriteParameterOutcome(number, values[range.firstSlot + i]);
            if (outcome != WriteOutcome::Written && outcome != WriteOutcome::NotSent) {
                return LoadResult{false, number, outcome};
            }
        }
        progress(ProgressAfterSheet(range.sheetIndex));
    }
    return LoadResult{};
}

QString LoadStoppedMessage(quint16 number) {
    return PnName(number) + QStringLiteral(" 寫入失敗，載入已停止");
}
