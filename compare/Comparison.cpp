#include "compare/Comparison.h"

#include "catalogue/ParameterRecord.h"
#include "editing/EditRules.h"
#include "files/DriveTransfer.h"

#include <algorithm>
#include <optional>

namespace {

constexpr quint16 kPn904 = 904;

bool IsHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// The number a text of one to eight hexadecimal digits stands for.
std::optional<quint32> HexNumber(const QString& text) {
    if (!DenotesNumber(text))
        return std::nullopt;
    return text.toUInt(nullptr, 16);
}

} // namespace

bool DenotesNumber(const QString& valueText) {
    if (valueText.isEmpty() || valueText.size() > 8)
        return false;
    return std::all_of(valueText.begin(), valueText.end(), IsHexDigit);
}

bool ValuesEqual(const QString& a, const QString& b) {
    const std::optional<quint32> x = HexNumber(a);
    const std::optional<quint32> y = HexNumber(b);
    if (x && y)
        return *x == *y;
    return a == b;
}

RowState StateOfFileValue(quint16 number, const QString& fileText, const QString& pn904Text) {
    if (IsNeverWritten(number) || fileText.isEmpty() || fileText == QLatin1String("None"))
        return RowState::NotWritten;
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || !record->HasRule())
        return RowState::Writable;
    return PassesEditRule(*record, fileText, pn904Text) ? RowState::Writable : RowState::OutOfRange;
}

std::vector<CompareRow> CompareValues(const ParameterValues& drive, const ParameterValues& file) {
    const QString& pn904Text = drive[SlotOf(kPn904)];
    std::vector<CompareRow> rows;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (ValuesEqual(drive[slot], file[slot]))
            continue;
        CompareRow row;
        row.number = NumberOfSlot(slot);
        row.driveText = drive[slot];
        row.fileText = file[slot];
        row.state = StateOfFileValue(row.number, row.fileText, pn904Text);
        row.writable = row.state != RowState::NotWritten;
        row.ticked = row.state == RowState::Writable;
        rows.push_back(row);
    }
    return rows;
}
