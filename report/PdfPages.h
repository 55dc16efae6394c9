#pragma once

#include "report/PdfTextMap.h"
#include "report/ReportModel.h"

#include <QFont>
#include <QRectF>
#include <vector>

class QPainter;
class QPdfWriter;

// Lays a report out on the pages of a PDF writer and paints it: the head
// at the top of every page and the page number at its foot; each sheet a
// table whose title and column headers start every page it runs onto; rows
// never cut between pages; then the other parameters several to a line and
// the summary. The layout is done by hand, row by row, because a cut row
// leaves its text on both pages.
class PdfPages {
public:
    // Every text painted is noted in `printed`, for the PDF's character maps.
    PdfPages(QPdfWriter& writer, const ReportModel& model, PdfTextMap& printed);

    // The number of pages the report takes; paints nothing.
    int Count();

    // Paints every page; `pages` is what Count() gave, for the foot.
    void Paint(int pages);

private:
    struct Fonts {
        QFont title, sheet, body, bold, small;
    };

    int Run();
    void StartPage();
    void FinishPage();
    void EnsureRoom(qreal height);
    void Head();
    void Foot();
    void Sheet(const ReportSheet& sheet);
    void SheetTop(const ReportSheet& sheet);
    qreal RowHeight(const ReportRow& row) const;
    void Row(const ReportRow& row, qreal height);
    void Heading(const QString& text);
    void Extras();
    void Summary();
    void Fields();
    void LongField(const ReportField& field, qreal labelWidth);
    QStringList WrappedLines(const QFont& font, qreal width, const QString& text) const;
    void Differences();
    void Signatures();
    void Table(const std::vector<qreal>& shares, const QStringList& headers,
               const std::vector<QStringList>& rows);
    void TableHeader(const std::vector<qreal>& shares, const QStringList& headers);
    qreal TextHeight(const QFont& font, qreal width, const QString& text) const;
    void Text(const QRectF& box, const QFont& font, const QString& text, int flags,
              const QColor& colour);
    void Box(const QRectF& box, const QColor& fill);
    QRectF Cell(int column, qreal top, qreal height) const;
    // Fixed texts in the report's language.
    QString Words(const QString& text) const;
    QStringList Words(const QStringList& texts) const;
    QString Labelled(const QString& label, const QString& text) const;

    QPdfWriter& writer_;
    const ReportModel& model_;
    PdfTextMap& printed_;
    Fonts fonts_;
    QPainter* painter_ = nullptr; // null while counting
    int pages_ = 0;               // the total, for the foot
    int page_ = 0;                // the page being laid out, 1..
    qreal width_ = 0;             // of the printable area, device pixels
    qreal bodyTop_ = 0;
    qreal bodyBottom_ = 0;
    qreal y_ = 0;   // where the next item goes
    qreal pad_ = 0; // inside a cell
};
