#pragma once

#include "changes/ChangeLog.h"
#include "core/Language.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the change list shows and exports, from the rows alone. The texts
// take the language to read in; the exported file is always Chinese (its
// column names are its format).

// The column headers: 時間, 編號, 說明, 原值, 新值, 結果.
QStringList ChangeLogHeaders(Language language = Language::Chinese);

// The six texts of a row, as the window shows them: the time as hh:mm:ss,
// "Pn101", the parameter's description (a revert's starts with "還原："; a
// bulk row has its note here and nothing under 編號, 原值, 新值), the two
// values in words (ValueInWords), and the result.
// A bulk row's note reads as it was written, in the language of that time.
QStringList ChangeRowTexts(const ChangeRow& row, Language language = Language::Chinese);

// "已寫入", "寫入失敗", "已修改", "等待寫入".
QString ResultText(ChangeResult result, Language language = Language::Chinese);

// The list as CSV: a byte order mark, the header line and one line per row,
// fields quoted where they hold a comma, a quote or a line break (quotes
// doubled), every line ended by CR LF; UTF-8.
QByteArray ChangeLogCsv(const QList<ChangeRow>& rows);

// Writes ChangeLogCsv to `fileName`, replacing it whole or leaving it as it
// was. Throws EFileError "Cannot create file <name>".
void WriteChangeLogCsv(const QString& fileName, const QList<ChangeRow>& rows);

// The name to write: `chosen` with ".csv" appended unless it already ends
// in ".csv" in any letter case.
QString WithCsvSuffix(const QString& chosen);

// The note of a bulk write: the action, the file's name without its folder
// and how many parameters the drive took: "載入 abc.tarn：307 個參數", in
// the language of the windows.
QString BulkNote(const QString& action, const QString& fileName, int count);
