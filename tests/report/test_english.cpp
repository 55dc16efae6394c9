#include "ReportSamples.h"
#include "catalogue/CatalogueTexts.h"
#include "catalogue/ParameterSearch.h"
#include "changes/ChangeTexts.h"
#include "report/ReportFormat.h"
#include "values/ValueWords.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace report_samples;

namespace {

// One page of a PDF as pdftotext -raw gives it: the characters drawn, in
// the order drawn, the page ended by a form feed.
QString PageText(const QString& file, int page) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {"-raw", "-enc", "UTF-8", "-f", QString::number(page), "-l",
                   QString::number(page), file, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// An English report with a value outside its rule that also differs from
// the reference, a value in a digit form, one without a value, and a few
// handover fields.
ReportModel EnglishReport() {
    ParameterValues values = Filled(QStringLiteral("0001"));
    Set(values, 0, QStringLiteral("0171"));
    Set(values, 1, QStringLiteral("0050"));
    Set(values, 2, QStringLiteral("0040"));
    Set(values, 3, QStringLiteral("None"));
    ReportReference reference{QStringLiteral("agreed.tarn"), QStringLiteral("ab12"), values};
    Set(reference.values, 1, QStringLiteral("0005"));
    const ReportHandover handover{QStringLiteral("M-7"), QStringLiteral("X"),
                                  QStringLiteral("ACME"), QString(), QString()};
    return BuildReport(SampleFileSource(), values, handover, reference, Language::English);
}

const ParameterRecord& Record(quint16 number) {
    return *RecordOf(number);
}

using Words = std::function<QString(Language)>;

} // namespace

Q_DECLARE_METATYPE(Words)

// Faults in the English of the libraries: a text left in Chinese, a
// translation that loses its placeholder, the description not taken from
// the gloss, the report's own words or the catalogue's control modes not
// following the report's language, the Chinese outputs changed.
class TestEnglish : public QObject {
    Q_OBJECT
private slots:
    void wordsFollowTheLanguageAsked_data() {
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("english");
        QTest::addColumn<Words>("words");
        QTest::newRow("change line")
            << "Pn106 位置前饋增益 5 → （空） %"
            << "Pn106 position feed-forward gain 5 → (none) %" << Words([](Language l) {
                   return ChangeLine(106, "0005", "", ChangeNaming::NumberAndDescription, l);
               });
        QTest::newRow("drift line")
            << "Pn000 功能選擇 1 發行 1-7-1 (0171) → 目前 0-0-1 (0001) ---"
            << "Pn000 function selection 1 released 1-7-1 (0171) → now "
               "0-0-1 (0001) ---"
            << Words([](Language l) { return DriftLine(0, "0171", "0001", l); });
        QTest::newRow("query line")
            << "Pn106 位置前饋增益 6 % 發行 5 ≠"
            << "Pn106 position feed-forward gain 6 % released 5 ≠"
            << Words([](Language l) { return QueryLine(106, "0006", QStringLiteral("0005"), l); });
        QTest::newRow("control mode")
            << "S,P,T(重開機)"
            << "S,P,T(restart)" << Words([](Language l) { return ControlModeIn(Record(0), l); });
        QTest::newRow("description without a gloss")
            << "KVP1"
            << "KVP1" << Words([](Language l) { return DescriptionIn(Record(100), l); });
        QTest::newRow("sheet not in the grid")
            << "Pn9xx（不在表格中）"
            << "Pn9xx (not in the grid)" << Words([](Language l) {
                   return SheetTextOf(FindParameters(QStringLiteral("Pn904")).at(0), l);
               });
        QTest::newRow("change list headers")
            << "時間|編號|說明|原值|新值|結果"
            << "Time|No.|Description|Old value|New value|Result"
            << Words([](Language l) { return ChangeLogHeaders(l).join('|'); });
        QTest::newRow("report source")
            << "驅動器 COM1 (/dev/ttyS0)，回覆格式 0 (無標記)"
            << "Drive COM1 (/dev/ttyS0), reply format 0 (unmarked)" << Words([](Language l) {
                   return SourceText(DriveSource("COM1", "/dev/ttyS0", 0), l);
               });
    }
    void wordsFollowTheLanguageAsked() {
        QFETCH(QString, chinese);
        QFETCH(QString, english);
        QFETCH(Words, words);
        QCOMPARE(words(Language::Chinese), chinese);
        QCOMPARE(words(Language::English), english);
    }

