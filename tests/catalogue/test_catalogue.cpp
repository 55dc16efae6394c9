#include "catalogue/Catalogue.h"
#include "support/TestDrive.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <algorithm>
#include <map>

namespace {
// Data rows per sheet 0..7 (the grid has one header row more).
constexpr std::array<int, 8> kRowsPerSheet{4, 21, 14, 39, 12, 37, 31, 37};

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

// Faults in the catalogue data: lost or doubled rows, a number on the wrong
// sheet, a bound that cannot be shown or checked, a text that drifted. That
// the forms agree with the signed and digit-wise lists is checked when the
// records are compiled.
class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void holdsEveryEntryOnce() {
        QCOMPARE(int(Catalogue().size()), 196);
        QSet<quint16> numbers;
        for (const ParameterRecord& e : Catalogue()) {
            QVERIFY2(!numbers.contains(e.number), qPrintable(PnName(e.number)));
            numbers.insert(e.number);
        }
        const auto withRow = std::count_if(Catalogue().begin(), Catalogue().end(),
                                           [](const ParameterRecord& e) { return e.row > 0; });
        QCOMPARE(int(withRow), 195);
        QCOMPARE(CatalogueEntryOf(724)->row, 0);
    }

    void rowsRunWithoutGapsInCatalogueOrder() {
        for (int sheet = 0; sheet < 8; ++sheet) {
            int expectedRow = 1;
            quint16 lastNumber = 0;
            bool first = true;
            for (const ParameterRecord* e : CatalogueOfSheet(sheet)) {
                QVERIFY2(first || e->number > lastNumber, qPrintable(PnName(e->number)));
                first = false;
                lastNumber = e->number;
                if (e->row == 0) {
                    continue;
                }
                QCOMPARE(e->row, expectedRow);
                QCOMPARE(EntryAtRow(sheet, e->row), e);
                ++expectedRow;
            }
            QCOMPARE(expectedRow - 1, kRowsPerSheet[sheet]);
            QCOMPARE(EntryAtRow(sheet, 0), nullptr);
            QCOMPARE(EntryAtRow(sheet, expectedRow), nullptr);
        }
        QVERIFY(CatalogueOfSheet(8).empty());
        QVERIFY(CatalogueOfSheet(9).empty());
        QCOMPARE(EntryAtRow(9, 1), nullptr);
    }

