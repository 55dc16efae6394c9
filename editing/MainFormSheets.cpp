#include "app/TMainForm.h"

void TMainForm::ParaTabControlChange() {}

void TMainForm::ParaTabControlChanging(bool& allowChange) {
    allowChange = true;
}
