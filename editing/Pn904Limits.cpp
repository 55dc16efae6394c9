#include "editing/Pn904Limits.h"

#include "catalogue/ParameterRecords.h"
#include "editing/ValueForms.h"

namespace {
constexpr quint16 kPn904 = 904;
} // namespace

quint16 Pn904WordOf(const QString& pn904Text) {
    return static_cast<quint16>(WordOf(pn904Text));
}

void SetPn904Bounds(int sheetIndex) {
    if (!SheetFollowsPn904(sheetIndex)) {
        return;
    }
    const quint16 pn904 = Pn904WordOf(PmStringSheet.Value(kPn904));
    for (const ParameterRecord& r : Records()) {
        if (r.sheet == sheetIndex && r.FollowsPn904()) {
            Pn904Bounds.Keep(r, Pn904WordsOf(r, pn904));
        }
    }
}
