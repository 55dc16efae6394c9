// Edits typed into the real grid: checks, restore texts, messages, the
// write-through and what the cell shows afterwards.
#include "MainWindowFixture.h"

namespace {
const QString kOutOfRange = QStringLiteral("不在允許範圍內");
}

class TestGridEditing : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    void SetUp() {
        f->ConnectAndSetUp();
        QVERIFY(MainForm->ParaTabControl->isVisible());
        QCOMPARE(f->dialogs.messages, QStringList());
    }

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void entryIsUnchangedRejectedOrAccepted_data();
    void entryIsUnchangedRejectedOrAccepted();
    void entryThatIsNoNumberWritesNothing_data();
    void entryThatIsNoNumberWritesNothing();
    void pn904BoundsAfterReadingSheets3And4();
    void firstRefusedWriteKeepsBothPendingUntilACommitElsewhere();
    void typingWithoutEnterLeavesTheStoredValue_data();
    void typingWithoutEnterLeavesTheStoredValue();
    void strayEnterDoesNotCommitTheFirstKeystroke();
    void enterThatOpensTheEditorDoesNotCommit();
    void onlyTheValueColumnEdits();
    void abandonKeepsCellWhenStoredTextIsNoNumber();
};

void TestGridEditing::entryIsUnchangedRejectedOrAccepted_data() {
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("held"); // the drive's value text
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("rejected");
    QTest::addColumn<QString>("cell");   // what the cell shows afterwards
    QTest::addColumn<QString>("stored"); // value text afterwards; written when changed

    const bool R = true;
    const bool ok = false;
    // clang-format off
    QTest::newRow("decimal unchanged") << 0 << 1 << "001E" << "30" << ok << "30" << "001E";
    QTest::newRow("decimal above max") << 0 << 1 << "001E" << "31" << R << "30" << "001E";
    QTest::newRow("decimal accepted") << 0 << 1 << "001E" << "5" << ok << "5" << "0005";
    QTest::newRow("decimal below min") << 1 << 100 << "0064" << "0" << R << "100" << "0064";
    QTest::newRow("decimal max") << 1 << 100 << "0064" << "20000" << ok << "20000" << "4E20";
    QTest::newRow("signed unchanged FC18") << 2 << 213 << "FC18" << "-1000" << ok << "-1000" << "FC18";
    QTest::newRow("signed below min") << 2 << 213 << "FC18" << "-10000" << R << "-1000" << "FC18";
    QTest::newRow("signed accepted") << 2 << 213 << "0064" << "-1000" << ok << "-1000" << "FC18";
    QTest::newRow("three digits accepted") << 0 << 0 << "0010" << "171" << ok << "1-7-1" << "0171";
    QTest::newRow("three digits rejected") << 0 << 0 << "0010" << "200" << R << "0-1-0" << "0010";
    QTest::newRow("two digits accepted") << 1 << 109 << "0000" << "15" << ok << "1-5" << "0015";
    QTest::newRow("two digits rejected") << 1 << 114 << "0012" << "17" << R << "1-2" << "0012";
    QTest::newRow("four digits accepted") << 4 << 415 << "0000" << "1011" << ok << "1-0-1-1" << "1011";
    QTest::newRow("pair accepted") << 5 << 512 << "0102" << "0808" << ok << "08-08" << "0808";
    QTest::newRow("pair rejected") << 5 << 512 << "0102" << "0900" << R << "01-02" << "0102";
    QTest::newRow("signal accepted") << 5 << 525 << "0051" << "441" << ok << "44-1" << "02C1";
    QTest::newRow("signal group rejected") << 5 << 525 << "0051" << "450" << R << "5-1" << "0051";
    QTest::newRow("signal digit rejected") << 5 << 534 << "0051" << "122" << R << "5-1" << "0051";
    QTest::newRow("signal unchanged") << 5 << 535 << "0051" << "051" << ok << "05-1" << "0051";
    // clang-format on
}

