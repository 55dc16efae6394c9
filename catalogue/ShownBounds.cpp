#include "catalogue/ShownBounds.h"

#include "catalogue/ParameterRecords.h"

QString ShownBoundText(const ParameterBound& bound, quint16 word) {
    if (bound.FollowsPn904()) {
        return QString::number(LimitOf(bound, word));
    }
    return QString::fromUtf8(bound.text);
}

QString ShownMinimum(const ParameterRecord& record) {
    return ShownBoundText(record.min, Pn904Bounds.WordsOf(record).lower);
}

QString ShownMaximum(const ParameterRecord& record) {
    return ShownBoundText(record.max, Pn904Bounds.WordsOf(record).upper);
}
