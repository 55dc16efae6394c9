#pragma once

#include "report/ReportBuilder.h"

#include <QString>

class QSettings;

// What the window program asks for before a report (the 報告資料 form):
// the handover fields and, optionally, a reference file.
struct ReportInfo {
    ReportHandover handover;
    QString referenceFile; // empty: no reference
};

// The form's fields as last confirmed, kept between runs; empty texts the
// first time.
ReportInfo LoadReportInfo(const QSettings& settings);
void SaveReportInfo(QSettings& settings, const ReportInfo& info);
