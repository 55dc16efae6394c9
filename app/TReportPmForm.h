#pragma once

#include "app/TProgressForm.h"

// The progress window of a report (reading every parameter from the drive
// before the report is written).
class TReportPmForm : public TProgressForm {
    Q_OBJECT
public:
    explicit TReportPmForm(QWidget* parent = nullptr);
};
