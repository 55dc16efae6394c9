#include "app/WindowLanguage.h"

#include <QSettings>

namespace {
const QString kLanguageKey = QStringLiteral("window/language");
} // namespace

Language SavedLanguage() {
    return LanguageNamed(QSettings().value(kLanguageKey).toString()).value_or(Language::Chinese);
}

void SaveLanguage(Language language) {
    QSettings().setValue(kLanguageKey, LanguageCode(language));
}

void ChooseLanguage(Language language) {
    UseLanguage(language);
    SaveLanguage(language);
}
