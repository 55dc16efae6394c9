#pragma once

#include "app/TProgressForm.h"

// The progress window of a save (reading every parameter from the drive).
class TSavePmForm : public TProgressForm {
    Q_OBJECT
public:
    explicit TSavePmForm(QWidget* parent = nullptr);
};
