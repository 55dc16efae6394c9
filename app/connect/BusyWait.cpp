#include "app/connect/BusyWait.h"

#include "app/connect/InputBlocker.h"

#include <QCursor>
#include <QGuiApplication>
#include <memory>

WaitHooks BusyWaitHooks() {
    auto blocker = std::make_shared<std::unique_ptr<InputBlocker>>();
    return WaitHooks{[blocker] {
                         QGuiApplication::setOverrideCursor(Qt::WaitCursor);
                         *blocker = std::make_unique<InputBlocker>();
                     },
                     [blocker] {
                         blocker->reset();
                         QGuiApplication::restoreOverrideCursor();
                     }};
}
