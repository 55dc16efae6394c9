// A drive without a link holds a file's values: the records derived from
// them are those a sheet read derives, an edit or a revert is stored and
// marked without a write, and a damaged file's values open all the same.
#include "catalogue/Catalogue.h"
#include "changes/ChangeTexts.h"
#include "changes/ValueMarks.h"
#include "drive/Drive.h"
#include "editing/EditRules.h"
#include "files/ParameterFileSamples.h"
#include "support/LinkFixture.h"

#include <QtTest>

namespace {

ParameterValues FileValues() {
    ParameterValues values = samples::DistinctValues();
    values[size_t(SlotOf(kPn904))] = QStringLiteral("0BB8"); // 3000
    values[size_t(SlotOf(304))] = QStringLiteral("FC18");    // -1000
    values[size_t(SlotOf(101))] = QStringLiteral("01f4");    // lower case, as a file may hold
    return values;
}

} // namespace

class TestOfflineDrive : public QObject {
    Q_OBJECT
private slots:
    // Catches an offline open that forgets a derived record (digits, signed
    // values, the Pn904 bounds) or takes Pn904 from anywhere but the file.
    void derivesTheRecordsASheetReadDerives() {
        const ParameterValues values = FileValues();
        Drive offline;
        offline.SetValuesOffline(values);

        // The fake port answers within 5 ms; a whole reply ends the wait.
        LinkSettings quick;
        quick.timing = LinkSettings::Timing::Reply;
        quick.SetTimeout(15);
        auto fixture = std::make_unique<LinkFixture>(kFormatMarked, quick);
        fixture->AnswerLikeADrive(kFormatMarked);
        for (int slot = 0; slot < kSlotCount; ++slot)
            fixture->values.insert(NumberOfSlot(slot), values[size_t(slot)]);
        Drive online;
        fixture->GiveTo(online);
        for (const int sheet : {0, 1, 2, 3, 4, 5, 6, 7, 9})
            online.ReadSheet(sheet);

        const DriveValues& a = offline.Values();
        const DriveValues& b = online.Values();
        QCOMPARE(a.PmStringSheet.Slots, b.PmStringSheet.Slots);
        QCOMPARE(a.PmSystemStringSheet.Blocks, b.PmSystemStringSheet.Blocks);
        QCOMPARE(a.PmSignedValues, b.PmSignedValues);
        for (const ParameterRecord& record : Records()) {
            QCOMPARE(a.Pn904Bounds.WordsOf(record).lower, b.Pn904Bounds.WordsOf(record).lower);
            QCOMPARE(a.Pn904Bounds.WordsOf(record).upper, b.Pn904Bounds.WordsOf(record).upper);
        }
        QCOMPARE(a.ShownMaximum(*RecordOf(304)), QStringLiteral("3000"));
    }

    // Catches an edit that tries the missing link, stays waiting (yellow),
    // or is not told apart from a drive's write in the change list.
    void anEditIsStoredAndMarkedWithoutAWrite() {
        Drive drive;
        drive.SetValuesOffline(FileValues());
        const EditOutcome outcome = drive.Edit(*RecordOf(101), QStringLiteral("600"));
        QCOMPARE(outcome.verdict, EditVerdict::Accepted);
        QCOMPARE(drive.WriteThrough(1), std::optional<quint16>());
        QCOMPARE(drive.Values().PendingWrite.Flag(101), quint8(0));
        QCOMPARE(drive.Values().PmStringSheet.Value(101), QStringLiteral("0258"));
        QCOMPARE(drive.Changes().Rows().size(), 1);
        QCOMPARE(ChangeRowTexts(drive.Changes().Rows().at(0)).last(), QStringLiteral("已修改"));
        QCOMPARE(ValueMarkOf(drive.Values(), drive.Changes(), 101), ValueMark::Changed);
        QCOMPARE(ValueMarkHint(drive.Values(), drive.Changes(), 101),
                 QStringLiteral("本次已變更，原值 500"));

        const RevertOutcome revert = drive.RevertAll();
        QCOMPARE(revert.stored, QList<quint16>{101});
        QCOMPARE(revert.failed, std::optional<quint16>());
        QCOMPARE(drive.Values().PmStringSheet.Value(101), QStringLiteral("01f4"));
        QCOMPARE(ChangeRowTexts(drive.Changes().Rows().at(1)).last(), QStringLiteral("已修改"));
        QCOMPARE(ValueMarkOf(drive.Values(), drive.Changes(), 101), ValueMark::None);
    }

    // A file without Pn904 or with "None" in a signed parameter opens; the
    // records that cannot be derived stay as at start-up.
    void aDamagedFileStillOpens() {
        ParameterValues values = FileValues();
        values[size_t(SlotOf(kPn904))] = QString();
        values[size_t(SlotOf(304))] = QStringLiteral("None");
        Drive drive;
        drive.SetValuesOffline(values);
        QCOMPARE(drive.Values().PmStringSheet.Value(304), QStringLiteral("None"));
        QCOMPARE(drive.Values().PmSignedValues[size_t(SignedIndexOf(304))], qint16(0));
        QCOMPARE(drive.Values().PmSignedValues[size_t(SignedIndexOf(305))],
                 qint16(values[size_t(SlotOf(305))].toUShort(nullptr, 16)));
    }

    void aDriveWithALinkRefuses() {
        auto fixture = LinkFixture::Drive(kFormatMarked);
        Drive drive;
        fixture->GiveTo(drive);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, drive.SetValuesOffline(FileValues()));
    }

    void outsideRule_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("pn904");
        QTest::addColumn<bool>("outside");
        QTest::newRow("within") << 101 << "2710"
                                << "" << false;
        QTest::newRow("above the maximum") << 101 << "2711"
                                           << "" << true;
        QTest::newRow("no value") << 101 << "None"
                                  << "" << false;
        QTest::newRow("no answer") << 101 << ""
                                   << "" << false;
        QTest::newRow("not hexadecimal") << 101 << "ZZZZ"
                                         << "" << true;
        QTest::newRow("a digit above its limit") << 0 << "0181"
                                                 << "" << true;
        QTest::newRow("digits within") << 0 << "0171"
                                       << "" << false;
        QTest::newRow("within Pn904") << 304 << "FC18"
                                      << "03E8" << false;
        QTest::newRow("beyond Pn904") << 304 << "FC17"
                                      << "03E8" << true;
        QTest::newRow("Pn904 unknown") << 304 << "FC17"
                                       << "None" << false;
        QTest::newRow("no rule") << 904 << "FFFF"
                                 << "" << false;
    }
    // Catches a grid mark that judges otherwise than a report's "!".
    void outsideRule() {
        QFETCH(int, number);
        QFETCH(QString, value);
        QFETCH(QString, pn904);
        QFETCH(bool, outside);
        QCOMPARE(StandingOf(*RecordOf(quint16(number)), value, pn904) == ValueStanding::Outside,
                 outside);
    }
};

QTEST_GUILESS_MAIN(TestOfflineDrive)
#include "test_offline_drive.moc"
