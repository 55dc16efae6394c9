#pragma once

#include "files/ParameterFile.h"
#include "link/WriteOutcome.h"

#include <QList>
#include <QSet>
#include <functional>
#include <optional>

// What the two long runs behind saving and loading (drive/DriveTransfer)
// give and tell. Both go sheet by sheet in file order and report progress
// after each sheet: 10, 20, ... 80 after sheets 0 to 7 and 100 after
// sheet 9.

// Called with the new position of the progress bar (0..100).
using ProgressCallback = std::function<void(int percent)>;
// Called after each read with the number and the text it gave.
using ValueCallback = std::function<void(quint16 number, const QString& value)>;

// The bar's position after sheet `sheetIndex` has been done.
int ProgressAfterSheet(int sheetIndex);

// The parameters of a save that gave no value (no answer, a reply not in
// the expected form, or anything else a file cannot keep as it is), in
// file order.
QList<quint16> ParametersWithoutValue(const ParameterValues& values);

// True when not one parameter gave a value: the drive is not there, and a
// file of keys only must not replace a good one.
bool NothingAnswered(const QList<quint16>& withoutValue);

// What a save tells after writing a file with gaps, empty when there are
// none: the first few names and how many there are in all. `written` leads
// it (a report's "報告已寫入"; without it "檔案已儲存").
QString SaveGapsMessage(const QList<quint16>& withoutValue, const QString& written = QString());

// Shown instead of the save dialog when the drive gave no value at all.
QString NothingAnsweredMessage();

// How a run of writes ended.
struct LoadResult {
    bool complete = true;     // every write went through or was not meant to be sent
    bool stopped = false;     // ended early because the caller asked it to
    quint16 failedNumber = 0; // when a write failed: its parameter
    WriteOutcome failure = WriteOutcome::Written;
    QList<quint16> written; // the writes the drive confirmed, in order
    QString portError;      // the port failed at failedNumber's write: its message
    // Values outside their edit rule, none written: the run did not start.
    QList<quint16> refused;
};

// What a caller may ask of a run of writes beyond the window's load.
struct WriteRunOptions {
    // Asked before each write, so between exchanges: true ends the run
    // there, with nothing more sent.
    std::function<bool()> stopRequested;
    // When given, only these numbers are written; the others are passed over
    // without an exchange.
    std::optional<QSet<quint16>> only;
    // Write values outside their edit rule as well (the user agreed to it);
    // without it the drive object writes nothing when any value is outside.
    bool force = false;
};

// True for the parameters that loading stores but never writes (Pn900, Pn901).
bool IsNeverWritten(quint16 number);

// What a finished load says holds: "沒有不同的參數，未寫入" when only the
// changed values were to be written and there were none; how many were
// written and, with a read-back, how many the drive does not hold; and
// "請重開驅動器" when a written value is known to be held.
QString LoadSummary(bool changedOnly, bool verified, int written, int notHeld);

// The message for a load that did not complete, naming what it wrote:
// "載入已停止：Pn105 寫入失敗；已寫入 9 個參數（Pn000 ~ Pn104），驅動器其餘參數未變更".
// The cause reads "Pn105 寫入失敗" (rejected), "Pn105 沒有回應" (no answer),
// "Pn105 寫入時連線中斷：<port message>" (port lost) or "已中斷" (a stop
// asked for); with nothing written, "沒有寫入任何參數，驅動器參數未變更".
QString LoadStoppedMessage(const LoadResult& result);
