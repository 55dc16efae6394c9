#include "app/TReadpmForm.h"

#include "app/FormGeometry.h"

#include <QLabel>

TReadpmForm::TReadpmForm(QWidget* parent) : QWidget(parent, CaptionOnlyFlags()) {
    setObjectName("ReadpmForm");
    setWindowTitle("TARN/B");
    PlaceForm(this, 726, 433, 209, 102);
    Label1 = new QLabel("參數讀取中...", this);
    Label1->setObjectName("Label1");
    Label1->setFont(PixelFont("MS Sans Serif", 16));
    Label1->setGeometry(40, 16, 121, 33);
}
