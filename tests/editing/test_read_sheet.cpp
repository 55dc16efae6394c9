#include "core/TarnError.h"
#include "support/TestDrive.h"
#include "values/ValueForms.h"
#include "support/LinkFixture.h"

#include <QtTest>
#include <memory>

// A drive that answers reads from `values` in the marked format, except the
// numbers its faults name: unmarked (answered without the mark) and silent
// (no answer).
class TestReadSheet : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkFixture> f_;

    QList<QByteArray> Requests() const { return f_->port->Writes(); }

private slots:
    void init() {
        ResetParameterRecords();
        f_ = LinkFixture::Drive(kFormatMarked);
        f_->GiveTo(TestDrive());
    }
    void cleanup() {
        TestDrive().SetLink(nullptr);
        f_.reset();
    }

    void readsEveryNumberOfTheSheetInOrder_data();
    void readsEveryNumberOfTheSheetInOrder();
    void storesTextsAndRefreshesDerivedRecords();
    void pn904LimitsBelongToTheSheetRead();
    void pn904WithoutAnswerEndsTheReadAtTheLimits();
    void unmarkedSignedReplyEndsTheReadAfterStoringIt();
    void failureKeepsOldTextsOfLaterNumbers();
};

void TestReadSheet::readsEveryNumberOfTheSheetInOrder_data() {
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QList<int>>("numbers");
    const auto range = [](int first, int last) {
        QList<int> numbers;
        for (int n = first; n <= last; ++n)
            numbers.append(n);
        return numbers;
    };
    QTest::newRow("Pn0xx") << 0 << range(0, 3);
    QTest::newRow("Pn1xx") << 1 << range(100, 120);
    QTest::newRow("Pn2xx") << 2 << range(200, 213);
    QTest::newRow("Pn3xx") << 3 << QList<int>{904} + range(300, 341);
    QTest::newRow("Pn4xx") << 4 << QList<int>{904} + range(400, 415);
    QTest::newRow("Pn5xx") << 5 << range(500, 539);
    QTest::newRow("Pn6xx") << 6 << range(600, 633);
    QTest::newRow("Pn7xx") << 7 << QList<int>{904} + range(700, 749);
    QTest::newRow("Pn8xx") << 8 << QList<int>{};
    QTest::newRow("Pn9xx") << 9 << range(900, 987);
    QTest::newRow("beyond") << 10 << QList<int>{};
}

void TestReadSheet::readsEveryNumberOfTheSheetInOrder() {
    QFETCH(int, sheet);
    QFETCH(QList<int>, numbers);
    ReadSheet(sheet);
    QList<QByteArray> expected;
    for (int n : numbers)
        expected.append(ReadRequest(quint16(n)));
    QCOMPARE(Requests(), expected);
}

void TestReadSheet::storesTextsAndRefreshesDerivedRecords() {
    f_->values[0] = "0171";
    f_->values[3] = "001E";
    f_->values[213] = "FC18";
    f_->values[902] = "1234";
    f_->values[908] = "FF9C";
    PmStringSheet.Value(2) = "ABCD";
    f_->faults.silentNumbers.insert(2); // no answer: empty text replaces the old one

    ReadSheet(0);
    ReadSheet(2);
    ReadSheet(9);

    QCOMPARE(PmStringSheet.Value(0), QString("0171"));
    QCOMPARE(PmStringSheet.Value(2), QString());
    QCOMPARE(PmStringSheet.Value(3), QString("001E"));
    QCOMPARE(DisplayText(DisplayForm::ThreeDigitGroup, 0), QString("1-7-1"));
    QCOMPARE(PmSignedValues[SignedIndexOf(213)], qint16(-1000));
    QCOMPARE((*PmSystemStringSheet.Digits(902))[0], QString("1"));
    QCOMPARE(PmSignedValues[SignedIndexOf(908)], qint16(-100));
}

void TestReadSheet::pn904LimitsBelongToTheSheetRead() {
    f_->values[904] = "0BB8";
    ReadSheet(4);
    const auto words = [](quint16 number) { return Pn904Bounds.WordsOf(*RecordOf(number)); };
    QCOMPARE(words(406).upper, quint16(3000));
    QCOMPARE(qint16(words(407).lower), qint16(-3000));
    QCOMPARE(words(304).upper, quint16(0)); // sheet 3 not read yet
    QCOMPARE(words(708).upper, quint16(0));

    f_->values[904] = "8000";
    ReadSheet(3);
    for (quint16 number = 304; number <= 311; ++number) {
        QCOMPARE(words(number).upper, quint16(0x8000));
        QCOMPARE(words(number).lower, quint16(0x8000));
    }
    QCOMPARE(words(406).upper, quint16(3000)); // kept from sheet 4

    f_->values[904] = "07D0";
    ReadSheet(7);
    QCOMPARE(words(708).upper, quint16(2000));
    QCOMPARE(PmStringSheet.Value(904), QString("07D0"));
}

void TestReadSheet::pn904WithoutAnswerEndsTheReadAtTheLimits() {
    f_->faults.silentNumbers.insert(904);
    PmStringSheet.Value(300) = "0110";
    try {
        ReadSheet(3);
        QFAIL("no conversion error");
    } catch (const EConvertError& e) {
        QCOMPARE(e.Text(), QString("'0x' is not a valid integer value"));
    }
    QCOMPARE(Requests(), QList<QByteArray>{ReadRequest(904)});
    QCOMPARE(PmStringSheet.Value(300), QString("0110"));
}

void TestReadSheet::unmarkedSignedReplyEndsTheReadAfterStoringIt() {
    f_->faults.unmarked.insert(213);
    f_->values[212] = "0007";
    try {
        ReadSheet(2);
        QFAIL("no conversion error");
    } catch (const EConvertError& e) {
        QCOMPARE(e.Text(), QString("'0xNone' is not a valid integer value"));
    }
    QCOMPARE(Requests().size(), 14);
    QCOMPARE(PmStringSheet.Value(212), QString("0007"));
    QCOMPARE(PmStringSheet.Value(213), QString("None"));
}

void TestReadSheet::failureKeepsOldTextsOfLaterNumbers() {
    f_->values[904] = "0BB8";
    f_->values[303] = "0042";
    f_->faults.silentNumbers.insert(304); // signed: its empty text fails to convert
    PmStringSheet.Value(305) = "0123";
    QVERIFY_THROWS_EXCEPTION(EConvertError, ReadSheet(3));
    QCOMPARE(Requests().size(), 6); // Pn904, Pn300..Pn304
    QCOMPARE(PmStringSheet.Value(303), QString("0042"));
    QCOMPARE(PmStringSheet.Value(304), QString());
    QCOMPARE(PmStringSheet.Value(305), QString("0123"));
}

QTEST_GUILESS_MAIN(TestReadSheet)
#include "test_read_sheet.moc"
