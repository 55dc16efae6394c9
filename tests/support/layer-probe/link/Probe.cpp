// A link file that reaches up into the window program: the layer check must
// refuse it.
#include "app/TMainForm.h"
