#include "app/TStringGrid.h"

#include "app/TGridDelegate.h"
#include "app/TGridEditor.h"
#include "app/TGridSelectionModel.h"
#include "core/TarnError.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>

namespace {

constexpr int kRowHeight = 24;

// "0-0-0" in Qt's mask language: '0' is already an optional digit and '-'
// a literal; blank places show (and are handed over) as spaces.
QString QtMask(const QString& mask) {
    return mask.isEmpty() ? QString() : mask + "; ";
}

QTableWidgetItem* NewHeaderItem() {
    auto* item = new QTableWidgetItem();
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

} // namespace

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent) {
    auto* selection = new TGridSelectionModel(model(), this);
    selection->CanSelect = [this](int row, int column) {
        bool canSelect = true;
        if (OnSelectCell)
            OnSelectCell(column + 1, row + 1, canSelect);
        return canSelect;
    };
    QItemSelectionModel* old = selectionModel();
    setSelectionModel(selection);
    delete old;
    setItemDelegate(new TGridDelegate(
        [this](QWidget* parent, const QModelIndex&) { return CreateEditor(parent); }, this));

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);

    QHeaderView* top = horizontalHeader();
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    top->setSectionResizeMode(QHeaderView::Interactive);
    top->setSectionsClickable(false);
    top->setHighlightSections(false);
    top->setStretchLastSection(false);
    top->setFixedHeight(kRowHeight);
    QHeaderView* side = verticalHeader();
    side->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->setDefaultSectionSize(kRowHeight);
    side->setSectionsClickable(false);
    side->setHighlightSections(false);

    corner_ = new QLabel(this);
    corner_->setObjectName("corner");
    corner_->setIndent(4);
    corner_->setAttribute(Qt::WA_TransparentForMouseEvents);

    SetColCount(5);
    SetRowCount(5);
    SetColWidth(0, 64);
}

int TStringGrid::ColCount() const {
    return columnCount() + 1;
}

void TStringGrid::SetColCount(int count) {
    if (count < 1)
        throw EToolkitError("Grid index out of range");
    setColumnCount(count - 1);
    LabelNewHeaders();
}

int TStringGrid::RowCount() const {
    return rowCount() + 1;
}

void TStringGrid::SetRowCount(int count) {
    if (count < 1)
        throw EToolkitError("Grid index out of range");
    setRowCount(count - 1);
    LabelNewHeaders();
}

// Qt numbers headers that have no item of their own; ours start blank.
void TStringGrid::LabelNewHeaders() {
    for (int c = 0; c < columnCount(); ++c)
        if (!horizontalHeaderItem(c))
            setHorizontalHeaderItem(c, NewHeaderItem());
    for (int r = 0; r < rowCount(); ++r)
        if (!verticalHeaderItem(r))
            setVerticalHeaderItem(r, NewHeaderItem());
}

void TStringGrid::SetFixedCols(int count) {
    if (count != 1)
        throw EToolkitError("Fixed column count must be 1");
}

void TStringGrid::SetFixedRows(int count) {
    if (count != 1)
        throw EToolkitError("Fixed row count must be 1");
}

void TStringGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= ColCount())
        throw EToolkitError("Grid index out of range");
    if (col == 0) {
        fixedColWidth_ = width;
        verticalHeader()->setFixedWidth(width);
    } else
        setColumnWidth(col - 1, width);
}

int TStringGrid::ColWidth(int col) const {
    if (col == 0)
        return fixedColWidth_;
    return columnWidth(col - 1);
}

QString TStringGrid::Cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return QString();
    if (col == 0 && row == 0)
        return corner_->text();
    const QTableWidgetItem* it = row == 0   ? horizontalHeaderItem(col - 1)
                                 : col == 0 ? verticalHeaderItem(row - 1)
                                            : item(row - 1, col - 1);
    return it ? it->text() : QString();
}

void TStringGrid::RequireCell(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        throw EToolkitError("Grid index out of range");
}

void TStringGrid::SetCell(int col, int row, const QString& text) {
    RequireCell(col, row);
    // The columns' widths are fixed: a title cut short reads whole in its
    // tooltip.
    if (col == 0 && row == 0) {
        corner_->setText(text);
        corner_->setToolTip(text);
    } else if (row == 0) {
        horizontalHeaderItem(col - 1)->setText(text);
        horizontalHeaderItem(col - 1)->setToolTip(text);
    } else if (col == 0) {
        verticalHeaderItem(row - 1)->setText(text);
    } else {
        QTableWidgetItem* it = item(row - 1, col - 1);
        if (it) {
            it->setText(text);
        } else {
            it = new QTableWidgetItem(text);
            setItem(row - 1, col - 1, it);
        }
        ApplyMark(col, row, it);
    }
}

void TStringGrid::ApplyMark(int col, int row, QTableWidgetItem* it) {
    if (!OnGetCellMark)
        return;
    CellMark mark;
    OnGetCellMark(col, row, mark);
    it->setBackground(mark.background.isValid() ? QBrush(mark.background) : QBrush());
    it->setData(kMarkHintRole, mark.hint);
}

