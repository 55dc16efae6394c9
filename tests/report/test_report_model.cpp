#include "ReportSamples.h"
#include "support/FileBytes.h"
#include "catalogue/Catalogue.h"
#include "support/TestDrive.h"
#include "catalogue/ShownBounds.h"
#include "core/TarnError.h"
#include "core/Version.h"
#include "editing/EditRules.h"
#include "values/ValueForms.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

using namespace report_samples;

namespace {

// One expected row of the known-values file.
struct Expected {
    quint16 number;
    const char* value; // what the file holds
    QString display;
    QString min;
    QString max;
    QString inRange;
};

const QList<Expected>& KnownRows() {
    static const QList<Expected> rows{
        {0, "0171", "1-7-1", "0-0-0", "1-7-1", "yes"},
        {1, "001F", "31", "0", "30", "no"},
        {2, "None", "無數值", "0", "100", ""},
        {3, "", "無數值", "0", "1000", ""},
        {109, "001A", "1-A", "0-0", "1-5", "no"},
        {304, "F448", "-3000", "-3000", "3000", "yes"},
        {305, "F447", "-3001", "-3000", "3000", "no"},
        {406, "0BB9", "3001", "0", "3000", "no"},
        {407, "F448", "-3000", "-3000", "0", "yes"},
        {708, "0BB8", "3000", "0", "3000", "yes"},
        {525, "0121", "18-1", "00-0", "44-1", "yes"},
        {526, "02D1", "45-1", "00-0", "44-1", "no"},
        {527, "00A1", "10-1", "00-0", "44-1", "yes"},
    };
    return rows;
}

const ReportRow* RowOf(const ReportModel& model, const QString& number) {
    for (const ReportSheet& sheet : model.sheets) {
        for (const ReportRow& row : sheet.rows) {
            if (row.number == number)
                return &row;
        }
    }
    return nullptr;
}

// Puts `values` into the records as reading `sheet` from the drive would.
void ReadIntoRecords(const ParameterValues& values, int sheet) {
    ResetParameterRecords();
    PmStringSheet.Slots = values;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SplitDigits(NumberOfSlot(slot));
        UpdateSignedValue(NumberOfSlot(slot));
    }
    SetPn904Bounds(sheet);
}

// What the grid's own edit check says of typing `shown` into the row: the
// stored text is made one no entry can produce, so the check never answers
// "unchanged".
QString EditVerdictOf(const ParameterRecord& entry, const QString& shown) {
    PmStringSheet.Value(entry.number) = QStringLiteral("ffff");
    SplitDigits(entry.number);
    UpdateSignedValue(entry.number);
    try {
        return CheckEdit(entry, shown).verdict == EditVerdict::Accepted ? "yes" : "no";
    } catch (const EConvertError&) {
        return "no";
    }
}

} // namespace

// Faults in building a report: a row that shows another value, bound or
// verdict than the grid and its edit check would, rows lost, doubled or out
// of grid order, a parameter without a row dropped, counts that disagree.
class TestReportModel : public QObject {
    Q_OBJECT
private slots:
    void showsWhatTheGridShowsAndJudgesAsTheEditCheck_data() {
        QTest::addColumn<ParameterValues>("values");
        QTest::newRow("scrambled") << Scrambled(1);
        QTest::newRow("scrambled, Pn904 above 32767") << Scrambled(40000);
        QTest::newRow("all zero") << Filled(QStringLiteral("0000"));
        QTest::newRow("all 0011") << Filled(QStringLiteral("0011"));
    }
    void showsWhatTheGridShowsAndJudgesAsTheEditCheck() {
        QFETCH(ParameterValues, values);
        const ReportModel model = BuildReport(SampleFileSource(), values);
        QSet<QString> verdicts;
        for (int sheet = 0; sheet < 8; ++sheet) {
            ReadIntoRecords(values, sheet);
            for (const ParameterRecord* e : CatalogueOfSheet(sheet)) {
                if (e->row < 1)
                    continue;
                const ReportRow* row = RowOf(model, PnName(e->number));
                QVERIFY2(row != nullptr, qPrintable(PnName(e->number)));
                QCOMPARE(row->display, DisplayText(e->form, e->number));
                QCOMPARE(row->minText, ShownMinimum(*e));
                QCOMPARE(row->maxText, ShownMaximum(*e));
                QCOMPARE(row->inRange, EditVerdictOf(*e, row->display));
                QCOMPARE(row->outOfRange, row->inRange == "no");
                verdicts << row->inRange;
            }
        }
        ResetParameterRecords();
        if (QByteArray(QTest::currentDataTag()).startsWith("scrambled"))
            QCOMPARE(verdicts, QSet<QString>({"yes", "no"}));
    }

