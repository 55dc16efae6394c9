#include "app/TMainForm.h"

// Saving all parameters to a file and loading a file into the drive.
// The menu handlers are filled in once the progress windows exist.

void TMainForm::Save2Click() {}

void TMainForm::Open2Click() {}
