#include "compare/Comparison.h"

#include "values/ValueText.h"

#include "catalogue/ParameterRecord.h"
#include "editing/EditRules.h"
#include "files/TransferResult.h"

#include <algorithm>
#include <optional>


RowState StateOfFileValue(quint16 number, const QString& fileText, const QString& pn904Text) {
    if (IsNeverWritten(number) || fileText.isEmpty() || fileText == QLatin1String("None"))
        return RowState::NotWritten;
    const ParameterRecord* record = RecordOf(number);
    if (record == nullptr || !record->HasRule())
        return RowState::Writable;
    return StandingOf(*record, fileText, pn904Text) == ValueStanding::Within ? RowState::Writable
                                                                             : RowState::OutOfRange;
}

QString Pn904AfterComparedWrite(const ParameterValues& drive, const ParameterValues& file) {
    const int slot = SlotOf(kPn904);
    const bool writesPn904 =
        !ValuesEqual(drive[slot], file[slot]) &&
        StateOfFileValue(kPn904, file[slot], QString()) != RowState::NotWritten;
    return writesPn904 ? file[slot] : drive[slot];
}

std::vector<CompareRow> CompareValues(const ParameterValues& drive, const ParameterValues& file) {
    const QString pn904Text = Pn904AfterComparedWrite(drive, file);
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
