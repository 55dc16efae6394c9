#pragma once

#include <QItemSelectionModel>
#include <functional>

// The grid's selection model: asks before a cell becomes the current one,
// whatever moves it there (mouse, keys, code).
class TGridSelectionModel : public QItemSelectionModel {
    Q_OBJECT
public:
    explicit TGridSelectionModel(QAbstractItemModel* model, QObject* parent);

    // Given the view's row and column; returns false to keep the old cell.
    std::function<bool(int row, int column)> CanSelect;

public slots:
    void setCurrentIndex(const QModelIndex& index,
                         QItemSelectionModel::SelectionFlags command) override;
};