    // The first page (head, identity, handover, the first sheets), the
    // differences, the summary and the signatures, as drawn.
    void englishReportPdfReadsInEnglish() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString file = dir.filePath("en.pdf");
        WriteReport(EnglishReport(), file, ReportFormat::Pdf);
        QCOMPARE(PageText(file, 1),
                 "Parameter report Date and time: 2024-05-01 14:03:27 +08:00\n"
                 "Program version: TARN/B 1.03\n"
                 "Source: File machine-7.tarn\n"
                 "Reference file agreed.tarn\n"
                 "Reference file\n"
                 "SHA-256\n"
                 "ab12\n"
                 "Machine M-7\n"
                 "Axis X\n"
                 "Customer ACME\n"
                 "Pn0xx\n"
                 "! No. Description Control mode Value Unit Minimum Maximum\n"
                 "Pn000 function selection 1 S,P,T(restart) 1-7-1 --- 0-0-0 1-7-1\n"
                 "!≠ Pn001 display selection setting S,P,T(restart) 80 --- 0 30\n"
                 "Pn002 regeneration discharge level M(immediate) 64 % 0 100\n"
                 "Pn003 over-voltage protection level M(immediate) No value V 0 1000\n"
                 "Pn1xx\n"
                 "! No. Description Control mode Value Unit Minimum Maximum\n"
                 "Pn100 KVP1 S(immediate) 1 0.1Hz 1 20000\n"
                 "Pn101 TI1 S(immediate) 1 0.1ms 0 10000\n"
                 "Pn102 KPP1 P(immediate) 1 0.01/s 1 20000\n"
                 "! Pn103 KVP2 S(immediate) 1 0.1Hz 10 20000\n"
                 "Pn104 TI2 S(immediate) 1 0.1ms 0 10000\n"
                 "Pn105 KPP2 P(immediate) 1 0.01/s 1 20000\n"
                 "Pn106 position feed-forward gain P(immediate) 1 % 0 100\n"
                 "Pn107 position feed-forward gain filter time P(immediate) 1 0.1ms 0 1000\n"
                 "Pn108 load inertia ratio S,P,T(immediate) 1 % 0 2000\n"
                 "Pn109 PI-mode switching function selection S(immediate) 0-1 --- 0-0 1-5\n"
                 "Pn110 PI-mode switching (torque command) S(immediate) 1 % 0 300\n"
                 "Pn111 PI-mode switching (speed command) S(immediate) 1 RPM 0 10000\n"
                 "Pn112 PI-mode switching (acceleration) S(immediate) 1 RPM/10ms 0 30000\n"
                 "Pn113 PI-mode switching (position error pulses) S(immediate) 1 Counts 0 10000\n"
                 "Pn114 gain switching function selection P(immediate) 0-1 --- 0-0 1-6\n"
                 "Pn115 gain switching time 1 P(immediate) 1 ms 0 30000\n"
                 "Pn116 gain switching time 2 P(immediate) 1 ms 0 30000\n"
                 "Pn117 gain waiting time 1 P(immediate) 1 ms 0 30000\n"
                 "Pn118 gain waiting time 2 P(immediate) 1 ms 0 30000\n"
                 "Pn119 KVFF1 S(immediate) 1 % 0 100\n"
                 "Pn120 KVFF2 S(immediate) 1 % 0 100\n"
                 "Page 1 of 9\n"
                 "\f");
        QCOMPARE(PageText(file, 9), "Parameter report Date and time: 2024-05-01 14:03:27 +08:00\n"
                                    "Program version: TARN/B 1.03\n"
                                    "Source: File machine-7.tarn\n"
                                    "Technician's signature Customer's signature Date\n"
                                    "Page 9 of 9\n"
                                    "\f");
        QVERIFY(PageText(file, 10).isEmpty());
        const QString differences = PageText(file, 7);
        QVERIFY2(differences.contains("\nParameters differing from the reference file\n"
                                      "No. Description Value Reference value Unit\n"
                                      "Pn001 display selection setting 80 5 ---\n"
                                      "Other parameters (not in the grid)\n"
                                      "Pn303 0001 Pn334 0001 "),
                 qPrintable(differences));
        const QString last = PageText(file, 8);
        QCOMPARE(last.mid(last.indexOf("Summary\n")),
                 "Summary\n"
                 "Parameters 309\n"
                 "Out of range 11\n"
                 "No value 1\n"
                 "Differing from reference 1\n"
                 "Parameters out of range\n"
                 "No. Description Value Range\n"
                 "Pn001 display selection setting 80 0 ~ 30\n"
                 "Pn103 KVP2 1 10 ~ 20000\n"
                 "Pn211 encoder output pulse count 1 16 ~ 8192\n"
                 "Pn300 speed command selection 0-0-1 0-0-0 ~ 1-1-0\n"
                 "Pn403 internal reverse torque limit 1 -3000 ~ 0\n"
                 "Pn407 reverse speed limit under torque command control 1 -1 ~ 0\n"
                 "Pn501 analog 1 input gain 1 200 ~ 3000\n"
                 "Pn503 analog 2 input gain 1 200 ~ 3000\n"
                 "Pn505 analog 3 input gain 1 200 ~ 3000\n"
                 "Pn609 number of index divisions (needs an absolute encoder) 1 2 ~ 27\n"
                 "Pn707 maximum pressure for the maximum pressure command\n"
                 "voltage\n"
                 "1 100 ~ 30000\n"
                 "Parameters without a value\n"
                 "Pn003\n"
                 "Page 8 of 9\n"
                 "\f");
    }
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
