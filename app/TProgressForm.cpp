#include "app/TProgressForm.h"

#include "drive/Drive.h"

#include <optional>

#include "app/FormGeometry.h"

#include <QEvent>
#include <QProgressBar>

TProgressForm::TProgressForm(const char* caption, int left, int top, QWidget* parent)
    : QWidget(parent, CaptionOnlyFlags()), caption_(caption) {
    RetranslateUi();
    setFont(PixelFont("MS Sans Serif", 13));
    PlaceForm(this, left, top, 292, 110);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(8, 16, 257, 33);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
}

void TProgressForm::RetranslateUi() {
    setWindowTitle(tr(caption_));
}

void TProgressForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

WindowShown::WindowShown(QWidget* window) : window_(window) {
    window_->show();
}

WindowShown::~WindowShown() {
    window_->hide();
}

namespace {
// The bar goes to 0 before the window shows, so no old run's end flashes.
TProgressForm* AtZero(TProgressForm* form) {
    form->ProgressBar1->setValue(0);
    return form;
}
} // namespace

ProgressShown::ProgressShown(TProgressForm* form) : WindowShown(AtZero(form)), form_(form) {}

std::function<void(int percent)> ProgressShown::Bar() const {
    return [form = form_](int percent) { form->ProgressBar1->setValue(percent); };
}

ParameterValues ReadAllShown(Drive& drive, TProgressForm* form,
                             const std::function<void()>& beforeExchanges) {
    std::optional<ProgressShown> shown;
    return drive.ReadAll(
        [&](int percent) {
            if (shown)
                shown->Bar()(percent);
        },
        {},
        [&] {
            if (beforeExchanges)
                beforeExchanges();
            shown.emplace(form);
        });
}
