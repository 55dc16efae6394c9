#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QTableWidget>
#include <functional>

class QLabel;
class TGridEditor;

// How a data cell stands out beside its text: a background colour (none
// when invalid) and a tooltip of its own, shown instead of the cell's hint.
struct CellMark {
    QColor background;
    QString hint;
};

// A string grid over QTableWidget, shaped the way the sheet code expects:
// row 0 and column 0 are fixed (header) cells, RowCount counts the header
// row, Cells(col,row) addresses every cell, editing is one switch that the
// select-cell handler flips per cell, and the grid events are plain
// callbacks.
//
// The fixed row and column are Qt's own headers, so they stay put while the
// cells scroll: Cell(c,0) is the column header of c, Cell(0,r) the row
// header of r, and Cell(0,0) the corner.
//
// Editing: the in-place editor opens only while Editing() is on and the
// current cell is not fixed. Typing a character on such a cell starts
// editing with that character; Enter on it (or a double click) opens an
// editor with the cell's text. Every character typed into the grid or its
// editor goes through OnKeyPress first (it may swallow it by setting the key
// to '\0'); keys that type no character (arrows, Delete, Escape, Tab,
// F-keys) never reach it. Text pasted into the editor is filtered character
// by character the same way. Every change of the editor's text is delivered
// through OnSetEditText; when Enter ends editing, the whole editor text
// (mask literals kept, a blank position as a space) is put into the cell and
// then delivered once more. Editing that ends any other way (another cell,
// arrows, Escape, focus lost, editing switched off) leaves the cell as it
// was and raises OnEditAbandoned instead.
//
// Masks from OnGetEditMask use '0' for a digit place and '-' as a literal,
// e.g. "0-0-0"; a place may stay blank.
class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    int ColCount() const;
    // Columns including the fixed column; at least 1.
    void SetColCount(int count);
    // Rows including the fixed header row.
    int RowCount() const;
    // At least 1; cells of removed rows are lost.
    void SetRowCount(int count);
    // Only 1 is supported; anything else throws EToolkitError.
    void SetFixedCols(int count);
    void SetFixedRows(int count);
    // Column 0 is the width of the row headers.
    void SetColWidth(int col, int width);
    int ColWidth(int col) const;

    // Empty text for a cell never written or outside the grid.
    QString Cell(int col, int row) const;
    // Throws EToolkitError "Grid index out of range" outside the grid.
    void SetCell(int col, int row, const QString& text);
    // The tooltip of a data cell; an empty hint shows none. CellHint is
    // empty for any other cell; SetCellHint throws EToolkitError "Grid index
    // out of range" for a fixed cell or one outside the grid.
    QString CellHint(int col, int row) const;
    void SetCellHint(int col, int row, const QString& hint);

    // The mark a data cell carries (none for any other cell). Marks come
    // from OnGetCellMark: each time a data cell's text is set, and for every
    // data cell on RefreshCellMarks(). The text is never touched by them.
    CellMark CellMarkOf(int col, int row) const;
    void RefreshCellMarks();

    bool Editing() const;
    // Switching editing off ends an open editor as abandoned.
    void SetEditing(bool on);
    // True while the in-place editor is open.
    bool EditorOpen() const;
    // The open editor, null when none (tests drive it with key clicks).
    TGridEditor* Editor() const;
    // The current cell in grid terms (column 0 / row 0 are the fixed ones).
    int Col() const;
    int Row() const;
    // Makes (col,row) the current cell; raises OnSelectCell like a click.
    void SelectCell(int col, int row);

    // Events, in the order the grid raises them.
    std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
    std::function<void(int col, int row, QString& mask)> OnGetEditMask;
    std::function<void(char& key)> OnKeyPress;
    std::function<void(int col, int row, const QString& value)> OnSetEditText;
    std::function<void(int col, int row)> OnEditAbandoned;
    // Raised when an editor opens (before any text is typed into it).
    std::function<void(int col, int row)> OnEditorOpened;
    // Asked for the mark of data cell (col,row); leaving `mark` as it is
    // means no mark.
    std::function<void(int col, int row, CellMark& mark)> OnGetCellMark;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void updateGeometries() override;

protected slots:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void commitData(QWidget* editor) override;

private:
    bool CurrentEditable() const;
    QWidget* CreateEditor(QWidget* parent);
    void OpenEditor(char first);
    void EndEdit(bool commit);
    void Navigate(QKeyEvent* event);
    bool PassKey(char& key) const;
    void RequireCell(int col, int row) const;
    void LabelNewHeaders();
    void ApplyMark(int col, int row, QTableWidgetItem* item);

    bool editing_ = false;
    QPointer<TGridEditor> editor_;
    int editCol_ = -1;
    int editRow_ = -1;
    QString pendingMask_;
    QLabel* corner_ = nullptr;
    int fixedColWidth_ = 0;
};
