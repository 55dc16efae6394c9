#pragma once

#include <QObject>

class QEvent;

// While one of these lives, mouse, keyboard, wheel, touch, tablet, shortcut
// and context-menu events to the whole application are thrown away: not
// queued, not delivered later. Repaints, timers and other events pass.
// Mouse moves are dropped whether or not a button is held, because the core
// cannot look at the buttons; a hover missed for a few milliseconds costs
// nothing. Without an application object it does nothing. A window-program
// matter (see BusyWaitHooks): made on the user-interface thread only.
class InputBlocker : public QObject {
public:
    InputBlocker();
    ~InputBlocker() override;

    // True for the event types this blocker drops.
    static bool IsUserInput(const QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
