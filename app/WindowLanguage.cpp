#include "app/WindowLanguage.h"

#include <QSettings>

namespace {
const QString kLanguageKey = QStringLiteral("window/language");
} // namespace

Language SavedLanguage() {
    return LanguageNamed(QSettings().value(kLanguageKey).toString()).value_or(Language::Chinese);
}

void ChooseLanguage(Language language) {
    UseLanguage(language);
    QSettings().setValue(kLanguageKey, LanguageCode(language));
}
