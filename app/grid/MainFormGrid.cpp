#include "app/TMainForm.h"

#include "app/Dialogs.h"
#include "app/MainDrive.h"
#include "app/TStringGrid.h"
#include "app/TTabControl.h"
#include "app/grid/CommitState.h"
#include "catalogue/Catalogue.h"
#include "catalogue/SheetRanges.h"
#include "changes/ValueMarks.h"
#include "core/TarnError.h"
#include "editing/EditMasks.h"
#include "editing/EditRules.h"
#include "values/ValueForms.h"

namespace {

// Sheets 8 and 9 have no catalogue, so nothing on them is checked.
const ParameterRecord* EditedEntry(int sheet, int col, int row) {
    if (col != kValueColumn || sheet < 0 || sheet > 7)
        return nullptr;
    return EntryAtRow(sheet, row);
}

} // namespace

const QColor TMainForm::kPendingMarkColour(255, 255, 176);
const QColor TMainForm::kChangedMarkColour(200, 240, 200);
const QColor TMainForm::kOutsideRuleMarkColour(255, 214, 214);

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
        // An accepted value is stored and waits for the write-through below.
        const EditOutcome outcome = ShownDrive.Edit(*entry, value);
        if (outcome.verdict == EditVerdict::Rejected) {
            grdPnxxxSheet->SetCell(kValueColumn, aRow, outcome.text);
            ShowMessage(tr("不在允許範圍內"));
        }
    }
    if (const std::optional<quint16> failed = ShownDrive.WriteThrough(sheet))
        ShowMessage(tr("%1 寫入失敗").arg(PnName(*failed)));
}

void TMainForm::grdPnxxxSheetEditAbandoned(int aCol, int aRow) {
    const ParameterRecord* entry = EditedEntry(ParaTabControl->TabIndex(), aCol, aRow);
    if (entry == nullptr)
        return;
    try {
        grdPnxxxSheet->SetCell(kValueColumn, aRow,
                               ShownDrive.Values().DisplayText(entry->form, entry->number));
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
    switch (ValueMarkOf(ShownDrive.Values(), ShownDrive.Changes(), entry->number)) {
    case ValueMark::Pending:
        mark.background = kPendingMarkColour;
        break;
    case ValueMark::Changed:
        mark.background = kChangedMarkColour;
        break;
    case ValueMark::None:
        // A file opened offline may hold values its rules refuse: marked
        // as a report marks them, so they can be mended.
        if (Offline() && StandingOf(*entry, PmStringSheet.Value(entry->number),
                                    PmStringSheet.Value(kPn904)) == ValueStanding::Outside) {
            mark.background = kOutsideRuleMarkColour;
            mark.hint = tr("! 超出範圍");
        }
        return;
    }
    mark.hint = ValueMarkHint(ShownDrive.Values(), ShownDrive.Changes(), entry->number);
}
