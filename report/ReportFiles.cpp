#include "report/ReportFiles.h"

#include "files/TransferResult.h"
#include "report/ReportFormat.h"

#include <QCoreApplication>

QString WriteReportFile(const ReportSource& source, const ParameterValues& values,
                        const ReportInputs& inputs, const QString& name) {
    WriteReport(BuildReport(source, values, inputs.handover, inputs.reference, inputs.language),
                name);
    return SaveGapsMessage(ParametersWithoutValue(values),
                           QCoreApplication::translate("Report", "報告已寫入"));
}

std::optional<ReportReference> ReferenceOf(const QString& fileName) {
    if (fileName.isEmpty())
        return std::nullopt;
    return ReadReference(fileName);
}
