#pragma once

#include "app/TProgressForm.h"

// The progress window of a load (writing a parameter file into the drive).
class TOpenPmForm : public TProgressForm {
    Q_OBJECT
public:
    explicit TOpenPmForm(QWidget* parent = nullptr);
};
