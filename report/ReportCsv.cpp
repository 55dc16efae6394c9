#include "report/ReportCsv.h"

#include "report/ReportFormat.h"

#include "core/CsvText.h"

QByteArray ReportCsvBytes(const ReportModel& model) {
    QByteArray bytes = CsvStart() + CsvLine({"number", "description", "gloss", "control_mode",
                                             "value_text", "display", "unit", "min", "max",
                                             "in_range"});
    for (const ReportRow& r : model.entries) {
        bytes += CsvLine({r.number, r.description, r.gloss, r.controlMode, r.valueText, r.display,
                          r.unit, r.minText, r.maxText, r.inRange});
    }
    return bytes;
}

void WriteReportCsv(const ReportModel& model, const QString& fileName) {
    WriteReportFile(fileName, ReportCsvBytes(model));
}
