#pragma once

#include "link/WaitHooks.h"

// The wait hooks of the window program: while its link waits, the cursor
// shows busy and user input to the whole application is dropped (see
// InputBlocker), so nothing can start a second exchange. Only a link of the
// user-interface thread may carry them: they touch the application's cursor
// and event filters.
WaitHooks BusyWaitHooks();
