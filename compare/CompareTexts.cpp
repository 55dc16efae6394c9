#include "compare/CompareTexts.h"

#include "catalogue/SheetRanges.h"
#include "values/ValueWords.h"

QString RowStateText(RowState state) {
    switch (state) {
    case RowState::OutOfRange:
        return QStringLiteral("超出範圍");
    case RowState::NotWritten:
        return QStringLiteral("不寫入");
    case RowState::Writable:
        break;
    }
    return QString();
}

QString ReadBackMismatchText(quint16 number, const QString& written, const QString& readBack) {
    return QStringLiteral("%1 讀回 %2，應為 %3")
        .arg(PnName(number), ValueWithUnit(number, readBack), ValueWithUnit(number, written));
}
