#pragma once

#include <QApplication>

// The application object. Its notify() is the backstop of the top-level
// error handler: an exception thrown while an event is handled is shown
// and the event counts as handled, so it never unwinds through Qt's event
// loop and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
