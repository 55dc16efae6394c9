#include "app/TGridDelegate.h"

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
