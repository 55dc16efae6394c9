#include "core/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <atomic>
#include <vector>

namespace {

// Where the translations built into a program are (see cmake/Translations.cmake).
const char* const BuiltInFolder = ":/i18n";

// The English translators of every built-in file, loaded once and held for
// the program's life (never freed: an installed translator must outlive
// the application's use of it, and exit order is not ours to rely on).
const std::vector<QTranslator*>& EnglishTranslators() {
    static const std::vector<QTranslator*> translators = [] {
        std::vector<QTranslator*> loaded;
        const QDir folder(BuiltInFolder);
        for (const QString& name : folder.entryList({"*_en.qm"}, QDir::Files, QDir::Name)) {
            auto* translator = new QTranslator;
            if (translator->load(folder.filePath(name)))
                loaded.push_back(translator);
            else
                delete translator;
        }
        return loaded;
    }();
    return translators;
}

// Qt's own Traditional Chinese texts, or null when the file is not there.
// Named whole: QTranslator's own search would fall back to other files of
// the same stem, and a bare "zh" locale means Simplified Chinese.
QTranslator* QtChineseTranslator() {
    static QTranslator* const translator = []() -> QTranslator* {
        const QString file =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_TW.qm";
        if (!QFile::exists(file))
            return nullptr;
        auto* loaded = new QTranslator;
        if (loaded->load(file))
            return loaded;
        delete loaded;
        return nullptr;
    }();
    return translator;
}

// Read by any thread (texts are made on the drives' threads too), set by
// the thread that chooses.
std::atomic<Language> current{Language::Chinese};
// What is installed on the running application, so a repeated choice
// changes nothing (each install sends the windows a language change).
std::optional<Language> installed;

QString WithCount(QString text, int n) {
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

} // namespace

std::optional<Language> LanguageNamed(const QString& code) {
    if (code == QLatin1String("zh"))
        return Language::Chinese;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

QString HtmlLanguageTag(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh-Hant");
}

void UseLanguage(Language language) {
    current = language;
    if (!QCoreApplication::instance() || installed == language)
        return;
    QTranslator* const qtChinese = QtChineseTranslator();
    if (language == Language::English) {
        if (qtChinese)
            QCoreApplication::removeTranslator(qtChinese);
        for (QTranslator* translator : EnglishTranslators())
            QCoreApplication::installTranslator(translator);
    } else {
        for (QTranslator* translator : EnglishTranslators())
            QCoreApplication::removeTranslator(translator);
        if (qtChinese)
            QCoreApplication::installTranslator(qtChinese);
    }
    installed = language;
}

Language CurrentLanguage() {
    return current;
}

QString Translated(Language language, const char* context, const char* sourceText,
                   const char* disambiguation, int n) {
    if (language == Language::English) {
        for (const QTranslator* translator : EnglishTranslators()) {
            const QString text = translator->translate(context, sourceText, disambiguation, n);
            if (!text.isNull())
                return WithCount(text, n);
        }
    }
    return WithCount(QString::fromUtf8(sourceText), n);
}
