#pragma once

#include "report/ReportModel.h"

#include <QByteArray>
#include <QString>

// The report as a PDF on A4: the head (title, time, source, version) at the
// top of every page, page numbers at the foot, each sheet a table whose
// header row repeats after a page break, then the other parameters several
// to a line and the summary. The text is set in a CJK face found through
// the font database (a Noto Sans CJK family where installed), embedded in
// the file.
//
// Needs a QGuiApplication, because fonts and text layout belong to QtGui; a
// program without a display can run it on the offscreen platform
// (QT_QPA_PLATFORM=offscreen). Throws EToolkitError when there is none.
QByteArray ReportPdfBytes(const ReportModel& model);

// The font family the PDF is set in: the first installed family of Noto
// Sans CJK TC, any "CJK TC" family, any "CJK" family, else the default.
QString ReportFontFamily();
