#include "editing/Pn904Limits.h"

#include "catalogue/ParameterRecords.h"
#include "editing/ValueForms.h"

namespace {

constexpr quint16 kPn904 = 904;

quint16 Pn904Word() {
    return static_cast<quint16>(WordOf(PmStringSheet.Value(kPn904)));
}

quint16 Pn904Negated() {
    return static_cast<quint16>(-WordOf(PmStringSheet.Value(kPn904)));
}

} // namespace

void SetPn904Bounds(int sheetIndex) {
    switch (sheetIndex) {
    case 3:
        for (std::size_t i = 0; i < Pn904Bounds.Pn304to311Max.size(); ++i) {
            Pn904Bounds.Pn304to311Max[i] = Pn904Word();
            Pn904Bounds.Pn304to311Min[i] = Pn904Negated();
        }
        break;
    case 4:
        Pn904Bounds.Pn406Max = Pn904Word();
        Pn904Bounds.Pn407Min = Pn904Negated();
        break;
    case 7:
        Pn904Bounds.Pn708Max = Pn904Word();
        break;
    default:
        break;
    }
}
