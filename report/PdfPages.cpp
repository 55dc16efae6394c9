#include "report/PdfPages.h"

#include "report/ReportPdf.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

namespace {

// Shares of the printable width: the mark column, then the grid's seven.
constexpr qreal kColumnShares[] = {0.04, 0.07, 0.34, 0.14, 0.09, 0.12, 0.10, 0.10};
constexpr int kColumns = 8;
constexpr int kExtrasPerLine = 7;

const QColor kInk(0x11, 0x11, 0x11);
const QColor kFaint(0x66, 0x66, 0x66);
const QColor kRule(0x99, 0x99, 0x99);
const QColor kMark(0xC0, 0x00, 0x00);
const QColor kOutFill(0xFD, 0xE2, 0xE2);
const QColor kTitleFill(0xD5, 0xDC, 0xE8);
const QColor kHeaderFill(0xE8, 0xE8, 0xE8);

QFont ReportFont(qreal pointSize, bool bold = false, bool italic = false) {
    QFont font(ReportFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Shaped text maps Latin digits to glyphs that the PDF's character map
    // does not lead back to, so searching or copying the PDF would lose
    // every digit; unshaped, CJK and Latin text keep their characters.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

qreal LineHeight(const QFont& font, QPaintDevice* device) {
    return QFontMetricsF(font, device).height();
}

} // namespace

PdfPages::PdfPages(QPdfWriter& writer, const ReportModel& model, PdfTextMap& printed)
    : writer_(writer), model_(model), printed_(printed), fonts_{ReportFont(13, true), ReportFont(10, true),
                                             ReportFont(8), ReportFont(8, true), ReportFont(6)} {
    const QRectF area(QPointF(0, 0),
                      writer.pageLayout().paintRectPixels(writer.resolution()).size());
    const qreal line = LineHeight(fonts_.body, &writer_);
    width_ = area.width();
    pad_ = 0.3 * line;
    bodyTop_ = LineHeight(fonts_.title, &writer_) + 2.2 * line;
    bodyBottom_ = area.height() - 2 * line;
}

int PdfPages::Count() {
    painter_ = nullptr;
    return Run();
}

void PdfPages::Paint(int pages) {
    QPainter painter(&writer_);
    painter_ = &painter;
    pages_ = pages;
    Run();
    painter_ = nullptr;
}

int PdfPages::Run() {
    page_ = 0;
    StartPage();
    Fields();
    for (const ReportSheet& sheet : model_.sheets)
        Sheet(sheet);
    if (model_.hasReference)
        Differences();
    Extras();
    Summary();
    Signatures();
    FinishPage();
    return page_;
}

void PdfPages::StartPage() {
    if (page_ > 0 && painter_ != nullptr)
        writer_.newPage();
    ++page_;
    y_ = bodyTop_;
    Head();
}

void PdfPages::FinishPage() {
    Foot();
}

void PdfPages::EnsureRoom(qreal height) {
    if (y_ + height > bodyBottom_ && y_ > bodyTop_) {
        FinishPage();
        StartPage();
    }
}

void PdfPages::Head() {
    using namespace report_text;
    const ReportHead& head = model_.head;
    const qreal title = LineHeight(fonts_.title, &writer_);
    const qreal line = LineHeight(fonts_.body, &writer_);
    const QRectF top(0, 0, width_, title);
    Text(top, fonts_.title, head.title, Qt::AlignLeft | Qt::AlignVCenter, kInk);
    Text(top, fonts_.body, Labelled(Words(kTimeLabel), head.timestamp),
         Qt::AlignRight | Qt::AlignVCenter, kInk);
    // The source at the left, the version at the right: two texts, not one
    // spaced apart, so that a reader takes them as they are.
    const QFontMetricsF metrics(fonts_.body, &writer_);
    const QString version = Labelled(Words(kVersionLabel), head.version);
    const qreal versionWidth = metrics.horizontalAdvance(version);
    const QRectF info(0, title, width_, line);
    Text(info, fonts_.body, version, Qt::AlignRight | Qt::AlignVCenter, kInk);
    const QString source = metrics.elidedText(Labelled(Words(kSourceLabel), head.source),
                                              Qt::ElideMiddle, width_ - versionWidth - 4 * pad_);
    Text(info, fonts_.body, source, Qt::AlignLeft | Qt::AlignVCenter, kInk);
    if (painter_ != nullptr) {
        const qreal rule = title + 1.4 * line;
        painter_->setPen(QPen(kInk, 0.4 * pad_));
        painter_->drawLine(QPointF(0, rule), QPointF(width_, rule));
    }
}

void PdfPages::Foot() {
    const qreal line = LineHeight(fonts_.small, &writer_);
    const QRectF foot(0, bodyBottom_ + line, width_, line);
    Text(foot, fonts_.small,
         Translated(model_.language, "Report", QT_TRANSLATE_NOOP("Report", "第 %1 頁，共 %2 頁"))
             .arg(page_)
             .arg(pages_),
         Qt::AlignCenter, kFaint);
}

QString PdfPages::Words(const QString& text) const {
    return ReportWords(model_.language, text);
}

QStringList PdfPages::Words(const QStringList& texts) const {
    return ReportWords(model_.language, texts);
}

// "日期時間：2026-…": a label and its text on one line.
QString PdfPages::Labelled(const QString& label, const QString& text) const {
    return Translated(model_.language, "Report", QT_TRANSLATE_NOOP("Report", "%1：%2"))
        .arg(label, text);
}

QRectF PdfPages::Cell(int column, qreal top, qreal height) const {
    qreal left = 0;
    for (int i = 0; i < column; ++i)
        left += kColumnShares[i] * width_;
    return QRectF(left, top, kColumnShares[column] * width_, height);
}

void PdfPages::Sheet(const ReportSheet& sheet) {
    const qreal top =
        LineHeight(fonts_.sheet, &writer_) + LineHeight(fonts_.bold, &writer_) + 4 * pad_;
    EnsureRoom(top + (sheet.rows.empty() ? 0 : RowHeight(sheet.rows.front())));
    SheetTop(sheet);
    for (const ReportRow& row : sheet.rows) {
        const qreal height = RowHeight(row);
        if (y_ + height > bodyBottom_) {
            FinishPage();
            StartPage();
            SheetTop(sheet);
        }
        Row(row, height);
    }
    y_ += 3 * pad_;
}

// The sheet's title bar and the column headers, at the start of the sheet
// and again at the top of every page it runs onto.
void PdfPages::SheetTop(const ReportSheet& sheet) {
    const qreal titleHeight = LineHeight(fonts_.sheet, &writer_) + 2 * pad_;
    const QRectF bar(0, y_, width_, titleHeight);
    Box(bar, kTitleFill);
    Text(bar.adjusted(pad_, 0, -pad_, 0), fonts_.sheet, sheet.title,
         Qt::AlignLeft | Qt::AlignVCenter, kInk);
    y_ += titleHeight;
    const qreal height = LineHeight(fonts_.bold, &writer_) + 2 * pad_;
    QStringList titles{report_text::kOutMark};
    titles << Words(report_text::kGridColumns);
    for (int c = 0; c < kColumns; ++c) {
        const QRectF cell = Cell(c, y_, height);
        Box(cell, kHeaderFill);
        Text(cell.adjusted(pad_, pad_, -pad_, -pad_), fonts_.bold, titles[c],
             (c == 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, kInk);
    }
    y_ += height;
}

qreal PdfPages::RowHeight(const ReportRow& row) const {
    const QStringList texts{row.number, row.description, row.controlMode, row.display,
                            row.unit,   row.minText,     row.maxText};
    qreal height = 0;
    for (int c = 1; c < kColumns; ++c)
        height = std::max(height,
                          TextHeight(fonts_.body, Cell(c, 0, 0).width() - 2 * pad_, texts[c - 1]));
    if (!row.gloss.isEmpty()) {
        const qreal width = Cell(2, 0, 0).width() - 2 * pad_;
        height = std::max(height, TextHeight(fonts_.body, width, row.description) +
                                      TextHeight(fonts_.small, width, row.gloss));
    }
    return height + 2 * pad_;
}

void PdfPages::Row(const ReportRow& row, qreal height) {
    const QColor fill = row.outOfRange ? kOutFill : QColor();
    for (int c = 0; c < kColumns; ++c)
        Box(Cell(c, y_, height), fill);
    const auto inner = [&](int c) {
        return Cell(c, y_, height).adjusted(pad_, pad_, -pad_, -pad_);
    };
    const int flags = Qt::AlignLeft | Qt::AlignTop;
    Text(inner(0), fonts_.bold, MarkOf(row), Qt::AlignHCenter | Qt::AlignTop, kMark);
    Text(inner(1), fonts_.body, row.number, flags, kInk);
    const QRectF description = inner(2);
    Text(description, fonts_.body, row.description, flags, kInk);
    const qreal below = TextHeight(fonts_.body, description.width(), row.description);
    Text(description.adjusted(0, below, 0, 0), fonts_.small, row.gloss, flags, kFaint);
    Text(inner(3), fonts_.body, row.controlMode, flags, kInk);
    QFont valueFont = fonts_.body;
    valueFont.setItalic(row.noValue);
    Text(inner(4), valueFont, row.display, flags, row.noValue ? kFaint : kInk);
    Text(inner(5), fonts_.body, row.unit, flags, kInk);
    Text(inner(6), fonts_.body, row.minText, flags, kInk);
    Text(inner(7), fonts_.body, row.maxText, flags, kInk);
    y_ += height;
}

void PdfPages::Heading(const QString& text) {
    const qreal height = LineHeight(fonts_.sheet, &writer_) + 2 * pad_;
    EnsureRoom(height + 2 * LineHeight(fonts_.body, &writer_));
    Text(QRectF(0, y_, width_, height), fonts_.sheet, text, Qt::AlignLeft | Qt::AlignVCenter, kInk);
    y_ += height;
}

void PdfPages::Extras() {
    Heading(Words(report_text::kExtrasTitle));
    const qreal line = LineHeight(fonts_.body, &writer_) + pad_;
    const qreal column = width_ / kExtrasPerLine;
    // Room for a number marked as differing, in bold.
    const qreal numberWidth = QFontMetricsF(fonts_.bold, &writer_)
                                  .horizontalAdvance("Pn000" + report_text::kDiffersMark + " ");
    const std::vector<ReportExtra>& extras = model_.extras;
    for (std::size_t i = 0; i < extras.size(); i += kExtrasPerLine) {
        EnsureRoom(line);
        for (std::size_t j = i; j < std::min(extras.size(), i + kExtrasPerLine); ++j) {
            const ReportExtra& e = extras[j];
            const QRectF box((j - i) * column, y_, column, line);
            Text(box, e.differs ? fonts_.bold : fonts_.body,
                 e.number + (e.differs ? report_text::kDiffersMark : QString()),
                 Qt::AlignLeft | Qt::AlignVCenter, e.differs ? kMark : kFaint);
            QFont valueFont = fonts_.body;
            valueFont.setItalic(e.noValue);
            Text(box.adjusted(numberWidth, 0, 0, 0), valueFont, e.shown,
                 Qt::AlignLeft | Qt::AlignVCenter, e.noValue ? kFaint : kInk);
        }
        y_ += line;
    }
    y_ += 3 * pad_;
}

void PdfPages::Summary() {
    using namespace report_text;
    Heading(Words(kSummaryTitle));
    const ReportSummary& s = model_.summary;
    std::vector<std::pair<QString, int>> items{{Words(kParametersLabel), s.parameters},
                                               {Words(kOutOfRangeLabel), s.outOfRange},
                                               {Words(kWithoutValueLabel), s.withoutValue}};
    if (model_.hasReference)
        items.push_back({Words(kDifferencesLabel), s.differences});
    const qreal height = LineHeight(fonts_.body, &writer_) + 2 * pad_;
    for (const auto& [label, count] : items) {
        EnsureRoom(height);
        const QRectF name(0, y_, 0.2 * width_, height);
        const QRectF number(name.right(), y_, 0.1 * width_, height);
        Box(name, kHeaderFill);
        Box(number, QColor());
        Text(name.adjusted(pad_, 0, -pad_, 0), fonts_.body, label, Qt::AlignLeft | Qt::AlignVCenter,
             kInk);
        Text(number.adjusted(pad_, 0, -pad_, 0), fonts_.body, QString::number(count),
             Qt::AlignRight | Qt::AlignVCenter, kInk);
        y_ += height;
    }
    y_ += 3 * pad_;
    if (!s.outOfRangeRows.empty()) {
        const QStringList columns = Words(kGridColumns);
        Heading(Words(kOutOfRangeTitle));
        std::vector<QStringList> rows;
        for (const ReportOutOfRange& r : s.outOfRangeRows)
            rows.push_back({r.number, r.description, r.display, r.range});
        Table({0.10, 0.45, 0.20, 0.25}, {columns[0], columns[1], columns[3], Words(kRangeLabel)},
              rows);
    }
    if (!s.withoutValueNumbers.isEmpty()) {
        Heading(Words(kWithoutValueTitle));
        const QString numbers = s.withoutValueNumbers.join(QLatin1Char(' '));
        const qreal textHeight = TextHeight(fonts_.body, width_, numbers);
        EnsureRoom(textHeight);
        Text(QRectF(0, y_, width_, textHeight), fonts_.body, numbers, Qt::AlignLeft | Qt::AlignTop,
             kInk);
        y_ += textHeight + 3 * pad_;
    }
}

// The identity lines the running head leaves out (a file's time and
// checksum, the reference) and the handover fields, on the first page.
void PdfPages::Fields() {
    using namespace report_text;
    std::vector<ReportField> fields;
    for (const ReportField& f : model_.head.identity) {
        if (f.label != Words(kTimeLabel) && f.label != Words(kSourceLabel) &&
            f.label != Words(kVersionLabel))
            fields.push_back(f);
    }
    fields.insert(fields.end(), model_.head.handover.begin(), model_.head.handover.end());
    const qreal labelWidth = 0.16 * width_;
    for (const ReportField& f : fields) {
        const qreal height =
            std::max(TextHeight(fonts_.bold, labelWidth, f.label),
                     TextHeight(fonts_.body, width_ - labelWidth - 2 * pad_, f.text)) +
            pad_;
        if (height > bodyBottom_ - bodyTop_) {
            LongField(f, labelWidth);
            continue;
        }
        EnsureRoom(height);
        Text(QRectF(0, y_, labelWidth, height), fonts_.bold, f.label, Qt::AlignLeft | Qt::AlignTop,
             kInk);
        Text(QRectF(labelWidth + pad_, y_, width_ - labelWidth - pad_, height), fonts_.body, f.text,
             Qt::AlignLeft | Qt::AlignTop, kInk);
        y_ += height;
    }
    if (!fields.empty())
        y_ += 3 * pad_;
}

// A field taller than a page (a long note) flows on line by line, as the
// rows do: as many of its wrapped lines as fit, then the next page.
void PdfPages::LongField(const ReportField& field, qreal labelWidth) {
    const qreal width = width_ - labelWidth - 2 * pad_;
    const QStringList lines = WrappedLines(fonts_.body, width, field.text);
    const qreal line = LineHeight(fonts_.body, &writer_);
    bool first = true;
    for (qsizetype done = 0; done < lines.size();) {
        qsizetype count =
            std::min<qsizetype>(qsizetype((bodyBottom_ - y_ - pad_) / line), lines.size() - done);
        QString chunk = lines.mid(done, count).join(QLatin1Char('\n'));
        while (count > 0 && y_ + TextHeight(fonts_.body, width, chunk) + pad_ > bodyBottom_)
            chunk = lines.mid(done, --count).join(QLatin1Char('\n'));
        if (count <= 0) {
            FinishPage();
            StartPage();
            continue;
        }
        const qreal height = TextHeight(fonts_.body, width, chunk) + pad_;
        if (first)
            Text(QRectF(0, y_, labelWidth, height), fonts_.bold, field.label,
                 Qt::AlignLeft | Qt::AlignTop, kInk);
        Text(QRectF(labelWidth + pad_, y_, width_ - labelWidth - pad_, height), fonts_.body, chunk,
             Qt::AlignLeft | Qt::AlignTop, kInk);
        first = false;
        y_ += height;
        done += count;
    }
}

// The lines `text` takes at `width`, each as it is printed there.
QStringList PdfPages::WrappedLines(const QFont& font, qreal width, const QString& text) const {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font, &writer_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine wrapped = layout.createLine(); wrapped.isValid();
             wrapped = layout.createLine()) {
            wrapped.setLineWidth(width);
            lines << paragraph.mid(wrapped.textStart(), wrapped.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines;
}

void PdfPages::Differences() {
    using namespace report_text;
    Heading(Words(kDifferencesTitle));
    const QStringList columns = Words(kGridColumns);
    std::vector<QStringList> rows;
    for (const ReportDifference& d : model_.differences)
        rows.push_back({d.number, d.description, d.display, d.referenceDisplay, d.unit});
    Table({0.10, 0.40, 0.18, 0.18, 0.14},
          {columns[0], columns[1], columns[3], Words(kReferenceValueLabel), columns[4]}, rows);
}

void PdfPages::TableHeader(const std::vector<qreal>& shares, const QStringList& headers) {
    const qreal height = LineHeight(fonts_.bold, &writer_) + 2 * pad_;
    qreal left = 0;
    for (std::size_t c = 0; c < shares.size(); ++c) {
        const QRectF cell(left, y_, shares[c] * width_, height);
        Box(cell, kHeaderFill);
        Text(cell.adjusted(pad_, pad_, -pad_, -pad_), fonts_.bold, headers[int(c)],
             Qt::AlignLeft | Qt::AlignVCenter, kInk);
        left += cell.width();
    }
    y_ += height;
}

// A plain table: the header row, again at the top of each page it runs
// onto; rows never cut.
void PdfPages::Table(const std::vector<qreal>& shares, const QStringList& headers,
                     const std::vector<QStringList>& rows) {
    const qreal headerHeight = LineHeight(fonts_.bold, &writer_) + 2 * pad_;
    EnsureRoom(headerHeight + LineHeight(fonts_.body, &writer_) + 2 * pad_);
    TableHeader(shares, headers);
    for (const QStringList& row : rows) {
        qreal height = 0;
        for (std::size_t c = 0; c < shares.size(); ++c)
            height = std::max(height,
                              TextHeight(fonts_.body, shares[c] * width_ - 2 * pad_, row[int(c)]));
        height += 2 * pad_;
        if (y_ + height > bodyBottom_) {
            FinishPage();
            StartPage();
            TableHeader(shares, headers);
        }
        qreal left = 0;
        for (std::size_t c = 0; c < shares.size(); ++c) {
            const QRectF cell(left, y_, shares[c] * width_, height);
            Box(cell, QColor());
            Text(cell.adjusted(pad_, pad_, -pad_, -pad_), fonts_.body, row[int(c)],
                 Qt::AlignLeft | Qt::AlignTop, kInk);
            left += cell.width();
        }
        y_ += height;
    }
    y_ += 3 * pad_;
}

// A line to sign on for each of the technician, the customer and the date,
// kept together on the last page.
void PdfPages::Signatures() {
    const qreal line = LineHeight(fonts_.body, &writer_);
    const qreal room = 4 * line;
    EnsureRoom(room + 2 * line);
    y_ += 2 * line;
    const QStringList labels = Words(report_text::kSignatures);
    const qreal column = width_ / labels.size();
    for (int i = 0; i < labels.size(); ++i) {
        const qreal left = i * column;
        const qreal rule = y_ + room - 1.4 * line;
        if (painter_ != nullptr) {
            painter_->setPen(QPen(kInk, 0.2 * pad_));
            painter_->drawLine(QPointF(left, rule), QPointF(left + column - 4 * pad_, rule));
        }
        Text(QRectF(left, rule + 0.2 * line, column - 4 * pad_, line), fonts_.body, labels[i],
             Qt::AlignLeft | Qt::AlignTop, kInk);
    }
    y_ += room;
}

qreal PdfPages::TextHeight(const QFont& font, qreal width, const QString& text) const {
    if (text.isEmpty())
        return 0;
    return QFontMetricsF(font, &writer_)
        .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text)
        .height();
}

void PdfPages::Text(const QRectF& box, const QFont& font, const QString& text, int flags,
                    const QColor& colour) {
    if (painter_ == nullptr || text.isEmpty())
        return;
    painter_->setFont(font);
    painter_->setPen(colour);
    painter_->drawText(box, flags | Qt::TextWordWrap, text);
    printed_.Add(font, text);
}

void PdfPages::Box(const QRectF& box, const QColor& fill) {
    if (painter_ == nullptr)
        return;
    if (fill.isValid())
        painter_->fillRect(box, fill);
    painter_->setPen(QPen(kRule, 0.15 * pad_));
    painter_->drawRect(box);
}
