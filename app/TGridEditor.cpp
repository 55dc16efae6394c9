#include "app/TGridEditor.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

TGridEditor::TGridEditor(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setAcceptDrops(false);
    // An input method would commit text without key events, past the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

int TGridEditor::KeyChar(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return '\r';
    case Qt::Key_Backspace:
        return '\b';
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return -1;
    const char16_t code = text.at(0).unicode();
    if (code < 32 || code == 127)
        return -1; // control chords keep their editing meaning
    return code < 127 ? int(code) : 0;
}

bool TGridEditor::Filter(char& key) const {
    if (KeyFilter)
        KeyFilter(key);
    return key != '\0';
}

void TGridEditor::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->matches(QKeySequence::Paste)) {
        PasteFiltered();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        if (OnAbandon)
            OnAbandon();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (OnNavigate)
            OnNavigate(event);
        return;
    default:
        break;
    }
    const int code = KeyChar(event);
    if (code < 0) {
        QLineEdit::keyPressEvent(event);
        event->accept();
        return;
    }
    char key = char(code);
    if (code == 0 || !Filter(key))
        return;
    if (key == '\r') {
        if (OnEnter)
            OnEnter();
        return;
    }
    if (key == char(code)) {
        QLineEdit::keyPressEvent(event);
    } else {
        // The filter put another character in place of the typed one.
        QKeyEvent replaced(event->type(), 0, event->modifiers(), QString(QChar(key)));
        QLineEdit::keyPressEvent(&replaced);
    }
    event->accept();
}

void TGridEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or a switch to another program is not leaving the cell.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    if (OnAbandon)
        OnAbandon();
}

void TGridEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        PasteFiltered(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TGridEditor::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* paste = menu->findChild<QAction*>("edit-paste");
    if (paste) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this, [this] { PasteFiltered(); });
    } else {
        // Without a paste entry to take over, offer no menu at all.
        delete menu;
        event->accept();
        return;
    }
    menu->popup(event->globalPos());
    event->accept();
}

void TGridEditor::PasteFiltered(QClipboard::Mode mode) {
    const QString text = QApplication::clipboard()->text(mode);
    QString kept;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 32 || code >= 127)
            continue; // line breaks and tabs would act as keys; never paste them
        char key = char(code);
        if (Filter(key) && key >= 32 && key < 127)
            kept += QChar(key);
    }
    if (!kept.isEmpty())
        insert(kept);
}