    void buildsFromAFileWithKnownValues() {
        ParameterValues values = Filled(QStringLiteral("None"));
        for (const Expected& e : KnownRows())
            Set(values, e.number, QString::fromLatin1(e.value));
        Set(values, 904, QStringLiteral("0BB8"));
        Set(values, 724, QStringLiteral("0005"));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("machine-7.tarn"));
        WriteParameterFile(file, values);
        const ReportModel model = BuildReport(SampleFileSource(), ReadParameterFile(file));

        int outside = 0;
        for (const Expected& e : KnownRows()) {
            const ReportRow* row = RowOf(model, PnName(e.number));
            QVERIFY2(row != nullptr, qPrintable(PnName(e.number)));
            QCOMPARE(row->valueText, QString::fromLatin1(e.value));
            QCOMPARE(row->display, e.display);
            QCOMPARE(row->minText, e.min);
            QCOMPARE(row->maxText, e.max);
            QCOMPARE(row->inRange, e.inRange);
            QCOMPARE(row->outOfRange, e.inRange == "no");
            QCOMPARE(row->noValue, row->display == "無數值");
            outside += row->outOfRange ? 1 : 0;
        }
        const ReportRow* pn001 = RowOf(model, "Pn001");
        QCOMPARE(pn001->description, QStringLiteral("顯示選擇設定"));
        QCOMPARE(pn001->gloss, QStringLiteral("display selection setting"));
        QCOMPARE(pn001->controlMode, QStringLiteral("S,P,T(重開機)"));
        QCOMPARE(pn001->unit, QStringLiteral("---"));

        QCOMPARE(model.summary.parameters, 309);
        QCOMPARE(model.summary.outOfRange, outside);
        const auto hasValue = [](const Expected& e) { return e.display != "無數值"; };
        const int withValue = std::count_if(KnownRows().begin(), KnownRows().end(), hasValue);
        QCOMPARE(model.summary.withoutValue, 309 - withValue - 2); // less Pn904 and Pn724

