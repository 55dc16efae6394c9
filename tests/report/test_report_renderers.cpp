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

// Text compared without spaces and line breaks, compatibility forms folded:
// the PDF's text keeps neither the table's line breaks nor, for glyphs that
// stand for a radical too, the unified ideograph.
QString Folded(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC).remove(QRegularExpression("\\s+"));
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
        QCOMPARE(rows, 195 + 3); // the sheets' rows and the summary's three
        QCOMPARE(marked, model.summary.outOfRange);
        QCOMPARE(extras, int(model.extras.size()));
        // XML reads a CR LF as LF.
        const QString description = model.sheets[1].rows[1].description;
        QVERIFY2(cells.value(2).startsWith(QString(description).replace("\r\n", "\n")),
                 qPrintable(cells.value(2)));
    }

    void pdfHoldsTheSheetsTextsInAnEmbeddedCjkFontWithTheHeadOnEveryPage() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const ReportModel model = SampleReport();
        QTemporaryDir dir;
        const QString file = dir.filePath("report.pdf");
        WriteReportPdf(model, file);

        const QString text = Folded(Run(pdftotext, {"-enc", "UTF-8", file, "-"}));
        for (const ReportRow& row : model.sheets[3].rows) {
            QVERIFY2(text.contains(row.number + Folded(row.description)), qPrintable(row.number));
            QVERIFY2(text.contains(Folded(row.gloss)), qPrintable(row.gloss));
        }
        const QRegularExpressionMatch pages =
            QRegularExpression("Pages:\\s+(\\d+)").match(Run("pdfinfo", {file}));
        QVERIFY(pages.hasMatch());
        const int count = pages.captured(1).toInt();
        QVERIFY2(count >= 5 && count <= 15, qPrintable(pages.captured(0)));
        QCOMPARE(text.count(Folded(model.head.title)), count);
        QCOMPARE(text.count(Folded(model.head.timestamp)), count);
        QVERIFY(text.contains(Folded(QStringLiteral("第 %1 頁，共 %1 頁").arg(count))));
        // Every page but the last continues or starts a sheet's table.
        for (int page = 1; page < count; ++page) {
            const QString one = Folded(Run(pdftotext, {"-enc", "UTF-8", "-f", QString::number(page),
                                                       "-l", QString::number(page), file, "-"}));
            QVERIFY2(one.contains(Folded(report_text::kGridColumns.join(""))), qPrintable(one));
        }
        const QStringList fonts = Run("pdffonts", {file}).split('\n').filter("CJK");
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts)
            QCOMPARE(font.simplified().split(' ').value(4), QStringLiteral("yes")); // emb
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
