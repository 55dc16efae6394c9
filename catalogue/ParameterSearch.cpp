#include "catalogue/ParameterSearch.h"

#include "catalogue/ParameterRecord.h"
#include "catalogue/SheetRanges.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// The sheets the grid offers once a drive is set up (or a file opened).
constexpr int kLastShownSheet = 5;

SearchHit HitOf(const ParameterRecord& record) {
    SearchHit hit;
    hit.number = record.number;
    hit.description = QString::fromUtf8(record.description);
    hit.gloss = QString::fromUtf8(record.gloss);
    hit.sheet = record.sheet;
    hit.selectable = record.row > 0 && record.sheet <= kLastShownSheet;
    return hit;
}

} // namespace

namespace {

// Full-width digits and letters (an input method's "１００", "ｇａｉｎ") read
// as their ASCII selves, on both sides of the match.
QString Folded(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC);
}

} // namespace

std::vector<SearchHit> FindParameters(const QString& text) {
    const QString wanted = Folded(text).trimmed();
    std::vector<SearchHit> byNumber;
    std::vector<SearchHit> byWords;
    if (wanted.isEmpty())
        return byNumber;
    for (const ParameterRecord& record : Records()) {
        if (PnName(record.number).contains(wanted, Qt::CaseInsensitive)) {
            byNumber.push_back(HitOf(record));
        } else if (Folded(QString::fromUtf8(record.description))
                       .contains(wanted, Qt::CaseInsensitive) ||
                   Folded(QString::fromUtf8(record.gloss)).contains(wanted, Qt::CaseInsensitive)) {
            byWords.push_back(HitOf(record));
        }
    }
    byNumber.insert(byNumber.end(), byWords.begin(), byWords.end());
    return byNumber;
}

QString SheetTextOf(const SearchHit& hit, Language language) {
    const QString sheet = QStringLiteral("Pn%1xx").arg(hit.sheet);
    if (hit.selectable)
        return sheet;
    return Translated(language, "ParameterSearch",
                      QT_TRANSLATE_NOOP("ParameterSearch", "%1（不在表格中）"))
        .arg(sheet);
}

std::optional<quint16> ParameterNumberOf(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(?:Pn|P)?(\\d{1,3})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return static_cast<quint16>(match.captured(1).toUInt());
}
