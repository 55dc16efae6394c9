// The tab control adapter: the tab list, deleting by index with the
// control's own error, and change events raised only for the user's pick.
#include "app/TTabControl.h"
#include "core/TarnError.h"

#include <QTabBar>
#include <QtTest>

class TestTabControl : public QObject {
    Q_OBJECT

    std::unique_ptr<TTabControl> tabs;
    QStringList log;

    void ClickTab(int index) {
        QTabBar* bar = tabs->TabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

private slots:
    void init() {
        tabs = std::make_unique<TTabControl>();
        tabs->SetTabs({"Pn0xx", "Pn1xx", "Pn2xx", "Pn3xx", "Pn4xx", "Pn5xx", "Pn6xx", "Pn7xx",
                       "Pn8xx", "Pn9xx"});
        log.clear();
        tabs->OnChanging = [this](bool&) {
            log << QString("changing from %1").arg(tabs->TabIndex());
        };
        tabs->OnChange = [this] { log << QString("change to %1").arg(tabs->TabIndex()); };
        tabs->resize(800, 400);
        tabs->show();
        QVERIFY(QTest::qWaitForWindowExposed(tabs.get()));
    }
    void cleanup() { tabs.reset(); }

    void startsWithTabZeroSelected() {
        QCOMPARE(tabs->TabCount(), 10);
        QCOMPARE(tabs->TabIndex(), 0);
        QCOMPARE(tabs->Tabs().at(9), QString("Pn9xx"));
    }

    void deletingTabsFromTheEndKeepsTheRest() {
        for (int index = 9; index >= 6; --index)
            tabs->DeleteTab(index);
        QCOMPARE(tabs->Tabs(), QStringList({"Pn0xx", "Pn1xx", "Pn2xx", "Pn3xx", "Pn4xx", "Pn5xx"}));
        QVERIFY(log.isEmpty());
    }

    void deletingMissingTabFailsWithItsIndex_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("past the end") << 10;
        QTest::newRow("negative") << -1;
    }
    void deletingMissingTabFailsWithItsIndex() {
        QFETCH(int, index);
        try {
            tabs->DeleteTab(index);
            QFAIL("no error");
        } catch (const EToolkitError& error) {
            QCOMPARE(error.Text(), QString("Failed to delete tab at index %1").arg(index));
        }
        QCOMPARE(tabs->TabCount(), 10);
    }

    void deletingTheSelectedTabRaisesNoEvent() {
        tabs->SetTabIndex(9);
        tabs->DeleteTab(9);
        QVERIFY(log.isEmpty());
        QCOMPARE(tabs->TabIndex(), tabs->TabBar()->currentIndex());
    }

    void selectingFromCodeRaisesNoEvent() {
        tabs->SetTabIndex(3);
        QCOMPARE(tabs->TabIndex(), 3);
        QCOMPARE(tabs->TabBar()->currentIndex(), 3);
        tabs->SetTabIndex(0);
        QVERIFY(log.isEmpty());
    }

    void userPickRaisesChangingThenChange() {
        ClickTab(2);
        QCOMPARE(log, QStringList({"changing from 0", "change to 2"}));
        QCOMPARE(tabs->TabIndex(), 2);
        ClickTab(2); // the selected tab again: no change
        QCOMPARE(log.size(), 2);
    }

    void refusedChangeKeepsTheOldTab() {
        tabs->OnChanging = [](bool& allow) { allow = false; };
        ClickTab(4);
        QCOMPARE(tabs->TabIndex(), 0);
        QCOMPARE(tabs->TabBar()->currentIndex(), 0);
        QVERIFY(log.isEmpty());
    }

    void usesTheSheetFont() {
        QCOMPARE(tabs->font().pixelSize(), 16);
        QCOMPARE(tabs->font().family(), QString("Times New Roman"));
    }
};

QTEST_MAIN(TestTabControl)
#include "test_tab_control.moc"
