#pragma once

#include "core/Language.h"

// The window program's language, remembered between runs in its settings.
// Chinese until English is chosen, whatever the system's locale.
Language SavedLanguage();

// Remembers `language` for the next start, changing nothing on show.
void SaveLanguage(Language language);

// Makes `language` the one on show (every window retranslates on the
// language change this sends) and remembers it for the next start.
void ChooseLanguage(Language language);
