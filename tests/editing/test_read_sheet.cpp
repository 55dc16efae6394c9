#include "core/TarnError.h"
#include "catalogue/ParameterRecords.h"
#include "editing/ReadSheet.h"
#include "editing/ValueForms.h"
#include "link/DriveLink.h"
#include "link/DriveProtocol.h"
#include "link/TMSComm.h"
#include "support/FakeSerialDevice.h"

#include <QtTest>
#include <memory>

// A drive that answers reads from `values_` in the marked format, except the
// numbers in `plain_` (answered without the mark) and `silent_` (no answer).
class TestReadSheet : public QObject {
    Q_OBJECT

    std::unique_ptr<TMSComm> comm_;
    FakeSerialDevice* port_ = nullptr;
    QMap<quint16, QString> values_;
    QSet<quint16> plain_;
    QSet<quint16> silent_;

    QList<QByteArray> Requests() const { return port_->Writes(); }

private slots:
    void init() {
        ResetParameterRecords();
        values_.clear();
        plain_.clear();
        silent_.clear();
        auto device = std::make_unique<FakeSerialDevice>();
        port_ = device.get();
        const FakeSerialDevice::Responder drive =
            FakeSerialDevice::EchoingDrive(kFormatMarked, &values_);
        port_->SetResponder([this, drive](const QByteArray& request) -> QByteArray {
            const quint16 number = request.mid(2, 3).toUShort();
            if (silent_.contains(number))
                return {};
            if (plain_.contains(number))
                return request.left(5) + values_.value(number, "0000").toLatin1() + '\r';
            return drive(request);
        });
        comm_ = std::make_unique<TMSComm>(std::move(device));
        comm_->SetPortOpen(true);
        SetDriveComm(comm_.get());
        ReplyFormat = kFormatMarked;
    }
    void cleanup() {
        SetDriveComm(nullptr);
        comm_.reset();
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
    values_[0] = "0171";
    values_[3] = "001E";
    values_[213] = "FC18";
    values_[902] = "1234";
    values_[908] = "FF9C";
    PmStringSheet.Value(2) = "ABCD";
    silent_.insert(2); // no answer: empty text replaces the old one

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
    values_[904] = "0BB8";
    ReadSheet(4);
    QCOMPARE(Pn904Bounds.Pn406Max, quint16(3000));
    QCOMPARE(qint16(Pn904Bounds.Pn407Min), qint16(-3000));
    QCOMPARE(Pn904Bounds.Pn304to311Max[0], quint16(0)); // sheet 3 not read yet
    QCOMPARE(Pn904Bounds.Pn708Max, quint16(0));

    values_[904] = "8000";
    ReadSheet(3);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(Pn904Bounds.Pn304to311Max[i], quint16(0x8000));
        QCOMPARE(Pn904Bounds.Pn304to311Min[i], quint16(0x8000));
    }
    QCOMPARE(Pn904Bounds.Pn406Max, quint16(3000)); // kept from sheet 4

    values_[904] = "07D0";
    ReadSheet(7);
    QCOMPARE(Pn904Bounds.Pn708Max, quint16(2000));
    QCOMPARE(PmStringSheet.Value(904), QString("07D0"));
}

void TestReadSheet::pn904WithoutAnswerEndsTheReadAtTheLimits() {
    silent_.insert(904);
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
    plain_.insert(213);
    values_[212] = "0007";
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
    values_[904] = "0BB8";
    values_[303] = "0042";
    silent_.insert(304); // signed: its empty text fails to convert
    PmStringSheet.Value(305) = "0123";
    QVERIFY_THROWS_EXCEPTION(EConvertError, ReadSheet(3));
    QCOMPARE(Requests().size(), 6); // Pn904, Pn300..Pn304
    QCOMPARE(PmStringSheet.Value(303), QString("0042"));
    QCOMPARE(PmStringSheet.Value(304), QString());
    QCOMPARE(PmStringSheet.Value(305), QString("0123"));
}

QTEST_GUILESS_MAIN(TestReadSheet)
#include "test_read_sheet.moc"
