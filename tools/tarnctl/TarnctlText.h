#pragma once

#include <QCoreApplication>

// The context of tarnctl's own texts for people (help, messages, progress,
// result lines): TarnctlText::tr("…") gives a text in the language chosen
// with --lang or TARN_LANG. The source texts are the Chinese ones.
class TarnctlText {
    Q_DECLARE_TR_FUNCTIONS(tarnctl)
};
