#include "app/files/TReportInfoForm.h"

#include "app/Dialogs.h"
#include "app/FormGeometry.h"
#include "app/TMainForm.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <type_traits>

namespace {

template <typename Edit>
Edit* Field(QWidget* form, const char* name, const QString& label, const QString& text) {
    auto* edit = new Edit(form);
    edit->setObjectName(name);
    edit->setAccessibleName(label);
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
    using namespace report_text;
    setObjectName("ReportInfoForm");
    auto* fields = new QFormLayout;
    const ReportHandover& h = shown.handover;
    MachineEdit = Field<QLineEdit>(this, "MachineEdit", kMachineLabel, h.machine);
    AxisEdit = Field<QLineEdit>(this, "AxisEdit", kAxisLabel, h.axis);
    CustomerEdit = Field<QLineEdit>(this, "CustomerEdit", kCustomerLabel, h.customer);
    TechnicianEdit = Field<QLineEdit>(this, "TechnicianEdit", kTechnicianLabel, h.technician);
    NoteEdit = Field<QPlainTextEdit>(this, "NoteEdit", kNoteLabel, h.note);
    NoteEdit->setTabChangesFocus(true);
    ReferenceEdit = Field<QLineEdit>(this, "ReferenceEdit", kReferenceLabel, shown.referenceFile);
    Browse1 = Button(this, "Browse1");
    fields->addRow(kMachineLabel, MachineEdit);
    fields->addRow(kAxisLabel, AxisEdit);
    fields->addRow(kCustomerLabel, CustomerEdit);
    fields->addRow(kTechnicianLabel, TechnicianEdit);
    fields->addRow(kNoteLabel, NoteEdit);
    auto* reference = new QHBoxLayout;
    reference->addWidget(ReferenceEdit);
    reference->addWidget(Browse1);
    fields->addRow(kReferenceLabel, reference);

    OK1 = Button(this, "OK1");
    Cancel1 = Button(this, "Cancel1");
    OK1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK1);
    buttons->addWidget(Cancel1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(460, 360);

    connect(OK1, &QPushButton::clicked, this, &TReportInfoForm::OK1Click);
    connect(Cancel1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Browse1, &QPushButton::clicked, this, &TReportInfoForm::Browse1Click);
    RetranslateUi();
}

void TReportInfoForm::RetranslateUi() {
    setWindowTitle(tr("報告資料"));
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
            ReferenceEdit->text()};
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
