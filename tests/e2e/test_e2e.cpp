// The program driven as a user would, over a real pty against the virtual
// drive: the drive's traffic log and state file say what happened.
#include "E2eFixture.h"

#include <QTemporaryDir>

namespace {
const QString kOutOfRange = QStringLiteral("不在允許範圍內");

void AddFormats() {
    QTest::addColumn<int>("format");
    QTest::newRow("plain") << 0;
    QTest::newRow("marked") << 1;
}

// One edit per sheet: keys that are taken (and the value stored) and keys
// outside the range.
struct SheetEdit {
    int sheet;
    quint16 number;
    const char* accepted;
    const char* stored;
    const char* rejected;
};
const SheetEdit kEdits[] = {
    {0, 1, "5", "0005", "31"},          {1, 100, "20000", "4E20", "0"},
    {2, 213, "-1000", "FC18", "-10000"}, {3, 301, "500", "01F4", "1001"},
    {4, 402, "1500", "05DC", "3001"},    {5, 512, "0808", "0808", "0900"},
};
} // namespace

class TestE2e : public QObject {
    Q_OBJECT

private slots:
    void wireTraffic_data() { AddFormats(); }
    void wireTraffic() {
        QFETCH(int, format);
        E2eFixture f({"--format", QString::number(format)});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        QVERIFY(MainForm->ParaTabControl->isVisible());

        int mark = f.Mark();
        f.ShowSheet(1);
        QCOMPARE(f.RequestsFrom(mark), f.Reads(100, 120));

        mark = f.Mark();
        f.ShowSheet(3);
        const QList<QByteArray> sheet3 = f.RequestsFrom(mark);
        QVERIFY(!sheet3.isEmpty());
        QCOMPARE(sheet3.first(), QByteArray(":P904????\r"));

        f.ShowSheet(0);
        mark = f.Mark();
        f.Type(1, "5");
        const QByteArray write = format == 1 ? ":P001=0x0005\r" : ":P0010005\r";
        QCOMPARE(f.RequestsFrom(mark), QList<QByteArray>{write});
        mark = f.Mark();
        f.Type(1, "31");
        QCOMPARE(f.dialogs.messages, QStringList{kOutOfRange});
        QCOMPARE(f.RequestsFrom(mark), QList<QByteArray>());
    }

    // Two saves per format (about 13 s each).
    void wholeRoad_data() { AddFormats(); }
    void wholeRoad() {
        QFETCH(int, format);
        E2eFixture f({"--format", QString::number(format)});
        QVERIFY2(f.Connect(), qPrintable(f.sim.Error()));
        f.SetUp();
        QVERIFY(MainForm->ParaTabControl->isVisible());
        QCOMPARE(f.dialogs.messages, QStringList());

        for (const SheetEdit& e : kEdits) {
            f.ShowSheet(e.sheet);
            QCOMPARE(MainForm->ParaTabControl->TabIndex(), e.sheet);
            int mark = f.Mark();
            f.Type(e.number, e.accepted);
            QCOMPARE(f.WritesFrom(mark).size(), 1);
            QCOMPARE(f.sim.State().value(e.number), QString::fromLatin1(e.stored));
            QCOMPARE(f.Grid()->Cell(3, f.RowOf(e.number)).remove('-').toInt(),
                     QString::fromLatin1(e.accepted).remove('-').toInt());

            mark = f.Mark();
            f.dialogs.messages.clear();
            f.Type(e.number, e.rejected);
            QCOMPARE(f.dialogs.messages, QStringList{kOutOfRange});
            f.Type(e.number, e.accepted); // unchanged now
            QCOMPARE(f.dialogs.messages, QStringList{kOutOfRange});
            QCOMPARE(f.WritesFrom(mark), QList<QByteArray>());
            QCOMPARE(f.sim.State().value(e.number), QString::fromLatin1(e.stored));
        }

        QTemporaryDir dir;
        const QString first = dir.filePath("first.tarn");
        const QString second = dir.filePath("second.tarn");
        f.dialogs.messages.clear();
        f.dialogs.saveAnswers << first;
        MainForm->Save2->trigger();
        QCOMPARE(f.dialogs.messages, QStringList());
        const QByteArray saved = FileBytes(first);
        QVERIFY(!saved.isEmpty());
        const QMap<quint16, QString> before = f.sim.State();

        QVERIFY(f.sim.Command("set 101 1234"));
        QVERIFY(f.sim.Command("set 001 0003"));
        QVERIFY(f.sim.Command("set 512 0101"));
        QCOMPARE(f.sim.State().value(101), QStringLiteral("1234"));

        f.dialogs.openAnswers << first;
        MainForm->Open2->trigger();
        QVERIFY2(f.dialogs.messages == QStringList{QStringLiteral("請重開驅動器")},
                 qPrintable(f.dialogs.messages.join('|') + '\n' + f.Tail()));
        const QMap<quint16, QString> after = f.sim.State();
        QCOMPARE(after.size(), before.size());
        for (auto it = before.begin(); it != before.end(); ++it)
            if (it.key() != 900 && it.key() != 901)
                QVERIFY2(after.value(it.key()) == it.value(), qPrintable(QString::number(it.key())));

        f.dialogs.messages.clear();
        f.dialogs.saveAnswers << second;
        MainForm->Save2->trigger();
        QCOMPARE(f.dialogs.messages, QStringList());
        QCOMPARE(FileBytes(second), saved);
    }
};

QTEST_MAIN(TestE2e)
#include "test_e2e.moc"
