#include "app/TReadpmForm.h"

#include "app/FormGeometry.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

TReadpmForm::TReadpmForm(QWidget* parent) : QWidget(parent, CaptionOnlyFlags()) {
    setObjectName("ReadpmForm");
    setWindowTitle("TARN/B");
    PlaceForm(this, 726, 433, 209, 102);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setFont(PixelFont("MS Sans Serif", 16));
    // Placed as it always was; a longer text widens the window.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 16, 40, 0);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    Label1->setMinimumHeight(33);
    layout->addWidget(Label1, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch();
    RetranslateUi();
}

void TReadpmForm::RetranslateUi() {
    Label1->setText(tr("參數讀取中..."));
}

void TReadpmForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}
