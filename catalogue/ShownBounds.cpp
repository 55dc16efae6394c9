#include "catalogue/ShownBounds.h"


QString ShownBoundText(const ParameterBound& bound, quint16 word) {
    if (bound.FollowsPn904()) {
        return QString::number(LimitOf(bound, word));
    }
    return QString::fromUtf8(bound.text);
}
