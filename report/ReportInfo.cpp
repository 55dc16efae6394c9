#include "report/ReportInfo.h"

#include "core/TarnError.h"
#include "report/ReportModel.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
const QString kMachine = QStringLiteral("report/machine");
const QString kAxis = QStringLiteral("report/axis");
const QString kCustomer = QStringLiteral("report/customer");
const QString kTechnician = QStringLiteral("report/technician");
const QString kNote = QStringLiteral("report/note");
const QString kReference = QStringLiteral("report/reference");
// The place (from 1) of the first character `text` may not hold, 0 when none.
int ControlCharacterAt(const QString& text, bool lineFeedAllowed) {
    int place = 0;
    for (const char32_t c : text.toUcs4()) {
        ++place;
        if ((c < 0x20 && !(lineFeedAllowed && c == '\n')) || (c >= 0x7F && c <= 0x9F)) {
            return place;
        }
    }
    return 0;
}

} // namespace

QString HandoverFault(const ReportHandover& handover) {
    using namespace report_text;
    const std::pair<const QString&, const QString&> fields[] = {
        {kMachineLabel, handover.machine},
        {kAxisLabel, handover.axis},
        {kCustomerLabel, handover.customer},
        {kTechnicianLabel, handover.technician},
        {kNoteLabel, handover.note}};
    for (const auto& [label, text] : fields) {
        if (const int place = ControlCharacterAt(text, label == kNoteLabel)) {
            return QCoreApplication::translate("Report", "%1 含有控制字元（第 %2 個字元）")
                .arg(ReportWords(CurrentLanguage(), label))
                .arg(place);
        }
    }
    return {};
}

QString ReportInfoFault(const ReportInfo& info) {
    if (QString fault = HandoverFault(info.handover); !fault.isEmpty()) {
        return fault;
    }
    if (!info.referenceFile.isEmpty()) {
        try {
            ReadReference(info.referenceFile);
        } catch (const EFileError& error) {
            return error.Text();
        }
    }
    return {};
}

ReportInfo LoadReportInfo(const QSettings& settings) {
    ReportInfo info;
    info.handover.machine = settings.value(kMachine).toString();
    info.handover.axis = settings.value(kAxis).toString();
    info.handover.customer = settings.value(kCustomer).toString();
    info.handover.technician = settings.value(kTechnician).toString();
    info.handover.note = settings.value(kNote).toString();
    info.referenceFile = settings.value(kReference).toString();
    return info;
}

void SaveReportInfo(QSettings& settings, const ReportInfo& info) {
    settings.setValue(kMachine, info.handover.machine);
    settings.setValue(kAxis, info.handover.axis);
    settings.setValue(kCustomer, info.handover.customer);
    settings.setValue(kTechnician, info.handover.technician);
    settings.setValue(kNote, info.handover.note);
    settings.setValue(kReference, info.referenceFile);
}
