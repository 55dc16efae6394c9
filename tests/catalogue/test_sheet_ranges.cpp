#include "support/TestDrive.h"

#include <QtTest>

// Catches a slot table that drifts from the numbers it holds.
class TestSheetRanges : public QObject {
    Q_OBJECT
private slots:
    void everySlotMapsBackToItsNumber() {
        QSet<quint16> seen;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const quint16 n = NumberOfSlot(slot);
            QCOMPARE(SlotOf(n), slot);
            QVERIFY(!seen.contains(n));
            seen.insert(n);
        }
        QCOMPARE(seen.size(), 309);
    }

    void numbersWithoutSlot_data() {
        QTest::addColumn<int>("number");
        for (int n : {4, 10, 99, 121, 214, 342, 416, 540, 634, 750, 800, 899, 988, 65535}) {
            QTest::addRow("%d", n) << n;
        }
    }
    void numbersWithoutSlot() {
        QFETCH(int, number);
        QCOMPARE(SlotOf(static_cast<quint16>(number)), -1);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 PmStringSheet.Value(static_cast<quint16>(number)));
    }

    void fieldsAreViewsOfTheSlots() {
        ResetParameterRecords();
        PmStringSheet.Value(304) = "0BB8";
        QCOMPARE(PmStringSheet.Pn3xx()[4], QString("0BB8"));
        PmStringSheet.Pn9xx()[4] = "8000";
        QCOMPARE(PmStringSheet.Value(904), QString("8000"));
        QCOMPARE(PmStringSheet.Pn9xx().size, 88);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, PmStringSheet.Field(8));
    }

    void derivedRecordIndices() {
        QCOMPARE(DigitBlockOf(0), 0);
        QCOMPARE(DigitBlockOf(913), 29);
        QCOMPARE(DigitBlockOf(1), -1);
        QCOMPARE(SignedIndexOf(213), 0);
        QCOMPARE(SignedIndexOf(962), 32);
        QCOMPARE(SignedIndexOf(303), -1);
        QVERIFY(PmSystemStringSheet.Digits(512) == &PmSystemStringSheet.Blocks[8]);
        QVERIFY(PmSystemStringSheet.Digits(513) == nullptr);
    }
};

QTEST_GUILESS_MAIN(TestSheetRanges)
#include "test_sheet_ranges.moc"
