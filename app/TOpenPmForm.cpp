#include "app/TOpenPmForm.h"

TOpenPmForm::TOpenPmForm(QWidget* parent)
    : TProgressForm(QT_TRANSLATE_NOOP("TProgressForm", "燒錄參數中..."), 617, 408, parent) {
    setObjectName("OpenPmForm");
}