void TestGridEditing::entryIsUnchangedRejectedOrAccepted() {
    QFETCH(int, sheet);
    QFETCH(int, number);
    QFETCH(QString, held);
    QFETCH(QString, keys);
    QFETCH(bool, rejected);
    QFETCH(QString, cell);
    QFETCH(QString, stored);
    const quint16 n = quint16(number);
    f->values[n] = held;
    SetUp();
    if (sheet != 0)
        f->ShowSheet(sheet);
    const int mark = f->Mark();
    QString cellWhenShown;
    f->dialogs.onMessage = [&](const QString&) { cellWhenShown = f->ValueCell(n); };

    f->Type(n, keys);

    QCOMPARE(f->ValueCell(n), cell);
    QCOMPARE(f->dialogs.messages, rejected ? QStringList{kOutOfRange} : QStringList());
    if (rejected)
        QCOMPARE(cellWhenShown, cell); // restored before the message
    QCOMPARE(PmStringSheet.Value(n), stored);
    QCOMPARE(PendingWrite.Flag(n), quint8(0));
    QList<QByteArray> writes;
    if (stored != held)
        writes << MarkedWrite(n, stored.toLatin1().constData());
    QCOMPARE(f->WritesFrom(mark), writes);
    QCOMPARE(f->values.value(n), stored);
}

void TestGridEditing::entryThatIsNoNumberWritesNothing_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("message");
    QTest::newRow("5-3") << 1 << "5-3"
                         << "'5-3' is not a valid integer value";
    QTest::newRow("sign alone") << 2 << "-"
                                << "'-' is not a valid integer value";
    QTest::newRow("blank position") << 0 << "1"
                                    << "' ' is not a valid integer value";
}

void TestGridEditing::entryThatIsNoNumberWritesNothing() {
    QFETCH(int, number);
    QFETCH(QString, keys);
    QFETCH(QString, message);
    f->values[3] = "0001";
    f->refused.insert(3);
    SetUp();
    f->Type(3, "2"); // pending, and its write refused
    QCOMPARE(f->dialogs.messages, QStringList{"Pn003 寫入失敗"});
    f->refused.clear();
    f->dialogs.messages.clear();
    const int mark = f->Mark();

    f->Type(quint16(number), keys);

    QCOMPARE(f->dialogs.messages, QStringList{message});
    QCOMPARE(f->WritesFrom(mark), QList<QByteArray>()); // not even the pending one
    QCOMPARE(PendingWrite.Flag(3), quint8(1));
    QCOMPARE(CommitRequested, quint8(0));
}

void TestGridEditing::pn904BoundsAfterReadingSheets3And4() {
    f->values[904] = "0BB8";
    SetUp();
    f->ShowSheet(3);
    QCOMPARE(f->Grid()->Cell(6, f->RowOf(304)), QString("3000"));
    f->Type(304, "3001");
    f->Type(311, "-3001");
    QCOMPARE(f->dialogs.messages, (QStringList{kOutOfRange, kOutOfRange}));
    f->Type(304, "3000");
    f->Type(311, "-3000");
    QCOMPARE(PmStringSheet.Value(304), QString("0BB8"));
    QCOMPARE(PmStringSheet.Value(311), QString("F448"));

    f->ShowSheet(4);
    f->dialogs.messages.clear();
    const int mark = f->Mark();
    f->Type(406, "3001");
    f->Type(407, "-3001");
    f->Type(407, "1");
    QCOMPARE(f->dialogs.messages.size(), 3);
    f->Type(406, "3000");
    f->Type(407, "-3000");
    QCOMPARE(f->dialogs.messages.size(), 3);
    QCOMPARE(f->WritesFrom(mark),
             (QList<QByteArray>{MarkedWrite(406, "0BB8"), MarkedWrite(407, "F448")}));
}

void TestGridEditing::firstRefusedWriteKeepsBothPendingUntilACommitElsewhere() {
    f->values[101] = "0001";
    f->values[105] = "0001";
    f->values[110] = "0007";
    f->refused.insert(101);
    SetUp();
    f->ShowSheet(1);
    const int mark = f->Mark();

    f->Type(101, "5");
    f->Type(105, "6");
    QCOMPARE(f->dialogs.messages, (QStringList{"Pn101 寫入失敗", "Pn101 寫入失敗"}));
    QCOMPARE(f->WritesFrom(mark),
             (QList<QByteArray>{MarkedWrite(101, "0005"), MarkedWrite(101, "0005")}));
    QCOMPARE(PendingWrite.Flag(101), quint8(1));
    QCOMPARE(PendingWrite.Flag(105), quint8(1));

    f->refused.clear();
    const int second = f->Mark();
    f->Type(110, "7"); // unchanged entry in another cell
    QCOMPARE(f->WritesFrom(second),
             (QList<QByteArray>{MarkedWrite(101, "0005"), MarkedWrite(105, "0006")}));
    QCOMPARE(PendingWrite.Flag(101), quint8(0));
    QCOMPARE(PendingWrite.Flag(105), quint8(0));
    QCOMPARE(f->values.value(105), QString("0006"));
    QCOMPARE(f->dialogs.messages.size(), 2);
}

