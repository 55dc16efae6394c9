#pragma once

#include <QByteArray>
#include <QString>

// Bytes of a file as a message quotes them, safe for any terminal: valid
// UTF-8 characters as they are; control bytes (and control characters) and
// bytes that are not valid UTF-8 as "\xNN". At most `maxCharacters`
// characters (an escape counts as one), then "…".
QString QuotedFileText(const QByteArray& bytes, int maxCharacters = 60);