CellMark TStringGrid::CellMarkOf(int col, int row) const {
    const QTableWidgetItem* it = col > 0 && row > 0 ? item(row - 1, col - 1) : nullptr;
    if (!it)
        return {};
    const QBrush brush = it->background();
    return {brush.style() == Qt::NoBrush ? QColor() : brush.color(),
            it->data(kMarkHintRole).toString()};
}

void TStringGrid::RefreshCellMarks() {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* it = item(r, c))
                ApplyMark(c + 1, r + 1, it);
}

QString TStringGrid::CellHint(int col, int row) const {
    const QTableWidgetItem* it = col > 0 && row > 0 ? item(row - 1, col - 1) : nullptr;
    return it ? it->toolTip() : QString();
}

void TStringGrid::SetCellHint(int col, int row, const QString& hint) {
    RequireCell(col, row);
    if (col == 0 || row == 0)
        throw EToolkitError("Grid index out of range");
    QTableWidgetItem* it = item(row - 1, col - 1);
    if (!it) {
        it = new QTableWidgetItem();
        setItem(row - 1, col - 1, it);
    }
    it->setToolTip(hint);
}

bool TStringGrid::Editing() const {
    return editing_;
}

void TStringGrid::SetEditing(bool on) {
    editing_ = on;
    if (!on)
        EndEdit(false);
}

bool TStringGrid::EditorOpen() const {
    return !editor_.isNull();
}

TGridEditor* TStringGrid::Editor() const {
    return editor_.data();
}

int TStringGrid::Col() const {
    return currentColumn() + 1;
}

int TStringGrid::Row() const {
    return currentRow() + 1;
}

void TStringGrid::SelectCell(int col, int row) {
    RequireCell(col, row);
    if (col == 0 || row == 0)
        throw EToolkitError("Grid index out of range");
    setCurrentCell(row - 1, col - 1);
}

bool TStringGrid::CurrentEditable() const {
    return editing_ && currentRow() >= 0 && currentColumn() >= 0;
}

bool TStringGrid::PassKey(char& key) const {
    if (OnKeyPress)
        OnKeyPress(key);
    return key != '\0';
}

QWidget* TStringGrid::CreateEditor(QWidget* parent) {
    auto* editor = new TGridEditor(parent);
    editor->setFont(font());
    editor->setInputMask(QtMask(pendingMask_));
    editor->KeyFilter = [this](char& key) { PassKey(key); };
    editor->OnEnter = [this] { EndEdit(true); };
    editor->OnAbandon = [this] { EndEdit(false); };
    editor->OnNavigate = [this](QKeyEvent* event) { Navigate(event); };
    connect(editor, &QLineEdit::textEdited, this, [this, editor] {
        if (editor == editor_ && OnSetEditText)
            OnSetEditText(editCol_, editRow_, editor->displayText());
    });
    editor_ = editor;
    return editor;
}

void TStringGrid::OpenEditor(char first) {
    if (editor_ || !CurrentEditable())
        return;
    const int col = Col();
    const int row = Row();
    QString mask;
    if (OnGetEditMask)
        OnGetEditMask(col, row, mask);
    pendingMask_ = mask;
    editCol_ = col;
    editRow_ = row;
    const QString text = Cell(col, row);
    if (!edit(currentIndex(), QAbstractItemView::AllEditTriggers, nullptr) || !editor_)
        return;
    TGridEditor* editor = editor_;
    editor->setText(text);
    editor->selectAll();
    if (OnEditorOpened)
        OnEditorOpened(col, row);
    if (first != '\0' && editor_ == editor) {
        // A typed character replaces the text, as in any grid.
        editor->clear();
        editor->setCursorPosition(0);
        editor->insert(QString(QChar(first)));
    }
}

void TStringGrid::EndEdit(bool commit) {
    if (!editor_)
        return;
    TGridEditor* editor = editor_;
    const QString text = editor->displayText();
    const int col = editCol_;
    const int row = editRow_;
    editor_ = nullptr;
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (commit) {
        SetCell(col, row, text);
        if (OnSetEditText)
            OnSetEditText(col, row, text);
    } else if (OnEditAbandoned) {
        OnEditAbandoned(col, row);
    }
}

void TStringGrid::Navigate(QKeyEvent* event) {
    EndEdit(false);
    QTableWidget::keyPressEvent(event);
}

void TStringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor_ && editor == editor_.data()) {
        EndEdit(false);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

void TStringGrid::commitData(QWidget*) {
    // Text reaches the cell only through Enter (EndEdit).
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    if (editor_) {
        // Keys sent to the grid itself while it edits belong to the editor.
        QCoreApplication::sendEvent(editor_.data(), event);
        return;
    }
    const int code = TGridEditor::KeyChar(event);
    if (code < 0) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    char key = char(code);
    if (code == 0 || !PassKey(key))
        return;
    if (key == '\r')
        OpenEditor('\0');
    else if (key >= 32 && key < 127)
        OpenEditor(key);
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()) == currentIndex())
        OpenEditor('\0');
}

void TStringGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    if (!corner_)
        return; // Qt lays out before the constructor has made the corner
    const int frame = frameWidth();
    corner_->setGeometry(frame, frame, fixedColWidth_, horizontalHeader()->height());
    corner_->raise();
}
