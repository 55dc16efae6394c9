#include "app/TGridSelectionModel.h"

TGridSelectionModel::TGridSelectionModel(QAbstractItemModel* model, QObject* parent)
    : QItemSelectionModel(model, parent) {}

void TGridSelectionModel::setCurrentIndex(const QModelIndex& index,
                                          QItemSelectionModel::SelectionFlags command) {
    if (index.isValid() && index != currentIndex() && CanSelect &&
        !CanSelect(index.row(), index.column()))
        return;
    QItemSelectionModel::setCurrentIndex(index, command);
}
