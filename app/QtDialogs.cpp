#include "app/QtDialogs.h"

#include "app/files/TReportInfoForm.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace {

// A button's word in the language chosen.
QString Word(const char* text) {
    return QCoreApplication::translate("QtDialogs", text);
}

// Qt's own dialog, not the desktop's, so its words follow the language
// chosen in the program rather than the desktop's.
constexpr QFileDialog::Options kFileDialogOptions = QFileDialog::DontUseNativeDialog;

} // namespace

void QtDialogs::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, "TARN/B", text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::AskYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, "TARN/B", text, QMessageBox::NoButton, parent);
    QAbstractButton* yes =
        box.addButton(Word(QT_TRANSLATE_NOOP("QtDialogs", "是")), QMessageBox::YesRole);
    QAbstractButton* no =
        box.addButton(Word(QT_TRANSLATE_NOOP("QtDialogs", "否")), QMessageBox::NoRole);
    yes->setAccessibleName(yes->text());
    no->setAccessibleName(no->text());
    box.setDefaultButton(static_cast<QPushButton*>(no));
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtDialogs::OpenFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), QtFileFilter(filter), nullptr,
                                        kFileDialogOptions);
}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& filter) {
    // The save dialog remembers the last name chosen for its next run.
    static QString lastName;
    const QString name = QFileDialog::getSaveFileName(
        parent, QString(), lastName, QtFileFilter(filter), nullptr, kFileDialogOptions);
    if (!name.isEmpty())
        lastName = name;
    return name;
}

QString QtDialogs::SaveFileNameAt(QWidget* parent, const QString& filter,
                                  const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QString(), suggested, QtFileFilter(filter), nullptr,
                                        kFileDialogOptions);
}

SaveAnswer QtDialogs::AskSave(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, "TARN/B", text, QMessageBox::NoButton, parent);
    QPushButton* save =
        box.addButton(Word(QT_TRANSLATE_NOOP("QtDialogs", "是")), QMessageBox::YesRole);
    QPushButton* discard =
        box.addButton(Word(QT_TRANSLATE_NOOP("QtDialogs", "否")), QMessageBox::NoRole);
    QPushButton* cancel =
        box.addButton(Word(QT_TRANSLATE_NOOP("QtDialogs", "取消")), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    return box.clickedButton() == discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

SaveChoice QtDialogs::SaveFileChoice(QWidget* parent, const QString& filter) {
    // Kept apart from SaveFileName's: a report's name is no parameter
    // file's. The filter chosen last is offered first next time.
    static QString lastName;
    static QString lastFilter;
    const QString qtFilter = QtFileFilter(filter);
    QString chosenFilter = qtFilter.split(QStringLiteral(";;")).contains(lastFilter)
                               ? lastFilter
                               : FirstFilter(filter);
    const QString name = QFileDialog::getSaveFileName(parent, QString(), lastName, qtFilter,
                                                      &chosenFilter, kFileDialogOptions);
    if (name.isEmpty())
        return {};
    lastName = name;
    lastFilter = chosenFilter;
    return {name, chosenFilter};
}

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList qtFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        // Qt reads the patterns from the parentheses of the description.
        if (description.contains('(' + pattern + ')'))
            qtFilters << description;
        else
            qtFilters << description + " (" + pattern + ")";
    }
    return qtFilters.join(";;");
}

std::optional<ReportInfo> QtDialogs::ReportInfoChoice(QWidget* parent, const ReportInfo& shown) {
    TReportInfoForm form(shown, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.Info();
}
