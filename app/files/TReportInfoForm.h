#pragma once

#include "report/ReportInfo.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// 報告資料: the handover fields and the optional reference file asked for
// after the reads of 匯出報告 and before its save dialog. Shown through the
// dialog seam (IDialogs::ReportInfoChoice); holds no logic of its own.
class TReportInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TReportInfoForm(const ReportInfo& shown, QWidget* parent = nullptr);

    // The fields as they stand.
    ReportInfo Info() const;

    QLineEdit* MachineEdit;
    QLineEdit* AxisEdit;
    QLineEdit* CustomerEdit;
    QLineEdit* TechnicianEdit;
    QPlainTextEdit* NoteEdit;
    QLineEdit* ReferenceEdit;
    QPushButton* Browse1;
    QPushButton* OK1;
    QPushButton* Cancel1;

    // Every text of the form in the language chosen.
    void RetranslateUi();

protected:
    void changeEvent(QEvent* event) override;

private:
    void OK1Click();
    void Browse1Click();
};
