#include "app/Dialogs.h"

#include "app/QtDialogs.h"

#include <QApplication>

namespace {

QtDialogs realDialogs;
IDialogs* current = &realDialogs;

} // namespace

IDialogs& Dialogs() {
    return *current;
}

IDialogs* SetDialogs(IDialogs* dialogs) {
    IDialogs* previous = current;
    current = dialogs ? dialogs : &realDialogs;
    return previous;
}

void ShowMessage(const QString& text) {
    Dialogs().ShowMessage(QApplication::activeWindow(), text);
}
