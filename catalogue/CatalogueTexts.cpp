#include "catalogue/CatalogueTexts.h"

#include "catalogue/CatalogueRow.h"
#include "catalogue/CatalogueSheet3.h"
#include "catalogue/CatalogueSheet6.h"
#include "catalogue/CatalogueSheet7.h"
#include "catalogue/CatalogueSheets0to2.h"
#include "catalogue/CatalogueSheets4to5.h"

#include <QCoreApplication>

namespace {

// Every control-mode text the catalogue writes, for the translations.
// Pn7xx writes one with a second closing bracket; it stays as written.
constexpr const char* kControlModes[] = {
    QT_TRANSLATE_NOOP("Catalogue", "S(立即)"),     QT_TRANSLATE_NOOP("Catalogue", "S(重開機)"),
    QT_TRANSLATE_NOOP("Catalogue", "P(立即)"),     QT_TRANSLATE_NOOP("Catalogue", "P(重開機)"),
    QT_TRANSLATE_NOOP("Catalogue", "T(立即)"),     QT_TRANSLATE_NOOP("Catalogue", "T(重開機)"),
    QT_TRANSLATE_NOOP("Catalogue", "S,P,T(立即)"), QT_TRANSLATE_NOOP("Catalogue", "S,P,T(重開機)"),
    QT_TRANSLATE_NOOP("Catalogue", "Tm(立即)"),    QT_TRANSLATE_NOOP("Catalogue", "Tm(重開機)"),
    QT_TRANSLATE_NOOP("Catalogue", "IJ(立即)"),    QT_TRANSLATE_NOOP("Catalogue", "IJ(重開機)"),
    QT_TRANSLATE_NOOP("Catalogue", "IJ(立即))"),   QT_TRANSLATE_NOOP("Catalogue", "M(立即)"),
    QT_TRANSLATE_NOOP("Catalogue", "(立即)"),
};

template <std::size_t N> constexpr bool ControlModesListed(const CatalogueRow (&rows)[N]) {
    for (const CatalogueRow& row : rows) {
        bool listed = false;
        for (const char* mode : kControlModes)
            listed = listed || catalogue_parse::SameText(row.controlMode, mode);
        if (!listed)
            return false;
    }
    return true;
}

static_assert(ControlModesListed(catalogue_data::kSheets0to2) &&
                  ControlModesListed(catalogue_data::kSheet3) &&
                  ControlModesListed(catalogue_data::kSheets4to5) &&
                  ControlModesListed(catalogue_data::kSheet6) &&
                  ControlModesListed(catalogue_data::kSheet7),
              "every control mode of the catalogue must be in kControlModes, to be translated");

} // namespace

QString DescriptionIn(const ParameterRecord& record, Language language) {
    if (language == Language::English && record.gloss[0] != '\0')
        return QString::fromUtf8(record.gloss);
    return QString::fromUtf8(record.description);
}

QString ControlModeIn(const ParameterRecord& record, Language language) {
    return Translated(language, "Catalogue", record.controlMode);
}
