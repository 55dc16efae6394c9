#include "app/Dialogs.h"

#include "app/QtDialogs.h"

#include <QApplication>

namespace {

QtDialogs realDialogs;
IDialogs* current = &realDialogs;

} // namespace

bool IDialogs::AskYesNo(QWidget*, const QString&) {
    return false;
}

SaveChoice IDialogs::SaveFileChoice(QWidget* parent, const QString& filter) {
    return {SaveFileName(parent, filter), FirstFilter(filter)};
}

std::optional<ReportInfo> IDialogs::ReportInfoChoice(QWidget*, const ReportInfo& shown) {
    return shown;
}

QString IDialogs::SaveFileNameAt(QWidget* parent, const QString& filter, const QString&) {
    return SaveFileName(parent, filter);
}

SaveAnswer IDialogs::AskSave(QWidget*, const QString&) {
    return SaveAnswer::Cancel;
}

QString FirstFilter(const QString& filter) {
    return QtFileFilter(filter).section(QStringLiteral(";;"), 0, 0);
}

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
