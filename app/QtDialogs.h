#pragma once

#include "app/Dialogs.h"

// The dialogs of the running program: a modal message box captioned
// "TARN/B" with an OK button, Qt's own file dialogs (never the desktop's,
// so they speak the language chosen), and the 報告資料 form.
class QtDialogs : public IDialogs {
public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& filter) override;
    SaveChoice SaveFileChoice(QWidget* parent, const QString& filter) override;
    std::optional<ReportInfo> ReportInfoChoice(QWidget* parent, const ReportInfo& shown) override;
    QString SaveFileNameAt(QWidget* parent, const QString& filter,
                           const QString& suggested) override;
    SaveAnswer AskSave(QWidget* parent, const QString& text) override;
};

// "Text Documents (*.tarn)|*.tarn" (description|pattern pairs) in Qt's
// form "Text Documents (*.tarn)"; several pairs are joined with ";;".
QString QtFileFilter(const QString& filter);
