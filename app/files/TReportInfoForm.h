#pragma once

#include "report/ReportInfo.h"

#include <QDialog>

class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// 報告資料: the handover fields, the optional reference file and the
// report's language, asked for
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
    // 語言: the report's, which may differ from the windows'.
    QComboBox* LanguageBox;

    // Every text of the form in the language chosen.
    void RetranslateUi();

protected:
    void changeEvent(QEvent* event) override;

private:
    QFormLayout* fields_;
    QHBoxLayout* referenceRow_; // the reference file and 瀏覽...
    void OK1Click();
    void Browse1Click();
};
