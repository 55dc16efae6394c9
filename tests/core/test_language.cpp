#include "core/Language.h"

#include <QCoreApplication>
#include <QtTest>

namespace {

// Counts the language changes the application is told of.
class LanguageChanges : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

const char* const Context = "WholeFile";
const char* const Source = "資料夾不存在";
const QString English = QStringLiteral("The folder does not exist");

} // namespace

// The translations are built into the core library: a program linking it
// (this test, as tarnb and tarnctl) finds them without any file beside it.
class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void codesNameOnlyTheTwoLanguages_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("language"); // -1: none
        QTest::newRow("zh") << "zh" << int(Language::Chinese);
        QTest::newRow("en") << "en" << int(Language::English);
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("upper case") << "EN" << -1;
        QTest::newRow("a locale") << "zh_TW" << -1;
        QTest::newRow("another language") << "fr" << -1;
    }
    void codesNameOnlyTheTwoLanguages() {
        QFETCH(QString, code);
        QFETCH(int, language);
        const std::optional<Language> named = LanguageNamed(code);
        QCOMPARE(named ? int(*named) : -1, language);
        if (named)
            QCOMPARE(LanguageCode(*named), code);
    }

    void translatedNeedsNothingInstalled() {
        QCOMPARE(CurrentLanguage(), Language::Chinese);
        QCOMPARE(Translated(Language::English, Context, Source), English);
        QCOMPARE(Translated(Language::Chinese, Context, Source), QString::fromUtf8(Source));
        QCOMPARE(Translated(Language::English, Context, "沒有這句"), QStringLiteral("沒有這句"));
        QCOMPARE(QCoreApplication::translate(Context, Source), QString::fromUtf8(Source));
    }

    // English replaces ours, Chinese brings Qt's own words (the buttons of
    // its dialogs) in Traditional Chinese: 儲存, where Simplified reads 保存;
    // a repeated choice tells the windows nothing.
    void useLanguageInstallsOnceAndSwitchesBack() {
        LanguageChanges changes;
        qApp->installEventFilter(&changes);
        UseLanguage(Language::Chinese);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("儲存"));
        QCOMPARE(QCoreApplication::translate(Context, Source), QString::fromUtf8(Source));
        const int afterChinese = changes.count;
        QVERIFY(afterChinese > 0);
        UseLanguage(Language::Chinese);
        QCOMPARE(changes.count, afterChinese);

        UseLanguage(Language::English);
        QCOMPARE(CurrentLanguage(), Language::English);
        QCOMPARE(QCoreApplication::translate(Context, Source), English);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("Save"));
        const int afterEnglish = changes.count;
        UseLanguage(Language::English);
        QCOMPARE(changes.count, afterEnglish);
        QCOMPARE(Translated(Language::Chinese, Context, Source), QString::fromUtf8(Source));

        UseLanguage(Language::Chinese);
        QCOMPARE(CurrentLanguage(), Language::Chinese);
        QCOMPARE(QCoreApplication::translate(Context, Source), QString::fromUtf8(Source));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("儲存"));
        qApp->removeEventFilter(&changes);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
