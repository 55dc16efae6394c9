#include "report/ReportHtml.h"

namespace {

const char* const kStyle = R"(
body { font-family: "Noto Sans CJK TC", "Noto Sans TC", "PingFang TC", "Microsoft JhengHei",
       sans-serif; margin: 1em; color: #111; font-size: 15px; line-height: 1.35; }
header { border-bottom: 2px solid #333; margin-bottom: 1em; }
h1 { font-size: 1.5em; margin: 0 0 .3em; }
dl { display: grid; grid-template-columns: max-content 1fr; gap: .1em 1em; margin: 0 0 .6em; }
dt { font-weight: bold; }
dd { margin: 0; overflow-wrap: anywhere; white-space: pre-line; }
dl.handover { font-size: 1.1em; }
h2 { font-size: 1.15em; margin: 1.4em 0 .4em; }
h3 { font-size: 1em; margin: 1em 0 .3em; }
.scroll { overflow-x: auto; }
table { border-collapse: collapse; width: 100%; min-width: 44em; }
th, td { border: 1px solid #bbb; padding: .25em .45em; text-align: left; vertical-align: top; }
th { background: #e8e8e8; }
td.nowrap { white-space: nowrap; }
.gloss { display: block; font-size: .78em; color: #666; }
tr.out, tr.out td { background: #fde2e2; }
td.mark { color: #c00; font-weight: bold; text-align: center; width: 1.2em; }
tr.none td.value { color: #777; font-style: italic; }
tr.differs td.value { font-weight: bold; }
ul.extras li.differs { font-weight: bold; }
p.numbers { overflow-wrap: anywhere; }
.signatures { display: grid; grid-template-columns: repeat(auto-fit, minmax(14em, 1fr));
              gap: 2em; margin-top: 2.5em; }
.signatures div { border-top: 1px solid #333; padding-top: .3em; min-height: 3em; }
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

QString Fields(const std::vector<ReportField>& fields, const QString& cls) {
    QString html = QStringLiteral("<dl class=\"%1\">").arg(cls);
    for (const ReportField& field : fields)
        html += QStringLiteral("<dt>%1</dt><dd>%2</dd>").arg(Esc(field.label), Esc(field.text));
    return html + QStringLiteral("</dl>");
}

QString Head(const ReportHead& head) {
    QString html = QStringLiteral("<header><h1>%1</h1>").arg(Esc(head.title));
    if (!head.handover.empty())
        html += Fields(head.handover, QStringLiteral("handover"));
    return html + Fields(head.identity, QStringLiteral("identity")) +
           QStringLiteral("</header>\n");
}

QString Row(const ReportRow& r, Language language) {
    QStringList classes;
    if (r.outOfRange)
        classes << QStringLiteral("out");
    if (r.noValue)
        classes << QStringLiteral("none");
    if (r.differs)
        classes << QStringLiteral("differs");
    QString html = classes.isEmpty()
                       ? QStringLiteral("<tr>")
                       : QStringLiteral("<tr class=\"%1\">").arg(classes.join(QLatin1Char(' ')));
    const QStringList label = ReportWords(language, report_text::kGridColumns);
    html += Cell(MarkOf(r), QStringLiteral("mark"));
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

QString Sheet(const ReportSheet& sheet, Language language) {
    QString html =
        QStringLiteral(
            "<section id=\"%1\"><h2>%1</h2><div class=\"scroll\"><table class=\"grid\"><thead><tr>"
            "<th title=\"%3\">%2</th>")
            .arg(Esc(sheet.title), Esc(report_text::kOutMark),
                 Esc(ReportWords(language, report_text::kOutOfRangeLabel)));
    for (const QString& title : ReportWords(language, report_text::kGridColumns))
        html += QStringLiteral("<th>%1</th>").arg(Esc(title));
    html += QStringLiteral("</tr></thead><tbody>\n");
    for (const ReportRow& r : sheet.rows)
        html += Row(r, language);
    return html + QStringLiteral("</tbody></table></div></section>\n");
}

QString Extras(const std::vector<ReportExtra>& extras, Language language) {
    QString html = QStringLiteral("<section id=\"extras\"><h2>%1</h2><ul class=\"extras\">")
                       .arg(Esc(ReportWords(language, report_text::kExtrasTitle)));
    for (const ReportExtra& e : extras) {
        const QString value =
            e.noValue ? QStringLiteral("<span class=\"none\">%1</span>").arg(Esc(e.shown))
                      : Esc(e.shown);
        html += QStringLiteral("<li%1><b>%2</b>%3</li>")
                    .arg(e.differs ? QStringLiteral(" class=\"differs\"") : QString(),
                         Esc(e.number + (e.differs ? report_text::kDiffersMark : QString())),
                         value);
    }
    return html + QStringLiteral("</ul></section>\n");
}

// A table with a header row; `rows` hold the cells' texts.
QString Table(const QString& cls, const QStringList& headers, const std::vector<QStringList>& rows) {
    QString html = QStringLiteral("<div class=\"scroll\"><table class=\"%1\"><thead><tr>").arg(cls);
    for (const QString& header : headers)
        html += QStringLiteral("<th>%1</th>").arg(Esc(header));
    html += QStringLiteral("</tr></thead><tbody>\n");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString& text : row)
            html += QStringLiteral("<td>%1</td>").arg(Esc(text));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody></table></div>");
}

QString Differences(const std::vector<ReportDifference>& differences, Language language) {
    using namespace report_text;
    const auto words = [language](const QString& text) { return ReportWords(language, text); };
    const QStringList columns = ReportWords(language, kGridColumns);
    std::vector<QStringList> rows;
    for (const ReportDifference& d : differences)
        rows.push_back({d.number, d.description, d.display, d.referenceDisplay, d.unit});
    return QStringLiteral("<section id=\"differences\"><h2>%1</h2>")
               .arg(Esc(words(kDifferencesTitle))) +
           Table(QStringLiteral("differences"),
                 {columns[0], columns[1], columns[3], words(kReferenceValueLabel), columns[4]},
                 rows) +
           QStringLiteral("</section>\n");
}

QString Summary(const ReportModel& model) {
    using namespace report_text;
    const auto words = [&model](const QString& text) { return ReportWords(model.language, text); };
    const ReportSummary& s = model.summary;
    QString html =
        QStringLiteral("<section id=\"summary\"><h2>%1</h2><table class=\"summary\"><tbody>")
            .arg(Esc(words(kSummaryTitle)));
    std::vector<std::pair<QString, int>> items{{words(kParametersLabel), s.parameters},
                                               {words(kOutOfRangeLabel), s.outOfRange},
                                               {words(kWithoutValueLabel), s.withoutValue}};
    if (model.hasReference)
        items.push_back({words(kDifferencesLabel), s.differences});
    for (const auto& [label, count] : items)
        html += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>").arg(Esc(label)).arg(count);
    html += QStringLiteral("</tbody></table>\n");
    if (!s.outOfRangeRows.empty()) {
        std::vector<QStringList> rows;
        for (const ReportOutOfRange& r : s.outOfRangeRows)
            rows.push_back({r.number, r.description, r.display, r.range});
        const QStringList columns = ReportWords(model.language, kGridColumns);
        html += QStringLiteral("<h3>%1</h3>").arg(Esc(words(kOutOfRangeTitle))) +
                Table(QStringLiteral("outofrange"),
                      {columns[0], columns[1], columns[3], words(kRangeLabel)}, rows);
    }
    if (!s.withoutValueNumbers.isEmpty()) {
        html += QStringLiteral("<h3>%1</h3><p class=\"numbers\">%2</p>")
                    .arg(Esc(words(kWithoutValueTitle)),
                         Esc(s.withoutValueNumbers.join(QLatin1Char(' '))));
    }
    return html + QStringLiteral("</section>\n");
}

QString Signatures(Language language) {
    QString html = QStringLiteral("<section class=\"signatures\">");
    for (const QString& label : ReportWords(language, report_text::kSignatures))
        html += QStringLiteral("<div>%1</div>").arg(Esc(label));
    return html + QStringLiteral("</section>\n");
}

} // namespace

QString ReportHtml(const ReportModel& model) {
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" "
                       "lang=\"%3\">\n<head><meta charset=\"utf-8\"/>"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>"
                       "<title>%1</title><style>%2</style></head>\n<body>\n")
            .arg(Esc(model.head.title + QLatin1Char(' ') + model.head.timestamp),
                 QString::fromUtf8(kStyle), HtmlLanguageTag(model.language));
    html += Head(model.head);
    for (const ReportSheet& sheet : model.sheets)
        html += Sheet(sheet, model.language);
    if (model.hasReference)
        html += Differences(model.differences, model.language);
    html += Extras(model.extras, model.language);
    html += Summary(model);
    html += Signatures(model.language);
    return html + QStringLiteral("</body>\n</html>\n");
}
