// The windows in Chinese and in English: switching retitles what is open
// without a word to the drive, Qt's own dialogs speak the language chosen,
// and no text of any window or dialog is cut short in either language.
#include "MainWindowFixture.h"

#include "app/MainDrive.h"
#include "app/QtDialogs.h"
#include "app/TOpenPmForm.h"
#include "app/TReadpmForm.h"
#include "app/TReportPmForm.h"
#include "app/TSavePmForm.h"
#include "app/WindowLanguage.h"
#include "app/changes/TChangeLogForm.h"
#include "app/compare/TComparePmForm.h"
#include "app/compare/TCompareProgressForm.h"
#include "app/files/TReportInfoForm.h"
#include "app/grid/TFindForm.h"
#include "app/trace/TTraceForm.h"
#include "drive/Drive.h"
#include "link/TMSComm.h"
#include "report/ReportCsv.h"
#include "support/FileBytes.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>

namespace {

void Use(Language language) {
    ChooseLanguage(language);
    // The language change is posted; the windows retranslate on it.
    QCoreApplication::processEvents();
}

// Runs `look` on the next modal dialog as soon as it is up, then closes it.
void WhenModal(const std::function<void(QWidget*)>& look) {
    QTimer::singleShot(0, [look] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        look(dialog);
        static_cast<QDialog*>(dialog)->reject();
    });
}

// The texts of `dialog`'s visible labels and buttons, in widget order.
QStringList ShownTexts(const QWidget* dialog) {
    QStringList texts;
    for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(dialog))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
    }
    return texts;
}

