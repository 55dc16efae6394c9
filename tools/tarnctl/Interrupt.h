#pragma once

// Ctrl-C: the first one asks the run to stop at its next safe point (after
// the exchange in progress); a second one ends the program at once.

// Installs the SIGINT handler. Call once, before any drive thread starts.
void InstallInterruptHandler();

// True once Ctrl-C has been pressed. Safe from any thread.
bool InterruptRequested();
