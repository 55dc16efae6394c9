#pragma once

// Answers the program's message boxes and file dialogs in UI tests: every
// message is recorded instead of shown, and file dialogs take their answers
// from queues (an empty queue answers "cancelled"). While one lives it is
// the dialog seam in use; it puts the previous one back when it goes.
//
//   ScriptedDialogs dialogs;
//   dialogs.openAnswers << "/tmp/x.tarn";
//   ... run a command ...
//   QCOMPARE(dialogs.messages, QStringList{"請重開驅動器"});
#include "app/Dialogs.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class ScriptedDialogs : public IDialogs {
public:
    ScriptedDialogs() : previous_(SetDialogs(this)) {}
    ~ScriptedDialogs() override { SetDialogs(previous_); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void ShowMessage(QWidget*, const QString& text) override {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    // Questions are recorded and answered from yesNoAnswers (an empty queue
    // answers 否).
    bool AskYesNo(QWidget*, const QString& text) override {
        questions << text;
        return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
    }
    QString OpenFileName(QWidget*, const QString& filter) override {
        ++openAsked;
        filters << filter;
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString SaveFileName(QWidget*, const QString& filter) override {
        ++saveAsked;
        filters << filter;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    // Takes its name from saveAnswers like SaveFileName, and the filter
    // chosen with it from filterAnswers (the first one offered when none).
    SaveChoice SaveFileChoice(QWidget* parent, const QString& filter) override {
        const QString chosen =
            filterAnswers.isEmpty() ? FirstFilter(filter) : filterAnswers.takeFirst();
        const QString name = SaveFileName(parent, filter);
        return {name, name.isEmpty() ? QString() : chosen};
    }

    // The 報告資料 form: what it was shown each time, and its answers (an
    // empty queue answers "cancelled"; onReportInfo, when set, answers
    // instead, e.g. by filling a real TReportInfoForm).
    std::optional<ReportInfo> ReportInfoChoice(QWidget* parent, const ReportInfo& shown) override {
        reportInfoShown.push_back(shown);
        if (onReportInfo)
            return onReportInfo(parent, shown);
        if (reportInfoAnswers.empty())
            return std::nullopt;
        const ReportInfo answer = reportInfoAnswers.front();
        reportInfoAnswers.erase(reportInfoAnswers.begin());
        return answer;
    }

    // A save dialog that starts at a name: the name is kept, the answer
    // taken as SaveFileName's.
    QString SaveFileNameAt(QWidget* parent, const QString& filter,
                           const QString& suggested) override {
        suggestedNames << suggested;
        return SaveFileName(parent, filter);
    }
    // 是 / 否 / 取消: each question is kept, the answers come from the queue
    // (an empty one answers 取消).
    SaveAnswer AskSave(QWidget*, const QString& text) override {
        questions << text;
        return saveAnswersAsked.empty() ? SaveAnswer::Cancel : saveAnswersAsked.takeFirst();
    }

    QStringList suggestedNames;         // the names save dialogs started at
    QStringList questions;              // every question asked, in order
    QList<SaveAnswer> saveAnswersAsked; // answers of the next questions
    QStringList messages;    // every message shown, in order
    QList<bool> yesNoAnswers; // answers of the next questions (true: 是)
    QStringList openAnswers; // answers of the next open dialogs
    QStringList saveAnswers; // answers of the next save dialogs
    QStringList filters;     // the filter each file dialog was given
    int openAsked = 0;       // open dialogs run so far
    int saveAsked = 0;       // save dialogs run so far
    // The filters chosen in the next SaveFileChoice dialogs.
    QStringList filterAnswers;
    std::vector<ReportInfo> reportInfoShown;
    std::vector<ReportInfo> reportInfoAnswers;
    std::function<std::optional<ReportInfo>(QWidget*, const ReportInfo&)> onReportInfo;
    // Optional: runs when a message is shown (e.g. to check the windows).
    std::function<void(const QString&)> onMessage;

private:
    IDialogs* previous_;
};
