#include "ReportSamples.h"
#include "core/TarnError.h"
#include "report/ReportCsv.h"
#include "report/ReportFormat.h"
#include "report/ReportHtml.h"
#include "report/ReportPdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace report_samples;

namespace {

// A strict RFC 4180 reader: records end at CR LF, fields at commas; a quoted
// field may hold commas, line breaks and doubled quotes. Anything else (a
// bare CR or LF, a quote inside an unquoted field, text after a closing
// quote) is an error.
QList<QStringList> ReadCsv(const QString& text, QString& error) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool closed = false; // a quoted field has ended: only , or CR LF may follow
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += c;
                ++i;
            } else {
                quoted = false;
                closed = true;
            }
        } else if (c == ',' || (c == '\r' && text.mid(i, 2) == "\r\n")) {
            record << field;
            field.clear();
            closed = false;
            if (c == '\r') {
                records << record;
                record.clear();
                ++i;
            }
        } else if (closed || c == '\r' || c == '\n' || (c == '"' && !field.isEmpty())) {
            error = QStringLiteral("character %1 at %2").arg(c).arg(i);
            return {};
        } else if (c == '"') {
            quoted = true;
        } else {
            field += c;
        }
    }
    if (quoted || !field.isEmpty() || !record.isEmpty())
        error = QStringLiteral("text after the last CR LF");
    return records;
}

QStringList CsvFields(const ReportRow& r) {
    return {r.number,  r.description, r.gloss,   r.controlMode, r.valueText,
            r.display, r.unit,        r.minText, r.maxText,     r.inRange};
}

