#include "app/files/TReportInfoForm.h"

#include "app/Dialogs.h"
#include "app/FormGeometry.h"
#include "app/TMainForm.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <type_traits>

namespace {

template <typename Edit> Edit* Field(QWidget* form, const char* name, const QString& text) {
    auto* edit = new Edit(form);
    edit->setObjectName(name);
    if constexpr (std::is_same_v<Edit, QPlainTextEdit>)
        edit->setPlainText(text);
    else
        edit->setText(text);
    return edit;
}

QPushButton* Button(QWidget* form, const char* name) {
    auto* button = new QPushButton(form);
    button->setObjectName(name);
    return button;
}

} // namespace

TReportInfoForm::TReportInfoForm(const ReportInfo& shown, QWidget* parent) : QDialog(parent) {
    setObjectName("ReportInfoForm");
    fields_ = new QFormLayout;
    const ReportHandover& h = shown.handover;
    MachineEdit = Field<QLineEdit>(this, "MachineEdit", h.machine);
    AxisEdit = Field<QLineEdit>(this, "AxisEdit", h.axis);
    CustomerEdit = Field<QLineEdit>(this, "CustomerEdit", h.customer);
    TechnicianEdit = Field<QLineEdit>(this, "TechnicianEdit", h.technician);
    NoteEdit = Field<QPlainTextEdit>(this, "NoteEdit", h.note);
    NoteEdit->setTabChangesFocus(true);
    ReferenceEdit = Field<QLineEdit>(this, "ReferenceEdit", shown.referenceFile);
    Browse1 = Button(this, "Browse1");
    // Each language named in its own words, as in the 語言 menu.
    LanguageBox = new QComboBox(this);
    LanguageBox->setObjectName("LanguageBox");
    LanguageBox->addItem(QStringLiteral("中文"), LanguageCode(Language::Chinese));
    LanguageBox->addItem(QStringLiteral("English"), LanguageCode(Language::English));
    LanguageBox->setCurrentIndex(shown.language == Language::English ? 1 : 0);
    fields_->addRow(new QLabel(this), MachineEdit);
    fields_->addRow(new QLabel(this), AxisEdit);
    fields_->addRow(new QLabel(this), CustomerEdit);
    fields_->addRow(new QLabel(this), TechnicianEdit);
    fields_->addRow(new QLabel(this), NoteEdit);
    referenceRow_ = new QHBoxLayout;
    referenceRow_->addWidget(ReferenceEdit);
    referenceRow_->addWidget(Browse1);
    fields_->addRow(new QLabel(this), referenceRow_);
    fields_->addRow(new QLabel(this), LanguageBox);

    OK1 = Button(this, "OK1");
    Cancel1 = Button(this, "Cancel1");
    OK1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK1);
    buttons->addWidget(Cancel1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields_);
    layout->addLayout(buttons);
    resize(460, 360);

    connect(OK1, &QPushButton::clicked, this, &TReportInfoForm::OK1Click);
    connect(Cancel1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Browse1, &QPushButton::clicked, this, &TReportInfoForm::Browse1Click);
    RetranslateUi();
}

void TReportInfoForm::RetranslateUi() {
    using namespace report_text;
    setWindowTitle(tr("報告資料"));
    // The labels are the report's own, in the windows' language.
    const Language language = CurrentLanguage();
    const std::pair<QWidget*, QString> labelled[] = {
        {MachineEdit, kMachineLabel},   {AxisEdit, kAxisLabel},
        {CustomerEdit, kCustomerLabel}, {TechnicianEdit, kTechnicianLabel},
        {NoteEdit, kNoteLabel},         {ReferenceEdit, kReferenceLabel},
        {LanguageBox, QString()}};
    for (const auto& [field, label] : labelled) {
        const QString text = label.isEmpty() ? tr("語言") : ReportWords(language, label);
        field->setAccessibleName(text);
        QWidget* shownLabel = field == ReferenceEdit ? fields_->labelForField(referenceRow_)
                                                     : fields_->labelForField(field);
        static_cast<QLabel*>(shownLabel)->setText(text);
    }
    SetButtonText(Browse1, tr("瀏覽..."));
    SetButtonText(OK1, tr("確定"));
    SetButtonText(Cancel1, tr("取消"));
}

void TReportInfoForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(event);
}

ReportInfo TReportInfoForm::Info() const {
    return {{MachineEdit->text(), AxisEdit->text(), CustomerEdit->text(), TechnicianEdit->text(),
             NoteEdit->toPlainText()},
            ReferenceEdit->text(),
            LanguageNamed(LanguageBox->currentData().toString()).value_or(Language::Chinese)};
}

// Closes only on fields a report can take: else the core's message, and
// the form stays as typed.
void TReportInfoForm::OK1Click() {
    if (const QString fault = ReportInfoFault(Info()); !fault.isEmpty()) {
        Dialogs().ShowMessage(this, fault);
        return;
    }
    accept();
}

void TReportInfoForm::Browse1Click() {
    const QString chosen = Dialogs().OpenFileName(this, TMainForm::kFileFilter);
    if (!chosen.isEmpty())
        ReferenceEdit->setText(chosen);
}
