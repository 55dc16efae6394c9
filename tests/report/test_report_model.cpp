#include "ReportSamples.h"
#include "catalogue/Catalogue.h"
#include "support/TestDrive.h"
#include "catalogue/ShownBounds.h"
#include "core/TarnError.h"
#include "core/Version.h"
#include "editing/EditRules.h"
#include "values/ValueForms.h"

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
        QCOMPARE(model.head.timestamp, QStringLiteral("2024-05-01 14:03:27"));
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
};

QTEST_MAIN(TestReportModel)
#include "test_report_model.moc"
