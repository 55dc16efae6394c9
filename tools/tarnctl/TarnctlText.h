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