// "Window/widget: text (needs n, has m)" for every text of `window` that
// its widget cannot show whole.
QStringList CutTexts(QWidget* window, const QSet<const QWidget*>& exempt) {
    QStringList cut;
    const auto check = [&](const QWidget* widget, const QString& text, int needs, int has) {
        if (!text.isEmpty() && needs > has)
            cut << QStringLiteral("%1/%2: %3 (needs %4, has %5)")
                       .arg(window->objectName(), widget->objectName(), text)
                       .arg(needs)
                       .arg(has);
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) || exempt.contains(widget))
            continue;
        const QFontMetrics metrics(widget->font());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap())
                check(label, label->text(), label->heightForWidth(label->contentsRect().width()),
                      label->contentsRect().height());
            else
                check(label, label->text(), metrics.horizontalAdvance(label->text()),
                      label->contentsRect().width());
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // The text and the style's margin and frame around it; the
            // style's least width of a push button is no part of its text.
            const QStyle* style = button->style();
            check(button, button->text(),
                  metrics.horizontalAdvance(button->text()) +
                      style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                      2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button),
                  button->contentsRect().width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            check(button, button->text(), button->sizeHint().width(), button->width());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            check(group, group->title(), metrics.horizontalAdvance(group->title()),
                  group->contentsRect().width());
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(tabs, tabs->tabText(i), metrics.horizontalAdvance(tabs->tabText(i)),
                      tabs->tabRect(i).width());
        } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            if (header->orientation() != Qt::Horizontal || exempt.contains(header->parentWidget()))
                continue;
            for (int col = 0; col < header->count(); ++col)
                check(header, header->model()->headerData(col, Qt::Horizontal).toString(),
                      header->sectionSizeHint(col), header->sectionSize(col));
        }
    }
    return cut;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // settings of their own
    }
    void cleanup() { Use(Language::Chinese); }

    // The open main window reads the new language at once, the sheet on
    // show included, and the drive hears nothing of it; back in Chinese
    // every text is as before.
    void switchingRetitlesTheOpenWindowWithoutAWordToTheDrive() {
        MainWindowFixture f;
        f.ConnectAndSetUp();
        MainWindowFixture::ShowSheet(1);
        const auto titles = [] {
            return QStringList{
                MainForm->FileMenu->title(),           MainForm->Open2->text(),
                MainForm->HelpMenu->title(),           MainForm->Language1->title(),
                MainWindowFixture::Grid()->Cell(1, 0), MainWindowFixture::Grid()->Cell(2, 1),
                ChangeLogForm->windowTitle(),          CommForm->btnOffline->text()};
        };
        const QStringList chinese = titles();
        QCOMPARE(chinese, QStringList({"檔案", "載入檔案", "幫助", "語言", "說明", "S(立即)",
                                       "變更記錄", "離線編輯檔案"}));
        const int requests = f.Mark();
        MainForm->English1->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(titles(), QStringList({"File", "Load file", "Help", "Language", "Description",
                                        "S(immediate)", "Change list", "Edit file offline"}));
        QVERIFY(MainForm->English1->isChecked() && !MainForm->Chinese1->isChecked());
        QCOMPARE(SavedLanguage(), Language::English);
        MainForm->Chinese1->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(titles(), chinese);
        QCOMPARE(f.Mark(), requests);
    }

    // Qt's own words with Chinese chosen, as Qt's Traditional Chinese
    // translation has them; English without it.
    void qtsOwnDialogsSpeakTheLanguageChosen_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("fileDialogWords");
        QTest::addColumn<QString>("ok");
        QTest::newRow("Chinese") << Language::Chinese
                                 << QStringList({"尋找於：", "檔名(&N)：", "取消"}) << "確定";
        QTest::newRow("English") << Language::English
                                 << QStringList({"Look in:", "File &name:", "Cancel"}) << "OK";
    }
    void qtsOwnDialogsSpeakTheLanguageChosen() {
        QFETCH(Language, language);
        QFETCH(QStringList, fileDialogWords);
        QFETCH(QString, ok);
        Use(language);
        QtDialogs dialogs;
        QStringList shown;
        WhenModal([&](QWidget* dialog) {
            QVERIFY(qobject_cast<QFileDialog*>(dialog) != nullptr);
            shown = ShownTexts(dialog);
        });
        QCOMPARE(dialogs.OpenFileName(nullptr, TMainForm::kFileFilter), QString());
        for (const QString& word : fileDialogWords)
            QVERIFY2(shown.contains(word), qPrintable(shown.join(" | ")));
        QString okText;
        WhenModal([&](QWidget* box) {
            okText = static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->text();
        });
        dialogs.ShowMessage(nullptr, QStringLiteral("Pn100"));
        QCOMPARE(okText, ok);
    }

    // 報告資料 offers the windows' language; English chosen there, the report
    // is English while the windows stay Chinese.
    void theReportTakesTheLanguageChosenInItsForm() {
        MainWindowFixture f;
        f.ConnectAndSetUp();
        QTemporaryDir dir;
        std::optional<Language> offered;
        ReportInfo chosen;
        f.dialogs.onReportInfo = [&](QWidget* parent, const ReportInfo& shown) {
            TReportInfoForm form(shown, parent);
            offered = form.Info().language;
            form.LanguageBox->setCurrentIndex(form.LanguageBox->findText("English"));
            chosen = form.Info();
            return std::optional<ReportInfo>(chosen);
        };
        f.dialogs.saveAnswers << dir.filePath("handed.csv");
        MainForm->Report1->trigger();
        QCOMPARE(offered, std::optional<Language>(Language::Chinese));
        QCOMPARE(chosen.language, Language::English);
        const ReportModel expected =
            BuildReport(DriveSource("COM1", MainForm->MSComm1->DeviceName(), kFormatMarked),
                        MainDrive().Values().PmStringSheet.Slots, chosen.handover, std::nullopt,
                        Language::English);
        QCOMPARE(FileBytes(dir.filePath("handed.csv")), ReportCsvBytes(expected));
        QCOMPARE(MainForm->FileMenu->title(), QStringLiteral("檔案"));
    }

    // Every window and dialog in both languages: no label, button, group
    // title, tab or column title is cut short. Exempt are the sizes the
    // program fixes: the status bar's panel and the grid's columns (their
    // titles read whole in the tooltip).
    void noTextIsCutShort_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("Chinese") << Language::Chinese;
        QTest::newRow("English") << Language::English;
    }
    void noTextIsCutShort() {
        QFETCH(Language, language);
        Use(language);
        MainWindowFixture f;
        f.ConnectAndSetUp();
        const QSet<const QWidget*> exempt{MainForm->StatusPanel, MainWindowFixture::Grid()};
        QStringList cut = CutTexts(MainForm, exempt);
        CommForm->show();
        TReportInfoForm reportInfo(ReportInfo{}, MainForm);
        ComparePmForm->setModal(false); // shown, not run
        QList<QWidget*> windows{
            CommForm,   ChangeLogForm, TraceForm,           FindForm,     ComparePmForm, ReadpmForm,
            SavePmForm, OpenPmForm,    CompareProgressForm, ReportPmForm, &reportInfo};
        for (QWidget* window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            cut << CutTexts(window, exempt);
            window->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
