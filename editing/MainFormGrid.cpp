#include "app/TMainForm.h"

#include "app/Dialogs.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "core/TarnError.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ParameterRecords.h"
#include "catalogue/SheetRanges.h"
#include "changes/ChangeLog.h"
#include "changes/ValueMarks.h"
#include "editing/CommitState.h"
#include "editing/EditMasks.h"
#include "editing/EditRules.h"
#include "editing/ValueForms.h"
#include "editing/WriteThrough.h"

namespace {

// Sheets 8 and 9 have no catalogue, so nothing on them is checked.
const ParameterRecord* EditedEntry(int sheet, int col, int row) {
    if (col != kValueColumn || sheet < 0 || sheet > 7)
        return nullptr;
    return EntryAtRow(sheet, row);
}

// Each write of the write-through settles the change list's row of the
// edit that made it.
void NoteWriteInLog(quint16 number, const QString& valueText, bool failed) {
    SessionChangeLog().NoteWrite(number, valueText, !failed);
}

} // namespace

const QColor TMainForm::kPendingMarkColour(255, 255, 176);
const QColor TMainForm::kChangedMarkColour(200, 240, 200);

void TMainForm::grdPnxxxSheetSelectCell(int aCol, int, bool&) {
    grdPnxxxSheet->SetEditing(aCol == kValueColumn);
}

void TMainForm::grdPnxxxSheetGetEditMask(int aCol, int aRow, QString& value) {
    value = EditMaskOf(ParaTabControl->TabIndex(), aCol, aRow);
}

void TMainForm::grdPnxxxSheetKeyPress(char& key) {
    FilterEditKey(key);
}

void TMainForm::grdPnxxxSheetSetEditText(int aCol, int aRow, const QString& value) {
    if (CommitRequested == 0)
        return;
    CommitRequested = 0;
    const int sheet = ParaTabControl->TabIndex();
    if (const ParameterRecord* entry = EditedEntry(sheet, aCol, aRow)) {
        const EditOutcome outcome = CheckEdit(*entry, value);
        if (outcome.verdict == EditVerdict::Rejected) {
            grdPnxxxSheet->SetCell(kValueColumn, aRow, outcome.text);
            ShowMessage(QStringLiteral("不在允許範圍內"));
        } else if (outcome.verdict == EditVerdict::Accepted) {
            const QString before = PmStringSheet.Value(entry->number);
            StoreAcceptedEdit(*entry, outcome.text);
            SessionChangeLog().AddWrite(ChangeKind::Edit, entry->number, before, outcome.text);
        }
    }
    if (const std::optional<quint16> failed = WriteThrough(sheet, NoteWriteInLog))
        ShowMessage(PnName(*failed) + QStringLiteral(" 寫入失敗"));
}

void TMainForm::grdPnxxxSheetEditAbandoned(int aCol, int aRow) {
    const ParameterRecord* entry = EditedEntry(ParaTabControl->TabIndex(), aCol, aRow);
    if (entry == nullptr)
        return;
    try {
        grdPnxxxSheet->SetCell(kValueColumn, aRow, DisplayText(entry->form, entry->number));
    } catch (const EConvertError&) {
        // The stored text is not a number (a failed read): the fill could not
        // show it either, so the cell keeps what it has.
    }
}

void TMainForm::grdPnxxxSheetEditorOpened(int, int) {
    CommitRequested = 0;
}

void TMainForm::grdPnxxxSheetGetCellMark(int aCol, int aRow, CellMark& mark) {
    const ParameterRecord* entry = EditedEntry(ParaTabControl->TabIndex(), aCol, aRow);
    if (entry == nullptr)
        return;
    switch (ValueMarkOf(SessionChangeLog(), entry->number)) {
    case ValueMark::Pending:
        mark.background = kPendingMarkColour;
        break;
    case ValueMark::Changed:
        mark.background = kChangedMarkColour;
        break;
    case ValueMark::None:
        return;
    }
    mark.hint = ValueMarkHint(SessionChangeLog(), entry->number);
}
