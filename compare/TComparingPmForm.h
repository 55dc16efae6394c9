#pragma once

#include "app/TProgressForm.h"

// The progress window of a comparison (reading every parameter from the
// drive before the file is compared with them).
class TComparingPmForm : public TProgressForm {
    Q_OBJECT
public:
    explicit TComparingPmForm(QWidget* parent = nullptr);
};
