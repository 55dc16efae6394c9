#pragma once

#include "app/Dialogs.h"

// The dialogs of the running program: a modal message box captioned
// "TARN/B" with an OK button, and Qt's file dialogs.
class QtDialogs : public IDialogs {
public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& filter) override;
    SaveChoice SaveFileChoice(QWidget* parent, const QString& filter) override;
};

// "Text Documents (*.tarn)|*.tarn" (description|pattern pairs) in Qt's
// form "Text Documents (*.tarn)"; several pairs are joined with ";;".
QString QtFileFilter(const QString& filter);
