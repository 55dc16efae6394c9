#include "report/ReportPdf.h"

#include "core/TarnError.h"
#include "report/ReportFormat.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

constexpr int kResolution = 600; // dots per inch of the layout
constexpr qreal kMarginMm = 12;
constexpr int kExtrasPerLine = 7;
const char* const kOutColour = "#fde2e2";
const char* const kMarkColour = "#c00000";
const char* const kFaintColour = "#666666";

QString Esc(const QString& text) {
    return text.toHtmlEscaped();
}

// Qt's rich text knows no style sheet classes on cells, so every cell
// carries its own attributes.
QString Cell(const QString& content, bool outOfRange, const QString& extra = QString()) {
    const QString background =
        outOfRange ? QStringLiteral(" bgcolor=\"%1\"").arg(QLatin1String(kOutColour)) : QString();
    return QStringLiteral("<td%1%2>%3</td>").arg(background, extra, content);
}

QString RowHtml(const ReportRow& r) {
    const bool out = r.outOfRange;
    QString mark;
    if (out)
        mark = QStringLiteral("<b><font color=\"%1\">%2</font></b>")
                   .arg(QLatin1String(kMarkColour), Esc(report_text::kOutMark));
    QString description = Esc(r.description);
    if (!r.gloss.isEmpty())
        description += QStringLiteral("<br/><span style=\"font-size:6pt; color:%1\">%2</span>")
                           .arg(QLatin1String(kFaintColour), Esc(r.gloss));
    const QString value = r.noValue ? QStringLiteral("<i><font color=\"%1\">%2</font></i>")
                                          .arg(QLatin1String(kFaintColour), Esc(r.display))
                                    : Esc(r.display);
    return QStringLiteral("<tr>") + Cell(mark, out, QStringLiteral(" align=\"center\"")) +
           Cell(Esc(r.number), out) + Cell(description, out) + Cell(Esc(r.controlMode), out) +
           Cell(value, out) + Cell(Esc(r.unit), out) + Cell(Esc(r.minText), out) +
           Cell(Esc(r.maxText), out) + QStringLiteral("</tr>\n");
}

QString TableStart() {
    return QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                          "style=\"border-collapse: collapse; border-color: #999999\">");
}

QString SheetHtml(const ReportSheet& sheet) {
    // Widths of the mark column and the grid's seven, in per cent.
    static const int kWidths[] = {3, 8, 37, 14, 9, 9, 10, 10};
    QString html = QStringLiteral("<h2>%1</h2>").arg(Esc(sheet.title)) + TableStart();
    html += QStringLiteral("<thead><tr bgcolor=\"#e8e8e8\"><th width=\"%1%\">%2</th>")
                .arg(kWidths[0])
                .arg(Esc(report_text::kOutMark));
    for (int i = 0; i < report_text::kGridColumns.size(); ++i)
        html += QStringLiteral("<th width=\"%1%\" align=\"left\">%2</th>")
                    .arg(kWidths[i + 1])
                    .arg(Esc(report_text::kGridColumns[i]));
    html += QStringLiteral("</tr></thead>\n");
    for (const ReportRow& r : sheet.rows)
        html += RowHtml(r);
    return html + QStringLiteral("</table>\n");
}

QString ExtraHtml(const ReportExtra& e) {
    const QString value = e.noValue ? QStringLiteral("<i>%1</i>").arg(Esc(e.shown)) : Esc(e.shown);
    return QStringLiteral("<td><font color=\"%1\">%2</font>&nbsp;%3</td>")
        .arg(QLatin1String(kFaintColour), Esc(e.number), value);
}

