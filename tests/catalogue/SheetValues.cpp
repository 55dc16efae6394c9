#include "SheetValues.h"

#include "catalogue/Catalogue.h"
#include "support/TestDrive.h"
#include "values/ValueForms.h"

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
    // Every sheet that follows Pn904 as if read with it.
    for (const int sheet : {3, 4, 7})
        SetPn904Bounds(sheet);
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
