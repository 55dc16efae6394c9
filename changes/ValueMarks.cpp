#include "changes/ValueMarks.h"

#include "values/DriveValues.h"
#include "changes/ChangeTexts.h"
#include "values/ValueWords.h"

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
        return QStringLiteral("等待寫入");
    case ValueMark::Changed:
        return QStringLiteral("本次已變更，原值 ") +
               ValueInWords(number, log.OriginalOf(number).value_or(QString()));
    case ValueMark::None:
        break;
    }
    return QString();
}
