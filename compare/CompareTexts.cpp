#include "compare/CompareTexts.h"

#include "catalogue/SheetRanges.h"
#include "values/ValueWords.h"

#include <QCoreApplication>

QString RowStateText(RowState state) {
    switch (state) {
    case RowState::OutOfRange:
        return QCoreApplication::translate("CompareTexts", "超出範圍");
    case RowState::NotWritten:
        return QCoreApplication::translate("CompareTexts", "不寫入");
    case RowState::Writable:
        break;
    }
    return QString();
}

QString ReadBackMismatchText(quint16 number, const QString& written, const QString& readBack) {
    const Language language = CurrentLanguage();
    return QCoreApplication::translate("CompareTexts", "%1 讀回 %2，應為 %3")
        .arg(PnName(number), ValueWithUnit(number, readBack, language),
             ValueWithUnit(number, written, language));
}
