#pragma once

#include <QString>
#include <QTableWidget>
#include <functional>

// A string grid over QTableWidget, shaped the way the sheet code expects:
// row 0 and column 0 are fixed (header) cells, RowCount counts the header
// row, Cells(col,row) addresses every cell, editing is one switch that the
// select-cell handler flips per cell, and the four grid events are plain
// callbacks.
//
// Editing: the in-place editor opens only while Editing() is on. Typing a
// digit on a selected editable cell starts editing; Enter on such a cell
// with no editor open opens one. Every character typed into the grid or its
// editor goes through OnKeyPress first (it may swallow it by setting the
// key to '\0'); text pasted into the editor is filtered character by
// character the same way. Every change of the editor's text is delivered
// through OnSetEditText; when Enter ends editing the whole editor text
// (mask literals kept, a blank position as a space) is put into the cell and
// delivered once more. Editing that ends any other way (another cell,
// arrows, Escape, focus lost) delivers OnEditAbandoned instead, so the
// owner can put the stored value back.
class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    int ColCount() const;
    void SetColCount(int count);
    // Rows including the fixed header row.
    int RowCount() const;
    void SetRowCount(int count);
    void SetFixedCols(int count); // only 1 is supported
    void SetFixedRows(int count); // only 1 is supported
    void SetColWidth(int col, int width);
    int ColWidth(int col) const;

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    bool Editing() const;
    void SetEditing(bool on);
    // True while the in-place editor is open.
    bool EditorOpen() const;

    // Events, in the order the grid raises them.
    std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
    std::function<void(int col, int row, QString& mask)> OnGetEditMask;
    std::function<void(char& key)> OnKeyPress;
    std::function<void(int col, int row, const QString& value)> OnSetEditText;
    std::function<void(int col, int row)> OnEditAbandoned;
    // Raised when an editor opens (before any text is typed into it).
    std::function<void(int col, int row)> OnEditorOpened;
};
