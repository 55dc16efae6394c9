#include "core/CsvText.h"

namespace {

QString CsvField(const QString& text) {
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

} // namespace

QByteArray CsvLine(const QStringList& fields) {
    QStringList out;
    for (const QString& field : fields)
        out << CsvField(field);
    return (out.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
}
