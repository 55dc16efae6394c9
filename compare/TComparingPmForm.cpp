#include "compare/TComparingPmForm.h"

// Where the save's window stands: the comparison reads as a save does.
TComparingPmForm::TComparingPmForm(QWidget* parent)
    : TProgressForm("比較參數中...", 618, 409, parent) {
    setObjectName("ComparingPmForm");
}
