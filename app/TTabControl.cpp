#include "app/TTabControl.h"

#include "core/TarnError.h"

#include <QFont>
#include <QFrame>
#include <QTabBar>
#include <QVBoxLayout>

TTabControl::TTabControl(QWidget* parent) : QWidget(parent) {
    QFont font("Times New Roman");
    font.setPixelSize(16);
    setFont(font);

    tabBar_ = new QTabBar(this);
    tabBar_->setObjectName("ParaTabControlTabs");
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(true);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(tabBar_);
    // The pane under the tabs, with the page inset as in a tab control.
    pane_ = new QFrame(this);
    pane_->setFrameShape(QFrame::StyledPanel);
    paneLayout_ = new QVBoxLayout(pane_);
    paneLayout_->setContentsMargins(4, 4, 4, 4);
    layout_->addWidget(pane_, 1);
    connect(tabBar_, &QTabBar::currentChanged, this, &TTabControl::UserPicked);
}

QStringList TTabControl::Tabs() const {
    QStringList texts;
    for (int i = 0; i < tabBar_->count(); ++i)
        texts << tabBar_->tabText(i);
    return texts;
}

void TTabControl::SetTabs(const QStringList& texts) {
    quiet_ = true;
    while (tabBar_->count() > 0)
        tabBar_->removeTab(tabBar_->count() - 1);
    for (const QString& text : texts)
        tabBar_->addTab(text);
    quiet_ = false;
    SelectQuietly(texts.isEmpty() ? -1 : 0);
}

int TTabControl::TabCount() const {
    return tabBar_->count();
}

void TTabControl::DeleteTab(int index) {
    if (index < 0 || index >= tabBar_->count())
        throw EToolkitError(QString("Failed to delete tab at index %1").arg(index));
    quiet_ = true;
    tabBar_->removeTab(index);
    quiet_ = false;
    // Removing tabs moves Qt's selection by itself; keep ours in step.
    index_ = tabBar_->currentIndex();
}

int TTabControl::TabIndex() const {
    return index_;
}

void TTabControl::SetTabIndex(int index) {
    SelectQuietly(index >= 0 && index < tabBar_->count() ? index : -1);
}

void TTabControl::SetPage(QWidget* page) {
    page->setParent(pane_);
    paneLayout_->addWidget(page, 1);
}

void TTabControl::SelectQuietly(int index) {
    quiet_ = true;
    tabBar_->setCurrentIndex(index);
    quiet_ = false;
    // Qt keeps the old tab for an index it cannot select.
    index_ = tabBar_->currentIndex();
}

void TTabControl::UserPicked(int index) {
    if (quiet_ || index == index_)
        return;
    bool allow = true;
    if (OnChanging)
        OnChanging(allow);
    if (!allow) {
        SelectQuietly(index_);
        return;
    }
    index_ = index;
    if (OnChange)
        OnChange();
}
