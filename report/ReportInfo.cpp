#include "report/ReportInfo.h"

#include <QSettings>

namespace {
const QString kMachine = QStringLiteral("report/machine");
const QString kAxis = QStringLiteral("report/axis");
const QString kCustomer = QStringLiteral("report/customer");
const QString kTechnician = QStringLiteral("report/technician");
const QString kNote = QStringLiteral("report/note");
const QString kReference = QStringLiteral("report/reference");
} // namespace

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
