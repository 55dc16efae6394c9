#include "compare/CompareTexts.h"
#include "compare/Comparison.h"
#include "values/ValueWords.h"

#include <QtTest>

namespace {

using Values = QMap<quint16, QString>;

// Both sides hold 0000 everywhere and Pn904 0BB8 (3000), then their own
// values on top.
ParameterValues Side(const Values& values) {
    ParameterValues side;
    side.fill(QStringLiteral("0000"));
    side[SlotOf(904)] = QStringLiteral("0BB8");
    for (auto it = values.begin(); it != values.end(); ++it)
        side[SlotOf(it.key())] = it.value();
    return side;
}

// A row as "Pn001 ticked", "Pn001 unticked" or "Pn001 disabled", the
// status after it when there is one.
QStringList Describe(const std::vector<CompareRow>& rows) {
    QStringList lines;
    for (const CompareRow& row : rows) {
        QString how = !row.writable ? "disabled" : row.ticked ? "ticked" : "unticked";
        const QString status = RowStateText(row.state);
        lines << (PnName(row.number) + ' ' + how + (status.isEmpty() ? "" : ' ' + status));
    }
    return lines;
}

// A case of a text function: parameter, a text given and the text shown.
struct Case {
    const char* name;
    int number;
    const char* given;
    const char* shown;
};

template <std::size_t N> void AddCases(const Case (&cases)[N]) {
    for (const Case& c : cases)
        QTest::newRow(c.name) << c.number << QString(c.given) << QString(c.shown);
}

} // namespace

class TestComparison : public QObject {
    Q_OBJECT

private slots:
    void rowsTicksAndReasons_data() {
        QTest::addColumn<Values>("drive");
        QTest::addColumn<Values>("file");
        QTest::addColumn<QStringList>("rows");

        const Values none;
        QTest::newRow("identical") << none << none << QStringList();
        QTest::newRow("the same number in either case, None or empty on both sides")
            << Values{{101, "0abc"}, {1, "None"}, {2, ""}}
            << Values{{101, "0ABC"}, {1, "None"}, {2, ""}} << QStringList();
        QTest::newRow("None against empty is a difference, never written")
            << Values{{1, "None"}} << Values{{1, ""}} << QStringList{"Pn001 disabled 不寫入"};
        QTest::newRow("a file value where the drive gave None or nothing")
            << Values{{1, "None"}, {2, ""}} << Values{{1, "0005"}, {2, "0005"}}
            << QStringList{"Pn001 ticked", "Pn002 ticked"};
        QTest::newRow("file None or empty, Pn900 and Pn901 are never written")
            << none << Values{{1, "None"}, {2, ""}, {900, "0001"}, {901, "0001"}, {902, "0001"}}
            << QStringList{"Pn001 disabled 不寫入", "Pn002 disabled 不寫入",
                           "Pn900 disabled 不寫入", "Pn901 disabled 不寫入", "Pn902 ticked"};
        QTest::newRow("out of range: decimal, digit group, signal select")
            << none << Values{{1, "001F"}, {0, "0200"}, {525, "02D0"}}
            << QStringList{"Pn000 unticked 超出範圍", "Pn001 unticked 超出範圍",
                           "Pn525 unticked 超出範圍"};
        QTest::newRow("in file order; no catalogue row, no rule")
            << none << Values{{950, "FFFF"}, {512, "0808"}, {303, "FFFF"}, {749, "0001"}}
            << QStringList{"Pn303 ticked", "Pn512 ticked", "Pn749 ticked", "Pn950 ticked"};
        QTest::newRow("Pn304 against the drive's Pn904")
            << none << Values{{304, "0BB8"}, {305, "0BB9"}, {306, "F448"}, {307, "F447"}}
            << QStringList{"Pn304 ticked", "Pn305 unticked 超出範圍", "Pn306 ticked",
                           "Pn307 unticked 超出範圍"};
        // A write that sends the file's Pn904 is judged by it (3000 holds
        // 2000); one that leaves Pn904 be, by the drive's (1000).
        QTest::newRow("Pn904 bounds come from the file when it writes Pn904")
            << Values{{904, "03E8"}} << Values{{406, "07D0"}}
            << QStringList{"Pn406 ticked", "Pn904 ticked"};
        QTest::newRow("Pn904 bounds come from the drive when the file keeps it")
            << Values{{904, "03E8"}} << Values{{406, "07D0"}, {904, "03e8"}}
            << QStringList{"Pn406 unticked 超出範圍"};
        QTest::newRow("a drive without Pn904 leaves no room for its bounds")
            << Values{{904, "None"}} << Values{{406, "0001"}, {904, "None"}}
            << QStringList{"Pn406 unticked 超出範圍"};
    }
    void rowsTicksAndReasons() {
        QFETCH(Values, drive);
        QFETCH(Values, file);
        QFETCH(QStringList, rows);
        const std::vector<CompareRow> found = CompareValues(Side(drive), Side(file));
        QCOMPARE(Describe(found), rows);
        for (const CompareRow& row : found) {
            QCOMPARE(row.driveText, Side(drive)[SlotOf(row.number)]);
            QCOMPARE(row.fileText, Side(file)[SlotOf(row.number)]);
        }
    }

    void valueCellsShowTheGridsForm_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        // clang-format off
        const Case cases[] = {
            {"decimal", 1, "001E", "30"},
            {"decimal, lower-case digits", 101, "0abc", "2748"},
            {"signed", 213, "FC18", "-1000"},
            {"three digits hide the first", 0, "0010", "0-1-0 (0010)"},
            {"signal select", 525, "0123", "18-3 (0123)"},
            {"pair group shows all four", 512, "0808", "08-08"},
            {"catalogued without a grid row", 724, "0064", "100"},
            {"None stays as it is", 1, "None", "None"},
            {"no catalogue row: the value text", 908, "FC18", "FC18"},
        };
        // clang-format on
        AddCases(cases);
    }
    void valueCellsShowTheGridsForm() {
        QFETCH(int, number);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QCOMPARE(ValueInWordsWithHex(static_cast<quint16>(number), value), shown);
    }

    void rangesShowTheGridsBounds_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("pn904");
        QTest::addColumn<QString>("range");
        // clang-format off
        const Case cases[] = {
            {"decimal", 1, "0BB8", "0 ~ 30"},
            {"digit group", 0, "0BB8", "0-0-0 ~ 1-7-1"},
            {"Pn304 from Pn904", 304, "0BB8", "-3000 ~ 3000"},
            {"Pn406 from Pn904, unsigned", 406, "FFFF", "0 ~ 65535"},
            {"Pn904 without a value", 304, "None", ""},
            {"no catalogue row", 950, "0BB8", ""},
        };
        // clang-format on
        AddCases(cases);
    }
    void rangesShowTheGridsBounds() {
        QFETCH(int, number);
        QFETCH(QString, pn904);
        QFETCH(QString, range);
        QCOMPARE(RangeText(static_cast<quint16>(number), pn904), range);
    }
};

QTEST_GUILESS_MAIN(TestComparison)
#include "test_comparison.moc"
