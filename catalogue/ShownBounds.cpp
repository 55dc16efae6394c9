#include "catalogue/ShownBounds.h"

#include "catalogue/ParameterRecords.h"

namespace {
QString Signed16(quint16 word) {
    return QString::number(static_cast<qint16>(word));
}

bool FollowsPn904(const char* text) {
    return QLatin1String(text) == QLatin1String("Pn904") ||
           QLatin1String(text) == QLatin1String("-Pn904");
}

bool IsInternalSpeed(quint16 number) {
    return number >= 304 && number <= 311;
}
} // namespace

QString ShownMinimum(const CatalogueEntry& entry) {
    if (FollowsPn904(entry.minText)) {
        if (IsInternalSpeed(entry.number)) {
            return Signed16(Pn904Bounds.Pn304to311Min[entry.number - 304]);
        }
        if (entry.number == 407) {
            return Signed16(Pn904Bounds.Pn407Min);
        }
    }
    return QString::fromUtf8(entry.minText);
}

QString ShownMaximum(const CatalogueEntry& entry) {
    if (FollowsPn904(entry.maxText)) {
        if (IsInternalSpeed(entry.number)) {
            return Signed16(Pn904Bounds.Pn304to311Max[entry.number - 304]);
        }
        if (entry.number == 406) {
            return QString::number(Pn904Bounds.Pn406Max);
        }
        if (entry.number == 708) {
            return QString::number(Pn904Bounds.Pn708Max);
        }
    }
    return QString::fromUtf8(entry.maxText);
}