void TestGridEditing::typingWithoutEnterLeavesTheStoredValue_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("escape") << "escape";
    QTest::newRow("arrow down") << "down";
    QTest::newRow("other cell") << "click";
}

void TestGridEditing::typingWithoutEnterLeavesTheStoredValue() {
    QFETCH(QString, how);
    f->values[1] = "001E";
    SetUp();
    f->Type(1, "05"); // accepted; the cell keeps the text as typed
    QCOMPARE(f->ValueCell(1), QString("05"));
    const int mark = f->Mark();
    f->Type(1, "25", false);
    QCOMPARE(f->Grid()->Editor()->displayText(), QString("25"));
    if (how == "escape") {
        QTest::keyClick(f->Grid()->Editor(), Qt::Key_Escape);
    } else if (how == "down") {
        QTest::keyClick(f->Grid()->Editor(), Qt::Key_Down);
    } else {
        const QRect cell = f->Grid()->visualRect(f->Grid()->model()->index(2, 0));
        QTest::mouseClick(f->Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QVERIFY(!f->Grid()->EditorOpen());
    QCOMPARE(f->ValueCell(1), QString("5")); // the stored value, shown as the fill shows it
    QCOMPARE(PmStringSheet.Value(1), QString("0005"));
    QCOMPARE(f->WritesFrom(mark), QList<QByteArray>());
    QCOMPARE(f->dialogs.messages, QStringList());
}

void TestGridEditing::strayEnterDoesNotCommitTheFirstKeystroke() {
    f->values[100] = "0001";
    SetUp();
    f->ShowSheet(1);
    const int mark = f->Mark();
    f->Select(1, f->RowOf(100));
    QTest::keyClick(f->Grid(), Qt::Key_Return); // no editor on the description
    QVERIFY(!f->Grid()->EditorOpen());
    QCOMPARE(CommitRequested, quint8(1));

    // Three keys: a commit on any keystroke before Enter would write 1 or 15.
    f->Type(100, "150");

    QCOMPARE(f->WritesFrom(mark), QList<QByteArray>{MarkedWrite(100, "0096")});
    QCOMPARE(f->ValueCell(100), QString("150"));
}

void TestGridEditing::enterThatOpensTheEditorDoesNotCommit() {
    f->values[100] = "0001";
    SetUp();
    f->ShowSheet(1);
    const int mark = f->Mark();
    f->Select(3, f->RowOf(100));
    QTest::keyClick(f->Grid(), Qt::Key_Return);
    QVERIFY(f->Grid()->EditorOpen());
    f->Grid()->Editor()->selectAll();
    QTest::keyClicks(f->Grid()->Editor(), "150");
    QCOMPARE(f->WritesFrom(mark), QList<QByteArray>());
    QTest::keyClick(f->Grid()->Editor(), Qt::Key_Return);
    QCOMPARE(f->WritesFrom(mark), QList<QByteArray>{MarkedWrite(100, "0096")});
}

void TestGridEditing::onlyTheValueColumnEdits() {
    f->values[1] = "001E";
    SetUp();
    const int row = f->RowOf(1);
    const QString unit = f->Grid()->Cell(4, row);
    f->Select(4, row);
    QVERIFY(!f->Grid()->Editing());
    QTest::keyClicks(f->Grid(), "5");
    QVERIFY(!f->Grid()->EditorOpen());
    QCOMPARE(f->Grid()->Cell(4, row), unit);
    f->Select(3, row);
    QVERIFY(f->Grid()->Editing());
    QTest::keyClicks(f->Grid(), "a+.");
    QVERIFY(!f->Grid()->EditorOpen()); // swallowed keys open nothing
}

void TestGridEditing::abandonKeepsCellWhenStoredTextIsNoNumber() {
    f->values[1] = "001E";
    SetUp();
    PmStringSheet.Value(1) = "None";
    f->Type(1, "7", false);
    QTest::keyClick(f->Grid()->Editor(), Qt::Key_Escape);
    QCOMPARE(f->ValueCell(1), QString("30"));
    QCOMPARE(f->dialogs.messages, QStringList());
}

QTEST_MAIN(TestGridEditing)
#include "test_grid_editing.moc"