// A model whose texts need escaping in every format.
ReportModel AwkwardReport() {
    ReportModel model = SampleReport();
    const QString awkward = QStringLiteral("a,b \"c\" <d> & 'e'\r\nf");
    model.entries[5].description = awkward;
    model.sheets[1].rows[1].description = awkward;
    return model;
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every text the PDF shows, as the model holds it: the head, the fields,
// every row's cells, the other parameters, the differences, the summary's
// lists and the signature lines.
QStringList PdfTexts(const ReportModel& model) {
    using namespace report_text;
    const ReportHead& head = model.head;
    QStringList texts{head.title,     head.timestamp,     head.source,        head.version,
                      kExtrasTitle,   kSummaryTitle,      kParametersLabel,   kOutOfRangeLabel,
                      kWithoutValueLabel, kOutOfRangeTitle, kRangeLabel, kWithoutValueTitle,
                      kTimeLabel + "：" + head.timestamp,
                      kSourceLabel + "：" + head.source, kVersionLabel + "：" + head.version};
    texts << kGridColumns << kSignatures;
    for (const ReportField& f : head.identity)
        texts << f.label << f.text;
    for (const ReportField& f : head.handover)
        texts << f.label << f.text;
    for (const ReportSheet& sheet : model.sheets) {
        texts << sheet.title;
        for (const ReportRow& r : sheet.rows)
            texts << MarkOf(r) << r.number << r.description << r.gloss << r.controlMode
                  << r.display << r.unit << r.minText << r.maxText;
    }
    for (const ReportExtra& e : model.extras)
        texts << e.shown;
    if (model.hasReference)
        texts << kDifferencesTitle << kReferenceValueLabel << kDifferencesLabel;
    for (const ReportDifference& d : model.differences)
        texts << d.number << d.description << d.display << d.referenceDisplay << d.unit;
    for (const ReportOutOfRange& r : model.summary.outOfRangeRows)
        texts << r.number << r.description << r.display << r.range;
    texts << model.summary.withoutValueNumbers;
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

// Where `text` stands in `extracted` as it is, character for character;
// only where the PDF wrapped it, a space may have become a line break or a
// line break follow a hyphen.
bool Shows(const QString& extracted, const QString& text) {
    if (extracted.contains(text))
        return true;
    QString pattern = QRegularExpression::escape(text);
    pattern.replace(QLatin1String("\\ "), QLatin1String("[ \\n]"));
    pattern.replace(QLatin1String("\\-"), QLatin1String("\\-\\n?"));
    return extracted.contains(QRegularExpression(pattern));
}

} // namespace

// Faults in the renderers: CSV that a strict reader takes apart differently,
// HTML that is not well-formed or loses rows, a PDF without the sheet's
// texts, the font or the head on each page, a file written half or not in
// place.
class TestReportRenderers : public QObject {
    Q_OBJECT
private slots:
    void csvReadsBackAsTheModelsEntries() {
        const ReportModel model = AwkwardReport();
        const QByteArray bytes = ReportCsvBytes(model);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QString error;
        const QList<QStringList> records = ReadCsv(QString::fromUtf8(bytes.mid(3)), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(records.size(), 1 + kSlotCount);
        QCOMPARE(records[0].join(','), QStringLiteral("number,description,gloss,control_mode,"
                                                      "value_text,display,unit,min,max,in_range"));
        for (int i = 0; i < kSlotCount; ++i)
            QCOMPARE(records[i + 1], CsvFields(model.entries[i]));
    }

    void csvAgainstAReferenceEndsWithItsValueAndWhetherItDiffers() {
        const ReportModel model = SampleHandoverReport();
        QString error;
        const QList<QStringList> records =
            ReadCsv(QString::fromUtf8(ReportCsvBytes(model).mid(3)), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(records.size(), 1 + kSlotCount);
        QCOMPARE(records[0].join(','),
                 QStringLiteral("number,description,gloss,control_mode,value_text,display,unit,"
                                "min,max,in_range,reference_value_text,differs"));
        QStringList differing;
        for (int i = 0; i < kSlotCount; ++i) {
            const ReportRow& r = model.entries[i];
            QCOMPARE(records[i + 1], CsvFields(r) << r.referenceValueText
                                                  << (r.differs ? "yes" : "no"));
            if (records[i + 1].last() == "yes")
                differing << records[i + 1].first();
        }
        QCOMPARE(differing, QStringList({"Pn002", "Pn003", "Pn100", "Pn101", "Pn304", "Pn950"}));
    }

    void htmlIsWellFormedWithEveryRowAndEscapedTexts() {
        const ReportModel model = AwkwardReport();
        QXmlStreamReader xml(ReportHtml(model));
        int rows = 0, marked = 0, extras = 0;
        QStringList cells;
        QStringList stack;
        bool viewport = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement())
                stack.removeLast();
            if (!xml.isStartElement())
                continue;
            const QString name = xml.name().toString();
            const QXmlStreamAttributes attributes = xml.attributes();
            QVERIFY2(name != "script" && name != "link" && name != "img", qPrintable(name));
            QVERIFY(!attributes.hasAttribute("src") && !attributes.hasAttribute("href"));
            viewport |= name == "meta" && attributes.value("name") == QLatin1String("viewport");
            if (name == "tr" && stack.endsWith("tbody")) {
                rows += 1;
                marked += attributes.value("class").contains(QLatin1String("out")) ? 1 : 0;
            }
            extras += name == "li" ? 1 : 0;
            if (name == "td" && rows == 4 + 2) // second row of sheet Pn1xx
                cells << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else
                stack << name;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(viewport);
        // The sheets' rows, the summary's three and its out-of-range list.
        QCOMPARE(rows, 195 + 3 + model.summary.outOfRange);
        QCOMPARE(marked, model.summary.outOfRange);
        QCOMPARE(extras, int(model.extras.size()));
        // XML reads a CR LF as LF.
        const QString description = model.sheets[1].rows[1].description;
        QVERIFY2(cells.value(2).startsWith(QString(description).replace("\r\n", "\n")),
                 qPrintable(cells.value(2)));
    }

    // The text a reader searches or copies is the text printed: no radical
    // for an ideograph (立 as ⽴), no em space for the ideographic space.
    void pdfTextIsTheModelsTextsInAnEmbeddedCjkFontWithTheHeadOnEveryPage() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const ReportModel model = SampleHandoverReport();
        QTemporaryDir dir;
        const QString file = dir.filePath("report.pdf");
        WriteReport(model, file, ReportFormat::Pdf);

        const QRegularExpressionMatch pages =
            QRegularExpression("Pages:\\s+(\\d+)").match(Run("pdfinfo", {file}));
        QVERIFY(pages.hasMatch());
        const int count = pages.captured(1).toInt();
        QVERIFY2(count >= 5 && count <= 15, qPrintable(pages.captured(0)));

        // -raw: the text in the order painted, each space as drawn.
        const QString text = Run(pdftotext, {"-raw", "-enc", "UTF-8", file, "-"});
        QStringList texts = PdfTexts(model);
        for (int page = 1; page <= count; ++page)
            texts << QStringLiteral("第 %1 頁，共 %2 頁").arg(page).arg(count);
        QSet<QChar> printed{' ', '\n', '\f'};
        for (const QString& t : texts) {
            QVERIFY2(Shows(text, t), qPrintable(t));
            for (const QChar c : t)
                printed << c;
        }
        for (const QChar c : text)
            QVERIFY2(printed.contains(c), qPrintable(QString("U+%1").arg(c.unicode(), 4, 16)));
        // The default reading order too, as a technician searches.
        const QString plain = Run(pdftotext, {"-enc", "UTF-8", file, "-"});
        for (const QString& t : QStringList{"立即", "最小值", "參數報告", "日期"} +
                                    report_text::kSignatures)
            QVERIFY2(plain.contains(t), qPrintable(t));
        for (const ReportRow& row : model.sheets[1].rows)
            QVERIFY2(plain.contains(row.description), qPrintable(row.description));

        QCOMPARE(text.count(model.head.title), count);
        QCOMPARE(text.count(model.head.timestamp), count);
        // Every page but the last continues or starts a table, its headers
        // on top.
        for (int page = 1; page < count; ++page) {
            const QString one = Run(pdftotext, {"-raw", "-enc", "UTF-8", "-f", QString::number(page),
                                                "-l", QString::number(page), file, "-"});
            QVERIFY2(one.contains(report_text::kGridColumns[0] + ' ' + report_text::kGridColumns[1]),
                     qPrintable(one));
        }
        const QStringList fonts = Run("pdffonts", {file}).split('\n').filter("CJK");
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts)
            QCOMPARE(font.simplified().split(' ').value(4), QStringLiteral("yes")); // emb
    }

    // A note longer than a page flows on as the rows do: every word of it
    // in the PDF, nothing below any page's foot line.
    void longNoteFlowsAcrossPagesAboveTheFoot() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QStringList words;
        for (int i = 0; words.join(' ').size() < 7700; ++i)
            words << QStringLiteral("note%1").arg(i) << (i % 40 == 39 ? "交接\n" : "交接");
        ReportModel model = SampleReport();
        model.head.handover.push_back({report_text::kNoteLabel, words.join(' ')});
        QTemporaryDir dir;
        const QString file = dir.filePath("note.pdf");
        WriteReport(model, file, ReportFormat::Pdf);
        const QString text = Run(pdftotext, {"-raw", "-enc", "UTF-8", file, "-"});
        const QStringList found =
            text.split(QRegularExpression("\\s+")).filter(QRegularExpression("^note\\d+$"));
        QCOMPARE(found.size(), words.size() / 2);
        const int count = text.count(QRegularExpression("第 \\d+ 頁，共 \\d+ 頁"));
        for (int page = 1; page <= count; ++page) {
            const QStringList lines =
                Run(pdftotext, {"-layout", "-enc", "UTF-8", "-f", QString::number(page), "-l",
                                QString::number(page), file, "-"})
                    .split('\n', Qt::SkipEmptyParts)
                    .filter(QRegularExpression("\\S"));
            QCOMPARE(lines.last().trimmed(),
                     QStringLiteral("第 %1 頁，共 %2 頁").arg(page).arg(count));
        }
    }

    void formatComesFromTheNameOrTheFilter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("format"); // -1: none
        QTest::newRow("pdf filter") << "PDF (*.pdf)" << int(ReportFormat::Pdf);
        QTest::newRow("html filter") << "HTML (*.html)" << int(ReportFormat::Html);
        QTest::newRow("csv filter") << "CSV (*.csv)" << int(ReportFormat::Csv);
        QTest::newRow("upper-case name") << "/tmp/A.PDF" << int(ReportFormat::Pdf);
        QTest::newRow("htm") << "site.v2.htm" << int(ReportFormat::Html);
        QTest::newRow("parameter file") << "abc.tarn" << -1;
        QTest::newRow("no extension") << "csv" << -1;
    }
    void formatComesFromTheNameOrTheFilter() {
        QFETCH(QString, text);
        QFETCH(int, format);
        const std::optional<ReportFormat> found = ReportFormatOf(text);
        QCOMPARE(found ? int(*found) : -1, format);
    }

    // A name that names a format wins over the filter; any other name gets
    // the filter's extension.
    void fileOfANameChosenUnderAFilter_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("fileName"); // empty: refused
        QTest::addColumn<int>("format");
        const int pdf = int(ReportFormat::Pdf), html = int(ReportFormat::Html);
        QTest::newRow("bare name") << "/r/a"
                                   << "PDF (*.pdf)"
                                   << "/r/a.pdf" << pdf;
        QTest::newRow("own extension") << "/r/a.html"
                                       << "HTML (*.html)"
                                       << "/r/a.html" << html;
        QTest::newRow("name wins") << "/r/a.CSV"
                                   << "PDF (*.pdf)"
                                   << "/r/a.CSV" << int(ReportFormat::Csv);
        QTest::newRow("other extension") << "/r/a.v2"
                                         << "HTML (*.html)"
                                         << "/r/a.v2.html" << html;
        QTest::newRow("dot in a folder") << "/r.pdf/a"
                                         << "HTML (*.html)"
                                         << "/r.pdf/a.html" << html;
        QTest::newRow("no format at all") << "/r/a"
                                          << "Text Documents (*.tarn)"
                                          << "" << -1;
    }
    void fileOfANameChosenUnderAFilter() {
        QFETCH(QString, name);
        QFETCH(QString, filter);
        QFETCH(QString, fileName);
        QFETCH(int, format);
        try {
            const ReportFile file = ReportFileOf(name, filter);
            QCOMPARE(file.fileName, fileName);
            QCOMPARE(int(file.format), format);
        } catch (const EFileError& e) {
            QVERIFY2(fileName.isEmpty(), qPrintable(e.Text()));
            QVERIFY(e.Text().startsWith("Cannot create file " + name));
        }
    }

    void writingPicksTheFormatAndFailsAsASaveDoes() {
        const ReportModel model = SampleReport();
        QTemporaryDir dir;
        for (const char* name : {"r.pdf", "r.html", "r.csv"})
            WriteReport(model, dir.filePath(name));
        QFile pdf(dir.filePath("r.pdf")), html(dir.filePath("r.html")), csv(dir.filePath("r.csv"));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        QVERIFY(html.open(QIODevice::ReadOnly) && html.readAll() == ReportHtml(model).toUtf8());
        QVERIFY(csv.open(QIODevice::ReadOnly) && csv.readAll() == ReportCsvBytes(model));

        const QString missing = dir.filePath("no-such-folder/r.csv");
        for (const QString& name : {missing, dir.filePath("r.txt")}) {
            try {
                WriteReport(model, name);
                QFAIL(qPrintable("no error for " + name));
            } catch (const EFileError& e) {
                QVERIFY2(e.Text().startsWith("Cannot create file " + name), qPrintable(e.Text()));
            }
        }
    }
};

QTEST_MAIN(TestReportRenderers)
#include "test_report_renderers.moc"
