#include "app/TReportPmForm.h"

// Where the save's window stands: a report reads as a save does.
TReportPmForm::TReportPmForm(QWidget* parent)
    : TProgressForm(QT_TRANSLATE_NOOP("TProgressForm", "讀取參數中..."), 618, 409, parent) {
    setObjectName("ReportPmForm");
}
