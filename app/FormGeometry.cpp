#include "app/FormGeometry.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <QWidget>
#include <algorithm>

void PlaceForm(QWidget* form, int left, int top, int width, int height) {
    form->move(left, top);
    form->resize(width - kFrameWidth, height - kFrameHeight);
}

QFont PixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

Qt::WindowFlags CaptionOnlyFlags() {
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

QPushButton* AddButton(QWidget* form, QHBoxLayout* row, const char* name, const QString& text) {
    auto* button = new QPushButton(form);
    button->setObjectName(name);
    SetButtonText(button, text);
    row->addWidget(button);
    return button;
}

void SetButtonText(QAbstractButton* button, const QString& text) {
    button->setText(text);
    button->setAccessibleName(text);
}

void SetColumnTitles(QTableWidget* table, const QStringList& titles, const int* widths) {
    table->setHorizontalHeaderLabels(titles);
    table->setAccessibleName(titles.join(' '));
    QHeaderView* header = table->horizontalHeader();
    for (int col = 0; col < titles.size(); ++col)
        table->setColumnWidth(col, std::max(widths[col], header->sectionSizeHint(col)));
}
