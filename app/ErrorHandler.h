#pragma once

#include <QString>

// The one top-level error handler: the text of any failure is shown in a
// message box (through the dialog seam) and the command that raised it
// ends there; the program goes on.

// The text shown for the exception being handled: TarnError::Text(), the
// what() of other standard exceptions, a fixed text for anything else.
// Call only inside a catch block.
QString CurrentErrorText();

// Shows CurrentErrorText(). Call only inside a catch block.
void ShowCurrentError();

// Runs one command or event handler; an exception it throws is shown and
// ends it here, so none crosses Qt's event dispatch. True when it finished.
template <class Command> bool RunGuarded(Command&& command) {
    try {
        command();
        return true;
    } catch (...) {
        ShowCurrentError();
        return false;
    }
}
