#pragma once

#include <QStyledItemDelegate>
#include <functional>

// The item role holding a cell's mark hint, a tooltip that wins over the
// cell's own.
constexpr int kMarkHintRole = Qt::UserRole + 1;

// Hands the grid's cells a TGridEditor made by the grid itself and keeps
// Qt's own editing rules out: it writes nothing into the model and handles
// no editor keys, so the grid alone decides what ends editing and how.
class TGridDelegate : public QStyledItemDelegate {
public:
    using EditorFactory = std::function<QWidget*(QWidget* parent, const QModelIndex& index)>;
    TGridDelegate(EditorFactory factory, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // Draws a cell as a string grid does: the text 2 pixels from the left
    // edge, cut at the right edge instead of elided, so the narrow number
    // column shows "Pn100" whole.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // A marked cell's tooltip is its mark hint.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    EditorFactory factory_;
};
