#pragma once

#include "app/TProgressForm.h"

// The progress window of a comparison (reading every parameter from the
// drive before the file is compared with them).
class TCompareProgressForm : public TProgressForm {
    Q_OBJECT
public:
    explicit TCompareProgressForm(QWidget* parent = nullptr);
};