        QCOMPARE(model.head.title, QStringLiteral("參數報告"));
        QCOMPARE(model.head.timestamp, QStringLiteral("2024-05-01 14:03:27 +08:00"));
        QCOMPARE(model.head.source, QStringLiteral("檔案 machine-7.tarn"));
        QVERIFY(model.head.version.endsWith(QStringLiteral(TARN_VERSION)));
    }

    void sheetsHoldTheGridRowsInOrderAndTheRestIsListedOnce() {
        const ReportModel model = SampleReport();
        QCOMPARE(int(model.sheets.size()), 8);
        QStringList listed;
        for (const ReportSheet& sheet : model.sheets) {
            QCOMPARE(sheet.title, QStringLiteral("Pn%1xx").arg(sheet.index));
            for (int r = 0; r < int(sheet.rows.size()); ++r) {
                const ParameterRecord* e = EntryAtRow(sheet.index, r + 1);
                QVERIFY(e != nullptr);
                QCOMPARE(sheet.rows[r].number, PnName(e->number));
                listed << sheet.rows[r].number;
            }
            QCOMPARE(EntryAtRow(sheet.index, int(sheet.rows.size()) + 1), nullptr);
        }
        for (const ReportExtra& extra : model.extras) {
            listed << extra.number;
            if (extra.number == "Pn901") // "None" in the sample
                QVERIFY(extra.noValue && extra.shown == QStringLiteral("無數值"));
        }

        // Every parameter exactly once, rows or extras; the entries in file order.
        QStringList fileOrder, entries;
        for (int slot = 0; slot < kSlotCount; ++slot)
            fileOrder << PnName(NumberOfSlot(slot));
        for (const ReportRow& entry : model.entries)
            entries << entry.number;
        QCOMPARE(entries, fileOrder);
        listed.sort();
        QCOMPARE(listed, fileOrder);
        QVERIFY(!RowOf(model, "Pn724")); // kept in its slot, shown on no row
    }

    // Values as a drive may give them, which no file holds.
    void boundsFollowingAPn904WithoutValueAreShownAsWrittenAndNotJudged() {
        ParameterValues values = Filled(QStringLiteral("None"));
        Set(values, 304, QStringLiteral("7FFF"));
        Set(values, 100, QStringLiteral("00")); // a short reply
        const ReportModel model = BuildReport(DriveSource("COM1", "/dev/ttyS0", 1), values);
        QVERIFY(model.head.source.contains("COM1 (/dev/ttyS0)"));
        const ReportRow* pn100 = RowOf(model, "Pn100");
        QCOMPARE(pn100->display, QStringLiteral("0"));
        QVERIFY(pn100->outOfRange); // the least is 1
        const ReportRow* row = RowOf(model, "Pn304");
        QCOMPARE(row->display, QStringLiteral("32767"));
        QCOMPARE(row->minText, QStringLiteral("-Pn904"));
        QCOMPARE(row->maxText, QStringLiteral("Pn904"));
        QVERIFY(!row->outOfRange);
        QCOMPARE(row->inRange, QString());
        QCOMPARE(model.summary.outOfRange, 1);
    }

    // Against a reference: a plain row, a Pn904-bounded row, "None" and empty
    // on either side, a parameter without a row; a number written in other
    // letters is no difference.
    void differencesFromAReferenceAreMarkedListedAndCounted() {
        const ReportModel model = SampleHandoverReport();
        QVERIFY(model.hasReference);
        QStringList listed;
        for (const ReportDifference& d : model.differences)
            listed << QStringList{d.number, d.description, d.display, d.referenceDisplay, d.unit}
                          .join('|');
        const ReportRow* pn100 = RowOf(model, "Pn100");
        const ReportRow* pn101 = RowOf(model, "Pn101");
        const ReportRow* pn304 = RowOf(model, "Pn304");
        const auto line = [](const ReportRow* r, const QString& reference) {
            return QStringList{r->number, r->description, r->display, reference, r->unit}.join('|');
        };
        QCOMPARE(listed, QStringList({
                             "Pn002|回升放電準位|無數值|50|%",
                             "Pn003|過電壓保護準位|無數值|無數值|V",
                             line(pn100, "500"),
                             line(pn101, "無數值"),
                             line(pn304, "-1000"),
                             "Pn950||" + model.entries[SlotOf(950)].valueText + "|1234|",
                         }));
        QCOMPARE(pn304->minText, QStringLiteral("-3000")); // Pn904 of the values reported
        QCOMPARE(model.summary.differences, 6);
        int marked = 0;
        for (const ReportRow& r : model.entries)
            marked += r.differs ? 1 : 0;
        QCOMPARE(marked, 6);
        QCOMPARE(model.entries[SlotOf(3)].referenceValueText, QStringLiteral("None"));
        QCOMPARE(model.entries[SlotOf(101)].referenceValueText, QString());
        QVERIFY(!model.entries[SlotOf(0)].differs);
        QCOMPARE(model.entries[SlotOf(0)].referenceValueText,
                 model.entries[SlotOf(0)].valueText.toLower());
        for (const ReportExtra& e : model.extras)
            QCOMPARE(e.differs, e.number == "Pn950");
        QVERIFY(!SampleReport().hasReference);
        QVERIFY(SampleReport().differences.empty());
    }

    void summaryNamesTheRowsOutOfRangeAndThoseWithoutValue() {
        ParameterValues values = Filled(QStringLiteral("0000"));
        Set(values, 1, QStringLiteral("001F"));   // 31, above 30
        Set(values, 100, QStringLiteral("0000")); // 0, below 1
        Set(values, 2, QStringLiteral("None"));
        Set(values, 901, QString());
        const ReportModel model = BuildReport(SampleFileSource(), values);
        QStringList out;
        for (const ReportOutOfRange& r : model.summary.outOfRangeRows)
            out << QStringList{r.number, r.description, r.display, r.range}.join('|');
        QStringList expected{"Pn001|顯示選擇設定|31|0 ~ 30"};
        for (const ReportRow& r : model.entries) {
            if (r.outOfRange && r.number != "Pn001")
                expected << QStringList{r.number, r.description, r.display,
                                        r.minText + " ~ " + r.maxText}
                                .join('|');
        }
        QCOMPARE(out, expected);
        QVERIFY(out.contains("Pn100|KVP1|0|1 ~ 20000"));
        QCOMPARE(model.summary.withoutValueNumbers, QStringList({"Pn002", "Pn901"}));
        QCOMPARE(model.summary.outOfRange, int(out.size()));
        QCOMPARE(model.summary.withoutValue, 2);
    }

    void identityNamesTheMomentWithItsOffsetAndTheFileByItsBytes() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("axis 2.tarn"));
        WriteParameterFile(file, Filled(QStringLiteral("0000")));
        const QDateTime modified(QDate(2026, 12, 9), QTime(19, 14, 3), QTimeZone(-5 * 3600 - 1800));
        QFile touched(file);
        QVERIFY(touched.open(QIODevice::ReadWrite) &&
                touched.setFileTime(modified, QFileDevice::FileModificationTime));
        touched.close();
        ReportSource source = FileSource(file);
        source.time = QDateTime(QDate(2026, 12, 9), QTime(19, 14, 3), QTimeZone(8 * 3600));
        source.fileModified = source.fileModified.toOffsetFromUtc(-5 * 3600 - 1800);
        const ReportModel model =
            BuildReport(source, ReadParameterFile(file), SampleHandover(), ReadReference(file));
        QStringList identity;
        for (const ReportField& f : model.head.identity)
            identity << f.label + "=" + f.text;
        const QString sha = QString::fromLatin1(
            QCryptographicHash::hash(FileBytes(file), QCryptographicHash::Sha256).toHex());
        QCOMPARE(identity, QStringList({"日期時間=2026-12-09 19:14:03 +08:00",
                                        "來源=檔案 " + file,
                                        "檔案修改時間=2026-12-09 19:14:03 -05:30",
                                        "SHA-256=" + sha,
                                        "參考檔案=" + file,
                                        "參考檔案 SHA-256=" + sha,
                                        "程式版本=TARN/B " TARN_VERSION}));
        QStringList handover;
        for (const ReportField& f : model.head.handover)
            handover << f.label + "=" + f.text;
        QCOMPARE(handover, QStringList({"機台=M-7 捲繞機", "軸=X 軸", "客戶=大成機械", "技術員=林志明",
                                        "備註=增益依現場負載調整。\n煞車時間待客戶確認。"}));
        // An empty field is left out; a drive names no file.
        const ReportModel drive = BuildReport(DriveSource("COM1", "/dev/ttyS0", 1),
                                              Filled("0000"), {"M-7", "", "  ", "", ""});
        QCOMPARE(drive.head.handover.size(), std::size_t(1));
        QCOMPARE(drive.head.identity.size(), std::size_t(3));
        QCOMPARE(drive.head.identity[1].text,
                 QStringLiteral("驅動器 COM1 (/dev/ttyS0)，回覆格式 1 (=0x)"));
    }
};

QTEST_MAIN(TestReportModel)
#include "test_report_model.moc"
