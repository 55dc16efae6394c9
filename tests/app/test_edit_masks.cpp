#include "app/grid/CommitState.h"
#include "editing/EditMasks.h"

#include <QtTest>

class TestEditMasks : public QObject {
    Q_OBJECT
private slots:
    void masksBySheetAndRow_data();
    void masksBySheetAndRow();
    void keyFilter_data();
    void keyFilter();
};

void TestEditMasks::masksBySheetAndRow_data() {
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("mask");

    // clang-format off
    QTest::newRow("Pn000") << 0 << 3 << 1 << "0-0-0";
    QTest::newRow("Pn001 plain") << 0 << 3 << 2 << "";
    QTest::newRow("Pn000 other column") << 0 << 2 << 1 << "";
    QTest::newRow("Pn000 number column") << 0 << 0 << 1 << "";
    QTest::newRow("header row") << 0 << 3 << 0 << "";
    QTest::newRow("Pn109") << 1 << 3 << 10 << "0-0";
    QTest::newRow("Pn114") << 1 << 3 << 15 << "0-0";
    QTest::newRow("Pn1xx row 1 plain") << 1 << 3 << 1 << "";
    QTest::newRow("Pn200") << 2 << 3 << 1 << "0-0-0";
    QTest::newRow("Pn300") << 3 << 3 << 1 << "0-0-0";
    QTest::newRow("Pn400") << 4 << 3 << 1 << "0-0-0";
    QTest::newRow("Pn415") << 4 << 3 << 12 << "0-0-0-0";
    QTest::newRow("Pn500") << 5 << 3 << 1 << "0-0-0";
    QTest::newRow("Pn512") << 5 << 3 << 13 << "00-00";
    QTest::newRow("Pn525") << 5 << 3 << 23 << "00-0";
    QTest::newRow("Pn539") << 5 << 3 << 37 << "00-0";
    QTest::newRow("Pn5xx row 22 plain") << 5 << 3 << 22 << "";
    QTest::newRow("Pn5xx row 38 plain") << 5 << 3 << 38 << "";
    QTest::newRow("Pn602") << 6 << 3 << 3 << "0-0-0";
    QTest::newRow("Pn626") << 6 << 3 << 25 << "0-0-0";
    QTest::newRow("Pn700") << 7 << 3 << 1 << "0-0-0";
    QTest::newRow("Pn8xx row 1") << 8 << 3 << 1 << "";
    QTest::newRow("Pn9xx row 2") << 9 << 3 << 2 << "0-0-0-0";
    QTest::newRow("Pn9xx row 9") << 9 << 3 << 9 << "0-0-0";
    QTest::newRow("Pn9xx row 13") << 9 << 3 << 13 << "0-0";
    QTest::newRow("Pn9xx row 1") << 9 << 3 << 1 << "";
    // clang-format on
}

void TestEditMasks::masksBySheetAndRow() {
    QFETCH(int, sheet);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, mask);
    QCOMPARE(EditMaskOf(sheet, col, row), mask);
}

void TestEditMasks::keyFilter_data() {
    QTest::addColumn<char>("key");
    QTest::addColumn<char>("passed");
    QTest::addColumn<bool>("commits");

    // clang-format off
    QTest::newRow("0") << '0' << '0' << false;
    QTest::newRow("9") << '9' << '9' << false;
    QTest::newRow("backspace") << char(8) << char(8) << false;
    QTest::newRow("minus") << '-' << '-' << false;
    QTest::newRow("enter") << char(13) << char(13) << true;
    QTest::newRow("letter") << 'a' << '\0' << false;
    QTest::newRow("hex letter") << 'F' << '\0' << false;
    QTest::newRow("space") << ' ' << '\0' << false;
    QTest::newRow("plus") << '+' << '\0' << false;
    QTest::newRow("full stop") << '.' << '\0' << false;
    QTest::newRow("line feed") << char(10) << '\0' << false;
    QTest::newRow("escape") << char(27) << '\0' << false;
    // clang-format on
}

void TestEditMasks::keyFilter() {
    QFETCH(char, key);
    QFETCH(char, passed);
    QFETCH(bool, commits);
    CommitRequested = 0;
    FilterEditKey(key);
    QCOMPARE(key, passed);
    QCOMPARE(CommitRequested, quint8(commits ? 1 : 0));
}

QTEST_GUILESS_MAIN(TestEditMasks)
#include "test_edit_masks.moc"
