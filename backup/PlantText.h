#pragma once

#include <QCoreApplication>

// The context of the backup library's texts for people (errors, refusals,
// hook reports, the lines of drift, status, query and history):
// PlantText::tr("…") reads in the language chosen. What goes into a
// repository (commit messages, the run log) is written in Chinese, outside
// tr(), so a repository reads the same for every user.
class PlantText {
    Q_DECLARE_TR_FUNCTIONS(backup)
};
