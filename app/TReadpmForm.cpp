#include "app/TReadpmForm.h"

#include "app/FormGeometry.h"

#include <QEvent>
#include <QLabel>

TReadpmForm::TReadpmForm(QWidget* parent) : QWidget(parent, CaptionOnlyFlags()) {
    setObjectName("ReadpmForm");
    setWindowTitle("TARN/B");
    PlaceForm(this, 726, 433, 209, 102);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setFont(PixelFont("MS Sans Serif", 16));
    Label1->setGeometry(40, 16, 121, 33);
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
