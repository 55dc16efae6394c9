#pragma once

#include "report/ReportBuilder.h"

#include <QString>

class QSettings;

// What the window program asks for before a report (the 報告資料 form):
// the handover fields and, optionally, a reference file.
struct ReportInfo {
    ReportHandover handover;
    QString referenceFile; // empty: no reference
    Language language = Language::Chinese; // what the report reads in
};

// Why the handover fields cannot go into a report, empty when they can: a
// control character (C0 but a line feed in 備註, tab included; DEL; C1)
// would leave the HTML not well formed and vanish from the PDF. Names the
// first field as the form labels it and the character's place in it:
// "備註 含有控制字元（第 3 個字元）". Both programs check with it.
QString HandoverFault(const ReportHandover& handover);

// What the 報告資料 form says before it closes, empty when nothing:
// HandoverFault, then the reference file's refusal by the whole-file check.
QString ReportInfoFault(const ReportInfo& info);

// The form's fields as last confirmed, kept between runs; empty texts the
// first time.
ReportInfo LoadReportInfo(const QSettings& settings);
void SaveReportInfo(QSettings& settings, const ReportInfo& info);
