#include "app/TMainForm.h"

void TMainForm::grdPnxxxSheetSelectCell(int, int, bool& canSelect) {
    canSelect = true;
}

void TMainForm::grdPnxxxSheetGetEditMask(int, int, QString&) {}

void TMainForm::grdPnxxxSheetKeyPress(char&) {}

void TMainForm::grdPnxxxSheetSetEditText(int, int, const QString&) {}

void TMainForm::grdPnxxxSheetEditAbandoned(int, int) {}

void TMainForm::grdPnxxxSheetEditorOpened(int, int) {}
