#pragma once

#include <QString>
#include <optional>

// The language people read: Traditional Chinese, the language every text is
// written in, or English from the translations built into the programs.
// Data (files, commit messages, the trace, JSON) stays in one language
// whatever is chosen; only what is shown to people follows the choice.
enum class Language { Chinese, English };

// "zh" -> Chinese, "en" -> English; any other code nullopt.
std::optional<Language> LanguageNamed(const QString& code);

// "zh" or "en".
QString LanguageCode(Language language);

// The language as a web page's lang attribute names it: "zh-Hant" (the
// Traditional script) or "en".
QString HtmlLanguageTag(Language language);

// Makes `language` the one every tr() text reads in, on the running
// application: English installs the program's own translations (every
// built-in one); Chinese removes them and installs Qt's own Traditional
// Chinese texts (qtbase_zh_TW, by that exact name), so Qt's dialogs and
// buttons speak Chinese too. Idempotent. A missing qtbase_zh_TW is not an
// error: Qt's own words then stay in English.
void UseLanguage(Language language);

// The language last given to UseLanguage; Chinese before any.
Language CurrentLanguage();

// `sourceText` of `context` in `language`, without installing anything, so
// one output (a report) can be in another language than the windows.
// Chinese gives the source text itself; English a text missing from the
// translations as well. `n` fills %n as tr() does.
QString Translated(Language language, const char* context, const char* sourceText,
                   const char* disambiguation = nullptr, int n = -1);