QString ExtrasHtml(const std::vector<ReportExtra>& extras) {
    QString html = QStringLiteral("<h2>%1</h2>").arg(Esc(report_text::kExtrasTitle)) +
                   QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
    for (std::size_t i = 0; i < extras.size(); i += kExtrasPerLine) {
        html += QStringLiteral("<tr>");
        for (std::size_t j = i; j < i + kExtrasPerLine; ++j)
            html += j < extras.size() ? ExtraHtml(extras[j]) : QStringLiteral("<td></td>");
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString SummaryHtml(const ReportSummary& s) {
    using namespace report_text;
    QString html = QStringLiteral("<h2>%1</h2>").arg(Esc(kSummaryTitle)) + TableStart();
    const std::pair<QString, int> items[] = {{kParametersLabel, s.parameters},
                                             {kOutOfRangeLabel, s.outOfRange},
                                             {kWithoutValueLabel, s.withoutValue}};
    for (const auto& [label, count] : items)
        html += QStringLiteral("<tr><td width=\"20%\">%1</td><td width=\"10%\" "
                               "align=\"right\">%2</td><td></td></tr>")
                    .arg(Esc(label))
                    .arg(count);
    return html + QStringLiteral("</table>\n");
}

QString BodyHtml(const ReportModel& model) {
    QString html = QStringLiteral("<html><head><style>h2 { font-size: 11pt; margin-top: 10px; "
                                  "margin-bottom: 4px; } th { font-weight: bold; }</style>"
                                  "</head><body>");
    for (const ReportSheet& sheet : model.sheets)
        html += SheetHtml(sheet);
    html += ExtrasHtml(model.extras);
    html += SummaryHtml(model.summary);
    return html + QStringLiteral("</body></html>");
}

QFont ReportFont(qreal pointSize, bool bold = false) {
    QFont font(ReportFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Shaped text maps Latin digits to glyphs that the PDF's character map
    // does not lead back to, so searching or copying the PDF would lose
    // every digit; unshaped, CJK and Latin text keep their characters.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The bands above and below the body on every page, in device pixels.
struct PageFrame {
    QRectF page;
    qreal headHeight;
    qreal footHeight;
    QRectF Body() const {
        return QRectF(0, headHeight, page.width(), page.height() - headHeight - footHeight);
    }
};

PageFrame FrameOf(const QPdfWriter& writer) {
    const QRectF page(QPointF(0, 0), writer.pageLayout().paintRectPixels(kResolution).size());
    const qreal line = QFontMetricsF(ReportFont(8), &writer).height();
    const qreal title = QFontMetricsF(ReportFont(13, true), &writer).height();
    return {page, title + 2.6 * line, 2 * line};
}

void DrawHead(QPainter& painter, const PageFrame& frame, const ReportHead& head) {
    using namespace report_text;
    const qreal width = frame.page.width();
    painter.setFont(ReportFont(13, true));
    const qreal titleHeight = painter.fontMetrics().height();
    painter.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     head.title);
    painter.setFont(ReportFont(8));
    const qreal line = painter.fontMetrics().height();
    painter.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignRight | Qt::AlignVCenter,
                     kTimeLabel + QStringLiteral("：") + head.timestamp);
    const QString info = kSourceLabel + QStringLiteral("：") + head.source +
                         QStringLiteral("　　") + kVersionLabel + QStringLiteral("：") +
                         head.version;
    painter.drawText(QRectF(0, titleHeight, width, line), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(info, Qt::ElideMiddle, int(width)));
    const qreal rule = titleHeight + 1.3 * line;
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));
}

void DrawFoot(QPainter& painter, const PageFrame& frame, int page, int pages) {
    painter.setFont(ReportFont(7));
    const qreal line = painter.fontMetrics().height();
    const QRectF foot(0, frame.page.height() - line, frame.page.width(), line);
    painter.drawText(foot, Qt::AlignCenter,
                     QStringLiteral("第 %1 頁，共 %2 頁").arg(page).arg(pages));
}

void DrawPages(QPdfWriter& writer, QTextDocument& body, const PageFrame& frame,
               const ReportHead& head) {
    QPainter painter(&writer);
    const QRectF area = frame.Body();
    const int pages = body.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        DrawHead(painter, frame, head);
        painter.save();
        // The document is laid out as one strip of pages; page i of it is
        // moved into the body band.
        painter.translate(area.left(), area.top() - i * area.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * area.height(), area.width(), area.height());
        painter.setClipRect(context.clip);
        body.documentLayout()->draw(&painter, context);
        painter.restore();
        DrawFoot(painter, frame, i + 1, pages);
    }
}

} // namespace

QString ReportFontFamily() {
    const QStringList families = QFontDatabase::families();
    for (const QString& wanted : {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("CJK TC"),
                                  QStringLiteral("CJK")}) {
        for (const QString& family : families) {
            if (family.contains(wanted, Qt::CaseInsensitive) &&
                !family.contains(QLatin1String("Mono"), Qt::CaseInsensitive))
                return family;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QByteArray ReportPdfBytes(const ReportModel& model) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        throw EToolkitError(QStringLiteral("A PDF report needs a QGuiApplication "
                                           "(QT_QPA_PLATFORM=offscreen runs one without a display)"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(model.head.title);
        writer.setCreator(model.head.version);
        const PageFrame frame = FrameOf(writer);
        QTextDocument body;
        body.documentLayout()->setPaintDevice(&writer);
        body.setDefaultFont(ReportFont(8));
        body.setDocumentMargin(0);
        body.setPageSize(frame.Body().size());
        body.setHtml(BodyHtml(model));
        DrawPages(writer, body, frame, model.head);
    }
    return buffer.data();
}

void WriteReportPdf(const ReportModel& model, const QString& fileName) {
    WriteReportFile(fileName, ReportPdfBytes(model));
}
