#include "report/ReportFiles.h"

#include "files/TransferResult.h"
#include "report/ReportFormat.h"

QString WriteReportFile(const ReportSource& source, const ParameterValues& values,
                        const ReportInputs& inputs, const QString& name) {
    WriteReport(BuildReport(source, values, inputs.handover, inputs.reference), name);
    return SaveGapsMessage(ParametersWithoutValue(values), QStringLiteral("報告已寫入"));
}

std::optional<ReportReference> ReferenceOf(const QString& fileName) {
    if (fileName.isEmpty())
        return std::nullopt;
    return ReadReference(fileName);
}
