#include "SheetValues.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ParameterRecords.h"
#include "editing/ValueForms.h"

namespace {
qint32 Bound(const char* text, qint32 pn904) {
    const QString t = QString::fromUtf8(text);
    if (t == "Pn904") {
        return pn904;
    }
    if (t == "-Pn904") {
        return -pn904;
    }
    return StrToInt(t);
}
} // namespace

void StorePn904(const char* valueText) {
    PmStringSheet.Value(904) = QString::fromLatin1(valueText);
    const quint16 v = static_cast<quint16>(WordOf(PmStringSheet.Value(904)));
    const quint16 minusV = static_cast<quint16>(-v);
    Pn904Bounds.Pn304to311Max.fill(v);
    Pn904Bounds.Pn304to311Min.fill(minusV);
    Pn904Bounds.Pn406Max = v;
    Pn904Bounds.Pn407Min = minusV;
    Pn904Bounds.Pn708Max = v;
}

void StoreInRangeValues() {
    StorePn904("0BB8");
    for (const ParameterRecord& e : Catalogue()) {
        QString text;
        if (e.form == DisplayForm::Decimal || e.form == DisplayForm::SignedDecimal) {
            const qint32 mid = (Bound(e.min.text, 3000) + Bound(e.max.text, 3000)) / 2;
            text = HexText(mid);
        } else {
            text = EditedValueText(e.form, QString::fromUtf8(e.max.text));
        }
        PmStringSheet.Value(e.number) = text;
        SplitDigits(e.number);
        UpdateSignedValue(e.number);
    }
}
