#pragma once

#include "report/ReportModel.h"

#include <QString>

// The report as one self-contained HTML page: styles inside, no scripts, no
// other files. Readable on a phone: the tables scroll sideways on a narrow
// screen. Every text is escaped, and the markup is well-formed XML as well
// (empty elements closed), so an XML reader can take it apart.
QString ReportHtml(const ReportModel& model);
