#include "changes/ValueMarks.h"

#include "changes/ChangeTexts.h"
#include "values/DriveValues.h"
#include "values/ValueWords.h"

#include <QCoreApplication>

ValueMark ValueMarkOf(const DriveValues& values, const ChangeLog& log, quint16 number) {
    if (SlotOf(number) < 0)
        return ValueMark::None;
    if (values.PendingWrite.Flag(number) != 0)
        return ValueMark::Pending;
    return log.IsConfirmedChange(number) ? ValueMark::Changed : ValueMark::None;
}

QString ValueMarkHint(const DriveValues& values, const ChangeLog& log, quint16 number) {
    switch (ValueMarkOf(values, log, number)) {
    case ValueMark::Pending:
        return ResultText(ChangeResult::Pending, CurrentLanguage());
    case ValueMark::Changed:
        return QCoreApplication::translate("ValueMarks", "本次已變更，原值 %1")
            .arg(ValueInWords(number, log.OriginalOf(number).value_or(QString())));
    case ValueMark::None:
        break;
    }
    return QString();
}
