#include "report/ReportHtml.h"

#include "report/ReportFormat.h"

namespace {

const char* const kStyle = R"(
body { font-family: "Noto Sans CJK TC", "Noto Sans TC", "PingFang TC", "Microsoft JhengHei",
       sans-serif; margin: 1em; color: #111; font-size: 15px; line-height: 1.35; }
header { border-bottom: 2px solid #333; margin-bottom: 1em; }
h1 { font-size: 1.5em; margin: 0 0 .3em; }
dl { display: grid; grid-template-columns: max-content 1fr; gap: .1em 1em; margin: 0 0 .6em; }
dt { font-weight: bold; }
dd { margin: 0; overflow-wrap: anywhere; }
h2 { font-size: 1.15em; margin: 1.4em 0 .4em; }
.scroll { overflow-x: auto; }
table { border-collapse: collapse; width: 100%; min-width: 44em; }
th, td { border: 1px solid #bbb; padding: .25em .45em; text-align: left; vertical-align: top; }
th { background: #e8e8e8; }
td.nowrap { white-space: nowrap; }
.gloss { display: block; font-size: .78em; color: #666; }
tr.out, tr.out td { background: #fde2e2; }
td.mark { color: #c00; font-weight: bold; text-align: center; width: 1.2em; }
tr.none td.value { color: #777; font-style: italic; }
ul.extras { list-style: none; padding: 0; margin: 0; display: grid;
            grid-template-columns: repeat(auto-fill, minmax(7em, 1fr)); gap: .15em 1em; }
ul.extras b { font-weight: normal; color: #555; margin-right: .4em; }
ul.extras .none { color: #777; font-style: italic; }
table.summary { width: auto; min-width: 0; }
/* On a phone each row becomes a card: number and description, then the
   other columns named by their headers, wrapped as the width allows. */
@media (max-width: 600px) {
  body { margin: .5em; font-size: 14px; }
  table.grid { min-width: 0; }
  table.grid thead { display: none; }
  table.grid, table.grid tbody { display: block; }
  table.grid tr { display: flex; flex-wrap: wrap; gap: .1em .9em; border: 1px solid #bbb;
                  margin: 0 0 .4em; padding: .3em .5em; }
  table.grid td { display: block; border: none; padding: 0; }
  table.grid td.mark { width: auto; }
  table.grid td.mark:empty { display: none; }
  table.grid td.number { font-weight: bold; }
  table.grid td.desc { flex-basis: 100%; }
  table.grid td[data-label]::before { content: attr(data-label) " "; color: #666;
                                      font-size: .85em; }
}
)";

QString Esc(const QString& text) {
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    return escaped;
}

// A cell; `label` is its column header, shown beside the value where the
// row is laid out as a card.
QString Cell(const QString& text, const QString& cls, const QString& label = QString()) {
    QString attributes = QStringLiteral(" class=\"%1\"").arg(cls);
    if (!label.isEmpty())
        attributes += QStringLiteral(" data-label=\"%1\"").arg(Esc(label));
    return QStringLiteral("<td%1>%2</td>").arg(attributes, Esc(text));
}

QString Head(const ReportHead& head) {
    using namespace report_text;
    QString html = QStringLiteral("<header><h1>%1</h1><dl>").arg(Esc(head.title));
    const std::pair<QString, QString> items[] = {
        {kTimeLabel, head.timestamp}, {kSourceLabel, head.source}, {kVersionLabel, head.version}};
    for (const auto& [label, value] : items)
        html += QStringLiteral("<dt>%1</dt><dd>%2</dd>").arg(Esc(label), Esc(value));
    return html + QStringLiteral("</dl></header>\n");
}

QString Row(const ReportRow& r) {
    QStringList classes;
    if (r.outOfRange)
        classes << QStringLiteral("out");
    if (r.noValue)
        classes << QStringLiteral("none");
    QString html = classes.isEmpty()
                       ? QStringLiteral("<tr>")
                       : QStringLiteral("<tr class=\"%1\">").arg(classes.join(QLatin1Char(' ')));
    const QStringList& label = report_text::kGridColumns;
    html += Cell(r.outOfRange ? report_text::kOutMark : QString(), QStringLiteral("mark"));
    html += Cell(r.number, QStringLiteral("number nowrap"));
    html += QStringLiteral("<td class=\"desc\">%1").arg(Esc(r.description));
    if (!r.gloss.isEmpty())
        html += QStringLiteral("<span class=\"gloss\" lang=\"en\">%1</span>").arg(Esc(r.gloss));
    html += QStringLiteral("</td>");
    html += Cell(r.controlMode, QStringLiteral("nowrap"), label[2]);
    html += Cell(r.display, QStringLiteral("value nowrap"), label[3]);
    html += Cell(r.unit, QStringLiteral("unit"), label[4]);
    html += Cell(r.minText, QStringLiteral("nowrap"), label[5]);
    html += Cell(r.maxText, QStringLiteral("nowrap"), label[6]);
    return html + QStringLiteral("</tr>\n");
}

QString Sheet(const ReportSheet& sheet) {
    QString html =
        QStringLiteral(
            "<section id=\"%1\"><h2>%1</h2><div class=\"scroll\"><table class=\"grid\"><thead><tr>"
            "<th title=\"超出範圍\">%2</th>")
            .arg(Esc(sheet.title), Esc(report_text::kOutMark));
    for (const QString& title : report_text::kGridColumns)
        html += QStringLiteral("<th>%1</th>").arg(Esc(title));
    html += QStringLiteral("</tr></thead><tbody>\n");
    for (const ReportRow& r : sheet.rows)
        html += Row(r);
    return html + QStringLiteral("</tbody></table></div></section>\n");
}

QString Extras(const std::vector<ReportExtra>& extras) {
    QString html = QStringLiteral("<section id=\"extras\"><h2>%1</h2><ul class=\"extras\">")
                       .arg(Esc(report_text::kExtrasTitle));
    for (const ReportExtra& e : extras) {
        const QString value =
            e.noValue ? QStringLiteral("<span class=\"none\">%1</span>").arg(Esc(e.shown))
                      : Esc(e.shown);
        html += QStringLiteral("<li><b>%1</b>%2</li>").arg(Esc(e.number), value);
    }
    return html + QStringLiteral("</ul></section>\n");
}

QString Summary(const ReportSummary& s) {
    using namespace report_text;
    QString html =
        QStringLiteral("<section id=\"summary\"><h2>%1</h2><table class=\"summary\"><tbody>")
            .arg(Esc(kSummaryTitle));
    const std::pair<QString, int> items[] = {{kParametersLabel, s.parameters},
                                             {kOutOfRangeLabel, s.outOfRange},
                                             {kWithoutValueLabel, s.withoutValue}};
    for (const auto& [label, count] : items)
        html += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>").arg(Esc(label)).arg(count);
    return html + QStringLiteral("</tbody></table></section>\n");
}

} // namespace

QString ReportHtml(const ReportModel& model) {
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" "
                       "lang=\"zh-Hant\">\n<head><meta charset=\"utf-8\"/>"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>"
                       "<title>%1</title><style>%2</style></head>\n<body>\n")
            .arg(Esc(model.head.title + QLatin1Char(' ') + model.head.timestamp),
                 QString::fromUtf8(kStyle));
    html += Head(model.head);
    for (const ReportSheet& sheet : model.sheets)
        html += Sheet(sheet);
    html += Extras(model.extras);
    html += Summary(model.summary);
    return html + QStringLiteral("</body>\n</html>\n");
}

void WriteReportHtml(const ReportModel& model, const QString& fileName) {
    WriteReportFile(fileName, ReportHtml(model).toUtf8());
}
