#pragma once

#include "core/Language.h"

#include <QCoreApplication>

// The context of tarnctl's own texts for people (help, messages, progress,
// result lines): TarnctlText::tr("…") gives a text in the language chosen
// with --lang or TARN_LANG. The source texts are the Chinese ones.
class TarnctlText {
    Q_DECLARE_TR_FUNCTIONS(tarnctl)
};

// What goes into a backup repository (commit messages, the run log, a
// drive's failure among them) and what git shows of one reads the same for
// every user: a command that writes or shows a repository's words speaks
// Chinese whatever was chosen.
inline void UseRepositoryLanguage() {
    if (CurrentLanguage() != Language::Chinese) {
        UseLanguage(Language::Chinese);
    }
}

// The repository's language while it lives, the language chosen again
// after: around the part of a command whose words go into the repository
// (a backup's reads, whose failures its commit and run log record), so
// the rest of what it says follows the choice.
class RepositoryLanguageScope {
public:
    RepositoryLanguageScope() : chosen_(CurrentLanguage()) { UseRepositoryLanguage(); }
    ~RepositoryLanguageScope() { UseLanguage(chosen_); }
    RepositoryLanguageScope(const RepositoryLanguageScope&) = delete;
    RepositoryLanguageScope& operator=(const RepositoryLanguageScope&) = delete;

private:
    Language chosen_;
};
