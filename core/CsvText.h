#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Comma-separated text as spreadsheets read it (RFC 4180): a field holding a
// comma, a double quote or a line break is quoted, its quotes doubled; lines
// end in CR LF. A CSV file the program writes is UTF-8 with a byte order
// mark, so a spreadsheet opens the Chinese texts right.

// One line of fields, CR LF at its end.
QByteArray CsvLine(const QStringList& fields);

// The byte order mark a CSV file starts with.
inline QByteArray CsvStart() { return QByteArrayLiteral("\xEF\xBB\xBF"); }
