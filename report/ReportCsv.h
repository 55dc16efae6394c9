#pragma once

#include "report/ReportModel.h"

#include <QByteArray>
#include <QString>

// The report as CSV: a header line
//   number,description,gloss,control_mode,value_text,display,unit,min,max,in_range
// then one line per parameter, all of them in file order. UTF-8 with a byte
// order mark (so spreadsheet programs take it as UTF-8), comma separated,
// every line ended by CR LF; a field holding a comma, a quote or a line
// break is quoted, its quotes doubled. in_range is "yes", "no" or empty (see
// ReportRow::inRange); display is empty for a parameter without a row.
// Against a reference file two columns follow: reference_value_text (the
// reference's value text, raw as value_text) and differs ("yes" or "no").
QByteArray ReportCsvBytes(const ReportModel& model);
