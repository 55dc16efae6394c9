#include "report/ReportCsv.h"

#include "core/CsvText.h"

QByteArray ReportCsvBytes(const ReportModel& model) {
    QStringList header{"number", "description", "gloss", "control_mode", "value_text", "display",
                       "unit",   "min",         "max",   "in_range"};
    if (model.hasReference)
        header << "reference_value_text" << "differs";
    QByteArray bytes = CsvStart() + CsvLine(header);
    for (const ReportRow& r : model.entries) {
        QStringList fields{r.number, r.description, r.gloss,   r.controlMode, r.valueText,
                           r.display, r.unit,       r.minText, r.maxText,     r.inRange};
        if (model.hasReference)
            fields << r.referenceValueText << (r.differs ? "yes" : "no");
        bytes += CsvLine(fields);
    }
    return bytes;
}
