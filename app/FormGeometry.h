#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QHBoxLayout;
class QAbstractButton;
class QPushButton;
class QTableWidget;
class QWidget;

// Window sizes are given as outer sizes (frame and caption included), the
// way a form designer states them; Qt sizes the inside of a window, so the
// usual frame (8 px each side, 23 px caption) is taken off.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 39;

// Puts `form` at (left, top) with the outer size width × height.
void PlaceForm(QWidget* form, int left, int top, int width, int height);

// The named font at a pixel size; Qt substitutes a near one when the family
// is not installed (the Chinese texts then come from the system's CJK font).
QFont PixelFont(const QString& family, int pixels);

// Window flags of a small window that shows only its caption: no system
// menu, no close box.
Qt::WindowFlags CaptionOnlyFlags();

// A push button of `form` at the end of `row`, named `name`, its text also
// its accessible name.
QPushButton* AddButton(QWidget* form, QHBoxLayout* row, const char* name, const QString& text);

// A button's text, which is also its accessible name (set again whenever
// the language changes).
void SetButtonText(QAbstractButton* button, const QString& text);

// A table's column titles (its accessible name too), each column `widths`
// wide or as wide as its title needs, whichever is wider: a title is never
// cut, in any language.
void SetColumnTitles(QTableWidget* table, const QStringList& titles, const int* widths);
