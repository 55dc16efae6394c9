#include "app/compare/TCompareProgressForm.h"

// Where the save's window stands: the comparison reads as a save does.
TCompareProgressForm::TCompareProgressForm(QWidget* parent)
    : TProgressForm(QT_TRANSLATE_NOOP("TProgressForm", "比較參數中..."), 618, 409, parent) {
    setObjectName("CompareProgressForm");
}
