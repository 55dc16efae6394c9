#include "app/ErrorHandler.h"

#include "app/Dialogs.h"
#include "core/TarnError.h"

#include <QCoreApplication>
#include <exception>

QString CurrentErrorText() {
    try {
        throw;
    } catch (const TarnError& error) {
        return error.Text();
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QCoreApplication::translate("ErrorHandler", "Unknown error");
    }
}

void ShowCurrentError() {
    ShowMessage(CurrentErrorText());
}
