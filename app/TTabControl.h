#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QFrame;
class QTabBar;
class QVBoxLayout;

// A tab strip with one page below it, shaped the way the sheet code expects:
// the tabs are a plain list of texts, tabs are deleted by index, and the two
// change events are callbacks raised only when the user picks a tab.
// Selecting a tab from code (SetTabIndex, DeleteTab) never raises them.
class TTabControl : public QWidget {
    Q_OBJECT
public:
    explicit TTabControl(QWidget* parent = nullptr);

    // The tab texts, left to right.
    QStringList Tabs() const;
    void SetTabs(const QStringList& texts);
    int TabCount() const;
    // Removes the tab at `index`; throws EToolkitError
    // "Failed to delete tab at index %d" when there is no such tab.
    void DeleteTab(int index);

    // The selected tab, -1 when there are none.
    int TabIndex() const;
    // Selects a tab without raising OnChanging or OnChange; an index out of
    // range selects nothing (-1) like the original control.
    void SetTabIndex(int index);

    // The widget shown below the tabs (the grid); the control takes it over.
    void SetPage(QWidget* page);
    QTabBar* TabBar() const { return tabBar_; }

    // Raised before a tab the user picked becomes selected (TabIndex is still
    // the old one); clearing `allowChange` keeps the old tab.
    std::function<void(bool& allowChange)> OnChanging;
    // Raised after a tab the user picked became selected.
    std::function<void()> OnChange;

private:
    void UserPicked(int index);
    void SelectQuietly(int index);

    QTabBar* tabBar_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    QFrame* pane_ = nullptr;
    QVBoxLayout* paneLayout_ = nullptr;
    int index_ = -1;
    bool quiet_ = false;
};
