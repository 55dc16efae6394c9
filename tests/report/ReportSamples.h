#pragma once

#include "catalogue/SheetRanges.h"
#include "files/ParameterFile.h"
#include "report/ReportBuilder.h"

#include <QTimeZone>

// Values and reports shared by the report tests.
namespace report_samples {

inline ParameterValues Filled(const QString& text) {
    ParameterValues values;
    values.fill(text);
    return values;
}

inline void Set(ParameterValues& values, quint16 number, const QString& text) {
    values[SlotOf(number)] = text;
}

// A four-digit value per slot that mixes decimal digits and hex letters, so
// that every form meets both values within and outside its rule.
inline ParameterValues Scrambled(quint32 seed) {
    ParameterValues values;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const quint32 word = (static_cast<quint32>(slot) * 7919u + seed) % 0x10000u;
        values[slot] = QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
    }
    return values;
}

// A fixed moment, so that the head's texts are known.
inline ReportSource SampleFileSource() {
    ReportSource source = FileSource(QStringLiteral("machine-7.tarn"));
    source.time = QDateTime(QDate(2024, 5, 1), QTime(14, 3, 27), QTimeZone(8 * 3600));
    return source;
}

inline ReportHandover SampleHandover() {
    return {QStringLiteral("M-7 捲繞機"), QStringLiteral("X 軸"), QStringLiteral("大成機械"),
            QStringLiteral("林志明"), QStringLiteral("增益依現場負載調整。\n煞車時間待客戶確認。")};
}

// A report with every kind of row: values within and outside their rules,
// "None", empty, and Pn904 at 3000.
inline ReportModel SampleReport() {
    ParameterValues values = Scrambled(12345);
    Set(values, 904, QStringLiteral("0BB8"));
    Set(values, 2, QStringLiteral("None"));
    Set(values, 3, QString());
    Set(values, 901, QStringLiteral("None"));
    return BuildReport(SampleFileSource(), values);
}

// The sample report against a reference that differs in a plain row, a
// Pn904-bounded row, "None" and empty on either side, and a parameter
// without a row; with every handover field.
inline ReportModel SampleHandoverReport() {
    ParameterValues values = Scrambled(12345);
    Set(values, 904, QStringLiteral("0BB8"));
    Set(values, 2, QStringLiteral("None"));
    Set(values, 3, QString());
    Set(values, 901, QStringLiteral("None"));
    ReportReference reference{QStringLiteral("agreed.tarn"), QStringLiteral("ab12"), values};
    Set(reference.values, 100, QStringLiteral("01F4"));
    Set(reference.values, 304, QStringLiteral("FC18")); // -1000
    Set(reference.values, 2, QStringLiteral("0032"));
    Set(reference.values, 3, QStringLiteral("None"));
    Set(reference.values, 101, QString());
    Set(reference.values, 950, QStringLiteral("1234"));
    Set(reference.values, 0, values[SlotOf(0)].toLower()); // the same number
    return BuildReport(SampleFileSource(), values, SampleHandover(), reference);
}

} // namespace report_samples
