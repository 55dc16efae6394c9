#include "app/TSavePmForm.h"

TSavePmForm::TSavePmForm(QWidget* parent)
    : TProgressForm(QT_TRANSLATE_NOOP("TProgressForm", "下載參數中..."), 618, 409, parent) {
    setObjectName("SavePmForm");
}
