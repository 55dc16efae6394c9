#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>

// The grid's in-place editor. It owns no decisions: every typed or pasted
// character goes through KeyFilter first, and the keys that end editing are
// handed to the grid through the callbacks. It accepts every key event it
// gets, so none travels on to the grid behind it.
class TGridEditor : public QLineEdit {
public:
    explicit TGridEditor(QWidget* parent);

    // The character a key event types: the character, or -1 for keys that
    // type none (arrows, Delete, Escape, Tab, F-keys, control chords), or 0
    // for a character outside ASCII, which the grid never takes.
    static int KeyChar(const QKeyEvent* event);

    // Sees every character before it is inserted; may swallow it ('\0').
    std::function<void(char& key)> KeyFilter;
    // Enter passed the filter: the grid ends editing with the text.
    std::function<void()> OnEnter;
    // Escape, or focus lost to another widget: the grid ends editing
    // without the text.
    std::function<void()> OnAbandon;
    // Up, Down, Page Up/Down, Tab: the grid ends editing and moves.
    std::function<void(QKeyEvent* event)> OnNavigate;

    // Inserts the clipboard text at the cursor, keeping only the characters
    // the filter lets through.
    void PasteFiltered(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool Filter(char& key) const;
};