    // Numbers without a catalogue row keep a record of their own, in slot
    // order, with nothing to show and no rule.
    void everySlotHasARecord() {
        int catalogued = 0;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const ParameterRecord& r = Records()[slot];
            QCOMPARE(r.number, NumberOfSlot(slot));
            QCOMPARE(RecordOf(r.number), &r);
            QCOMPARE(r.sheet, r.number / 100);
            if (CatalogueEntryOf(r.number) != nullptr) {
                QCOMPARE(CatalogueEntryOf(r.number), &r);
                ++catalogued;
                continue;
            }
            const QByteArray name = PnName(r.number).toLatin1();
            QVERIFY2(!r.HasRule() && r.row == 0 && r.takesEffect == TakesEffect::Unknown,
                     name.constData());
            QVERIFY2(QString(r.description).isEmpty() && QString(r.controlMode).isEmpty(),
                     name.constData());
        }
        QCOMPARE(catalogued, 196);
        QCOMPARE(RecordOf(800), nullptr);
        QCOMPARE(RecordOf(902)->form, DisplayForm::FourDigitGroup);
        QCOMPARE(RecordOf(962)->form, DisplayForm::SignedDecimal);
        QCOMPARE(RecordOf(303)->form, DisplayForm::Decimal);
    }

    void sheetSevenShowsTheDecidedRows() {
        QCOMPARE(EntryAtRow(7, 11)->number, quint16(721));
        QCOMPARE(EntryAtRow(7, 12)->number, quint16(722));
        QCOMPARE(EntryAtRow(7, 13)->number, quint16(723));
        QCOMPARE(EntryAtRow(7, 14)->number, quint16(726));
        QCOMPARE(EntryAtRow(7, 15)->number, quint16(727));
        const ParameterRecord* pn722 = CatalogueEntryOf(722);
        QCOMPARE(pn722->form, DisplayForm::Decimal);
        QCOMPARE(QString(pn722->min.text), QString("1"));
        QCOMPARE(QString(pn722->max.text), QString("12700"));
    }

    void everyNumberHasASlotOnItsSheet() {
        for (const ParameterRecord& e : Catalogue()) {
            QVERIFY2(SlotOf(e.number) >= 0, qPrintable(PnName(e.number)));
            QCOMPARE(e.number / 100, e.sheet);
        }
        for (quint16 held : {303, 334, 335, 404, 405, 411, 414, 513, 514, 515, 608, 619, 628, 701,
                             706, 710, 713, 717, 725}) {
            QVERIFY2(CatalogueEntryOf(held) == nullptr, qPrintable(PnName(held)));
            QVERIFY(SlotOf(held) >= 0);
        }
    }

    void decimalBoundsFitSixteenBits() {
        const QSet<quint16> maxPn904{304, 305, 306, 307, 308, 309, 310, 311, 406, 708};
        const QSet<quint16> minPn904{304, 305, 306, 307, 308, 309, 310, 311, 407};
        for (const ParameterRecord& e : Catalogue()) {
            if (IsDigitWise(e.form)) {
                continue;
            }
            const QByteArray name = PnName(e.number).toLatin1();
            QCOMPARE(QString(e.min.text) == "-Pn904", minPn904.contains(e.number));
            QCOMPARE(QString(e.max.text) == "Pn904", maxPn904.contains(e.number));
            const bool isSigned = e.form == DisplayForm::SignedDecimal;
            qint64 min = minPn904.contains(e.number) ? -1 : 0;
            qint64 max = maxPn904.contains(e.number) ? 1 : 0;
            bool ok = true;
            if (!minPn904.contains(e.number)) {
                min = QString(e.min.text).toLongLong(&ok);
                QVERIFY2(ok, name.constData());
            }
            if (!maxPn904.contains(e.number)) {
                max = QString(e.max.text).toLongLong(&ok);
                QVERIFY2(ok, name.constData());
            }
            QVERIFY2(min <= max, name.constData());
            QVERIFY2(min >= (isSigned ? -32768 : 0), name.constData());
            QVERIFY2(max <= (isSigned ? 32767 : 65535), name.constData());
        }
    }

    void digitWiseBoundsFollowTheirPattern() {
        const std::map<DisplayForm, QRegularExpression> pattern{
            {DisplayForm::ThreeDigitGroup, QRegularExpression("^[0-9]-[0-9]-[0-9]$")},
            {DisplayForm::TwoDigitGroup, QRegularExpression("^[0-9]-[0-9]$")},
            {DisplayForm::FourDigitGroup, QRegularExpression("^[0-9]-[0-9]-[0-9]-[0-9]$")},
            {DisplayForm::PairGroup, QRegularExpression("^[0-9]{2}-[0-9]{2}$")},
            {DisplayForm::SignalSelect, QRegularExpression("^[0-9]{2}-[0-9]$")}};
        for (const ParameterRecord& e : Catalogue()) {
            if (!IsDigitWise(e.form)) {
                continue;
            }
            const QByteArray name = PnName(e.number).toLatin1();
            QVERIFY2(pattern.at(e.form).match(e.min.text).hasMatch(), name.constData());
            QVERIFY2(pattern.at(e.form).match(e.max.text).hasMatch(), name.constData());
            QVERIFY2(!QString(e.min.text).contains(QRegularExpression("[1-9]")), name.constData());
        }
        QCOMPARE(QString(CatalogueEntryOf(512)->max.text), QString("08-08"));
        QCOMPARE(QString(CatalogueEntryOf(534)->max.text), QString("44-1"));
        QCOMPARE(QString(CatalogueEntryOf(535)->max.text), QString("22-1"));
    }

    // Control modes and units come from small sets; a typo in one row shows
    // up as a text outside them, a lost text as a set not fully used.
    void textsComeFromTheSetsInUse() {
        const QSet<QString> modes{Utf8("S,P,T(重開機)"), Utf8("S,P,T(立即)"), Utf8("S(立即)"),
                                  Utf8("S(重開機)"),     Utf8("P(立即)"),     Utf8("P(重開機)"),
                                  Utf8("T(立即)"),       Utf8("T(重開機)"),   Utf8("M(立即)"),
                                  Utf8("Tm(立即)"),      Utf8("Tm(重開機)"),  Utf8("IJ(立即)"),
                                  Utf8("IJ(重開機)"),    Utf8("(立即)"),      Utf8("IJ(立即))")};
        const QSet<QString> units{
            "---",      "%",     "V",      "Hz",       "0.1Hz",  "ms",   "0.1ms",   "0.01/s",
            "0.01/sec", "RPM",   "0.1RPM", "RPM/10ms", "Counts", "PLS",  "PLS/REV", "PLS/10V",
            "Pulse",    "pulse", "0.01",   "0.01V",    "0.01v",  "0.1%", "0.01MPa", "0.001L/min"};
        QSet<QString> modesSeen;
        QSet<QString> unitsSeen;
        for (const ParameterRecord& e : Catalogue()) {
            const QByteArray name = PnName(e.number).toLatin1();
            QVERIFY2(modes.contains(Utf8(e.controlMode)), name.constData());
            QVERIFY2(units.contains(Utf8(e.unit)), name.constData());
            QVERIFY2(!QString(e.description).trimmed().isEmpty(), name.constData());
            const TakesEffect marked = Utf8(e.controlMode).contains(Utf8("(重開機)"))
                                           ? TakesEffect::AfterRestart
                                           : TakesEffect::Immediately;
            QVERIFY2(e.takesEffect == marked, name.constData());
            modesSeen.insert(Utf8(e.controlMode));
            unitsSeen.insert(Utf8(e.unit));
            if (IsDigitWise(e.form)) {
                QCOMPARE(QString(e.unit), QString("---"));
            }
        }
        QCOMPARE(modesSeen, modes);
        QCOMPARE(unitsSeen, units);
    }

    void oddTextsStayAsListed() {
        QList<quint16> doubleParenthesis;
        for (const ParameterRecord& e : Catalogue()) {
            if (Utf8(e.controlMode) == Utf8("IJ(立即))")) {
                doubleParenthesis << e.number;
            }
        }
        QCOMPARE(doubleParenthesis, (QList<quint16>{731, 733, 734, 739}));
        QCOMPARE(QString(CatalogueEntryOf(301)->unit), QString("0.01v"));
        QCOMPARE(QString(CatalogueEntryOf(501)->unit), QString("0.01V"));
        QCOMPARE(Utf8(CatalogueEntryOf(208)->description), Utf8(CatalogueEntryOf(209)->description));
        QCOMPARE(Utf8(CatalogueEntryOf(409)->description), Utf8(CatalogueEntryOf(207)->description));
        QCOMPARE(Utf8(CatalogueEntryOf(500)->description), Utf8(CatalogueEntryOf(512)->description));
        QCOMPARE(Utf8(CatalogueEntryOf(327)->description), Utf8("直線減速度時間選擇 1"));
        QCOMPARE(Utf8(CatalogueEntryOf(400)->description), Utf8("轉矩命令,轉矩限制及轉速限制選擇"));
        QCOMPARE(Utf8(CatalogueEntryOf(525)->description), Utf8("輸入信號選擇 1 --- CN1-6/SON"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
