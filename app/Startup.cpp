#include "app/Startup.h"

#include "app/ErrorHandler.h"
#include "app/TMainForm.h"
#include "app/WindowLanguage.h"
#include "link/ISerialDevice.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int RunProgram(QApplication& app, const std::function<void()>& createWindows) {
    // The main window stays hidden until a port is open, so Qt must not end
    // the program while only the connect dialog is up; the windows
    // themselves end it when they close.
    app.setQuitOnLastWindowClosed(false);
    // Before the first window, so every text is built in the chosen language.
    UseLanguage(SavedLanguage());
    if (!RunGuarded(createWindows)) {
        DestroyWindows();
        return 1;
    }
    // For the start-up benchmark: once the connect dialog has been shown and
    // the first events handled, say so and end.
    if (qEnvironmentVariableIsSet("TARN_EXIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, &app, [&app] {
            std::fputs("SHOWN\n", stdout);
            std::fflush(stdout);
            app.exit(0);
        });
    }
    const int code = app.exec();
    DestroyWindows();
    return code;
}

void CreateWindows(std::unique_ptr<ISerialDevice> device) {
    new TMainForm(std::move(device));
}

void DestroyWindows() {
    delete MainForm;
}
