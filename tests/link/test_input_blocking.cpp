// User input that reaches the window program while its link waits is
// thrown away, not held back for later; repaints, timers and other events go
// on. A link without the window's hooks leaves input alone.
#include "app/connect/BusyWait.h"
#include "link/DriveLink.h"
#include "support/FakeSerialDevice.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QtTest>
#include <functional>

namespace {

class CountingWidget : public QWidget {
public:
    int input = 0;
    int paints = 0;
    int custom = 0;

protected:
    bool event(QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            ++input;
            return true;
        case QEvent::User:
            ++custom;
            return true;
        default:
            return QWidget::event(event);
        }
    }
    void paintEvent(QPaintEvent*) override {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::white);
    }
};

using EventFactory = std::function<QEvent*()>;

// A link as the window program makes it, with its wait hooks.
std::unique_ptr<DriveLink> WindowLink() {
    auto link = std::make_unique<DriveLink>(std::make_unique<FakeSerialDevice>());
    link->SetWaitHooks(BusyWaitHooks());
    return link;
}

} // namespace

Q_DECLARE_METATYPE(EventFactory)

class InputBlockingTest : public QObject {
    Q_OBJECT

private slots:
    void inputDuringTheWaitIsDropped_data() {
        QTest::addColumn<EventFactory>("make");
        const QPointF at(5, 5);
        QTest::newRow("key press") << EventFactory(
            [] { return new QKeyEvent(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5"); });
        QTest::newRow("key release") << EventFactory(
            [] { return new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier); });
        QTest::newRow("mouse press") << EventFactory([at] {
            return new QMouseEvent(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton,
                                   Qt::NoModifier);
        });
        QTest::newRow("mouse release") << EventFactory([at] {
            return new QMouseEvent(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton,
                                   Qt::NoModifier);
        });
        QTest::newRow("double click") << EventFactory([at] {
            return new QMouseEvent(QEvent::MouseButtonDblClick, at, at, Qt::LeftButton,
                                   Qt::LeftButton, Qt::NoModifier);
        });
        QTest::newRow("drag") << EventFactory([at] {
            return new QMouseEvent(QEvent::MouseMove, at, at, Qt::NoButton, Qt::LeftButton,
                                   Qt::NoModifier);
        });
        QTest::newRow("wheel") << EventFactory([at] {
            return new QWheelEvent(at, at, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                                   Qt::NoScrollPhase, false);
        });
        QTest::newRow("context menu") << EventFactory([] {
            return new QContextMenuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        });
    }
    void inputDuringTheWaitIsDropped() {
        QFETCH(EventFactory, make);
        CountingWidget widget;
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        widget.paints = 0;
        const std::unique_ptr<DriveLink> link = WindowLink();

        QTimer::singleShot(10, &widget, [&] {
            std::unique_ptr<QEvent> sent(make());
            QCoreApplication::sendEvent(&widget, sent.get());
            QCoreApplication::postEvent(&widget, make()); // must not come later either
            QCoreApplication::postEvent(&widget, new QEvent(QEvent::User));
            widget.update();
        });
        link->Delay(40);
        QCOMPARE(widget.input, 0);
        QCOMPARE(widget.custom, 1);
        QVERIFY(widget.paints > 0);

        QCoreApplication::processEvents();
        QCOMPARE(widget.input, 0);

        // Outside a wait the same input arrives.
        std::unique_ptr<QEvent> after(make());
        QCoreApplication::sendEvent(&widget, after.get());
        QCOMPARE(widget.input, 1);
    }

    void hooksShowTheWait() {
        const std::unique_ptr<DriveLink> link = WindowLink();
        bool busyDuring = false;
        Qt::CursorShape shapeDuring = Qt::ArrowCursor;
        QTimer::singleShot(5, [&] {
            busyDuring = link->ExchangeInProgress();
            shapeDuring = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                         : Qt::ArrowCursor;
        });
        link->Delay(20);
        QVERIFY(busyDuring);
        QCOMPARE(shapeDuring, Qt::WaitCursor);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // The link itself never filters the application's events: a program
    // that runs links in worker threads must not have its input dropped.
    void linkWithoutTheHooksLeavesInputAlone() {
        CountingWidget widget;
        DriveLink link(std::make_unique<FakeSerialDevice>());
        bool cursorDuring = true;
        QTimer::singleShot(5, &widget, [&] {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
            QCoreApplication::sendEvent(&widget, &key);
            cursorDuring = QApplication::overrideCursor() != nullptr;
        });
        link.Delay(20);
        QCOMPARE(widget.input, 1);
        QVERIFY(!cursorDuring);
    }
};

QTEST_MAIN(InputBlockingTest)
#include "test_input_blocking.moc"
