#pragma once

#include "report/ReportInfo.h"

#include <QString>
#include <optional>

class QWidget;

// A save dialog's answer together with the filter chosen in it.
struct SaveChoice {
    QString fileName; // empty when cancelled
    // The chosen filter, its pattern in parentheses: "PDF (*.pdf)".
    QString filter;
};

// The answer to a question whether to save first: 是, 否, 取消.
enum class SaveAnswer { Save, Discard, Cancel };

// The one seam through which every message box and file dialog passes, so
// that tests answer them instead of hanging. The program installs the real
// one (modal Qt dialogs); tests install a scripted one.
class IDialogs {
public:
    virtual ~IDialogs() = default;
    // A modal message box with one text and an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // A modal question with the buttons 是 and 否: true for 是. By default
    // 否, as closing the box gives.
    virtual bool AskYesNo(QWidget* parent, const QString& text);
    // The chosen file name, or empty text when cancelled. `filter` is in the
    // "Text Documents (*.tarn)|*.tarn" form.
    virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& filter) = 0;
    // A save dialog whose answer depends on the filter chosen (several file
    // formats); it keeps its own last name, apart from SaveFileName's. By
    // default SaveFileName's answer with the first filter, as a dialog that
    // offers no choice would give.
    virtual SaveChoice SaveFileChoice(QWidget* parent, const QString& filter);
    // The 報告資料 form (TReportInfoForm) filled with `shown`: the fields as
    // confirmed, or empty when cancelled. By default `shown` unchanged, as
    // the form confirmed at once would give.
    virtual std::optional<ReportInfo> ReportInfoChoice(QWidget* parent, const ReportInfo& shown);
    // A save dialog that starts at `suggested` (a file being edited). By
    // default SaveFileName's answer.
    virtual QString SaveFileNameAt(QWidget* parent, const QString& filter,
                                   const QString& suggested);
    // A modal question with the buttons 是, 否 and 取消 (`text`, e.g.
    // "檔案已修改，是否儲存？"). By default 取消: nothing is lost unasked.
    virtual SaveAnswer AskSave(QWidget* parent, const QString& text);
};

// The first filter of `filter` in SaveChoice's form: "Text Documents
// (*.tarn)" for "Text Documents (*.tarn)|*.tarn".
QString FirstFilter(const QString& filter);

// The dialogs in use; never null (the real ones until replaced).
IDialogs& Dialogs();
// Replaces the dialogs in use and returns the previous ones (tests).
IDialogs* SetDialogs(IDialogs* dialogs);

// Shorthand for Dialogs().ShowMessage(active window, text).
void ShowMessage(const QString& text);
