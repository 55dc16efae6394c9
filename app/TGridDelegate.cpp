#include "app/TGridDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

TGridDelegate::TGridDelegate(EditorFactory factory, QObject* parent)
    : QStyledItemDelegate(parent), factory_(std::move(factory)) {}

QWidget* TGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    return factory_(parent, index);
}

void TGridDelegate::setEditorData(QWidget*, const QModelIndex&) const {}

void TGridDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

bool TGridDelegate::eventFilter(QObject*, QEvent*) {
    return false;
}

void TGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    const bool selected = cell.state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(cell.rect);
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(cell.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

bool TGridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                              const QStyleOptionViewItem& option, const QModelIndex& index) {
    const QString hint = index.data(kMarkHintRole).toString();
    if (event->type() == QEvent::ToolTip && !hint.isEmpty()) {
        QToolTip::showText(event->globalPos(), hint, view);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
