#include "files/TransferResult.h"

#include "core/TarnError.h"
#include "values/DriveValues.h"

#include <QCoreApplication>

int ProgressAfterSheet(int sheetIndex) {
    return sheetIndex >= 9 ? 100 : (sheetIndex + 1) * 10;
}

QList<quint16> ParametersWithoutValue(const ParameterValues& values) {
    QList<quint16> missing;
    for (const SheetRange& range : kSheetRanges) {
        for (int i = 0; i < range.count; ++i) {
            if (!HoldsDriveValue(values[range.firstSlot + i])) {
                missing << static_cast<quint16>(range.first + i);
            }
        }
    }
    return missing;
}

bool NothingAnswered(const QList<quint16>& withoutValue) {
    return withoutValue.size() == kSlotCount;
}

QString SaveGapsMessage(const QList<quint16>& withoutValue, const QString& written) {
    constexpr int kNamesShown = 8;
    if (withoutValue.isEmpty()) {
        return {};
    }
    QStringList names;
    for (int i = 0; i < withoutValue.size() && i < kNamesShown; ++i) {
        names << PnName(withoutValue[i]);
    }
    QString text =
        QCoreApplication::translate("TransferResult", "%1，但下列參數沒有讀到數值：%2")
            .arg(written.isNull() ? QCoreApplication::translate("TransferResult", "檔案已儲存")
                                  : written,
                 names.join(QCoreApplication::translate("TransferResult", "、")));
    if (withoutValue.size() > kNamesShown) {
        text +=
            QCoreApplication::translate("TransferResult", "…（共 %1 個）").arg(withoutValue.size());
    }
    return text;
}

QString NothingAnsweredMessage() {
    return QCoreApplication::translate("TransferResult", "驅動器沒有回應，檔案未儲存");
}

bool IsNeverWritten(quint16 number) {
    return number == 900 || number == 901;
}

QString LoadStoppedMessage(const LoadResult& result) {
    QString cause;
    const QString name = PnName(result.failedNumber);
    if (result.stopped)
        cause = QCoreApplication::translate("TransferResult", "已中斷");
    else if (!result.portError.isEmpty())
        cause = QCoreApplication::translate("TransferResult", "%1 寫入時連線中斷：%2")
                    .arg(name, result.portError);
    else if (result.failure == WriteOutcome::NoAnswer)
        cause = QCoreApplication::translate("TransferResult", "%1 沒有回應").arg(name);
    else
        cause = QCoreApplication::translate("TransferResult", "%1 寫入失敗").arg(name);
    const QList<quint16>& written = result.written;
    if (written.isEmpty())
        return QCoreApplication::translate("TransferResult",
                                           "載入已停止：%1；沒有寫入任何參數，驅動器參數未變更")
            .arg(cause);
    const QString span = written.size() == 1 ? PnName(written.first())
                                             : PnName(written.first()) + QStringLiteral(" ~ ") +
                                                   PnName(written.last());
    return QCoreApplication::translate(
               "TransferResult", "載入已停止：%1；已寫入 %2 個參數（%3），驅動器其餘參數未變更")
        .arg(cause)
        .arg(written.size())
        .arg(span);
}

QString LoadSummary(bool changedOnly, bool verified, int written, int notHeld) {
    if (changedOnly && written == 0)
        return QCoreApplication::translate("TransferResult", "沒有不同的參數，未寫入");
    if (!verified || notHeld == 0)
        return QCoreApplication::translate("TransferResult", "已寫入 %1 個參數，請重開驅動器")
            .arg(written);
    if (written > notHeld)
        return QCoreApplication::translate("TransferResult",
                                           "已寫入 %1 個，讀回不符 %2 個，請重開驅動器")
            .arg(written)
            .arg(notHeld);
    return QCoreApplication::translate("TransferResult", "已寫入 %1 個，讀回不符 %2 個")
        .arg(written)
        .arg(notHeld);
}
