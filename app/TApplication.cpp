#include "app/TApplication.h"

#include "app/ErrorHandler.h"
#include "core/Version.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("TARN/B");
    setApplicationVersion(TARN_VERSION);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentError();
        return false;
    }
}
