#include "app/TProgressForm.h"

#include "app/FormGeometry.h"

#include <QProgressBar>

TProgressForm::TProgressForm(const QString& caption, int left, int top, QWidget* parent)
    : QWidget(parent, CaptionOnlyFlags()) {
    setWindowTitle(caption);
    setFont(PixelFont("MS Sans Serif", 13));
    PlaceForm(this, left, top, 292, 110);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(8, 16, 257, 33);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
}

ProgressShown::ProgressShown(TProgressForm* form) : form_(form) {
    form_->ProgressBar1->setValue(0);
    form_->show();
}

ProgressShown::~ProgressShown() {
    form_->hide();
}

std::function<void(int percent)> ProgressShown::Bar() const {
    return [form = form_](int percent) { form->ProgressBar1->setValue(percent); };
}
