#include "catalogue/ParameterSearch.h"

#include <QtTest>

// Catches a search that misses a spelling of a number, matches case or
// language wrongly, loses the numbers without a row, or offers one of them
// for selection.
class TestParameterSearch : public QObject {
    Q_OBJECT
private slots:
    void hits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QList<int>>("selectable");
        QList<int> pn1xx;
        for (int n = 100; n <= 120; ++n)
            pn1xx << n;
        QList<int> pn20x;
        for (int n = 200; n <= 209; ++n)
            pn20x << n;
        QTest::newRow("digits") << "211" << QList<int>{211} << QList<int>{211};
        QTest::newRow("Pn and digits") << "Pn100" << QList<int>{100} << QList<int>{100};
        QTest::newRow("a sheet, lower case") << "pn1" << pn1xx << pn1xx;
        QTest::newRow("white space and mixed case") << "  pN20 " << pn20x << pn20x;
        QTest::newRow("Chinese") << "編碼器脈波" << QList<int>{201, 211} << QList<int>{201, 211};
        QTest::newRow("English, any case")
            << "ENCODER OUTPUT" << QList<int>{211} << QList<int>{211};
        QTest::newRow("Pn9xx, no row") << "Pn904" << QList<int>{904} << QList<int>{};
        QTest::newRow("Pn6xx, a row but no tab") << "603" << QList<int>{603} << QList<int>{};
        QTest::newRow("no hit") << "xyzzy" << QList<int>{} << QList<int>{};
        QTest::newRow("empty") << "  " << QList<int>{} << QList<int>{};
    }
    void hits() {
        QFETCH(QString, text);
        QFETCH(QList<int>, numbers);
        QFETCH(QList<int>, selectable);
        QList<int> found;
        QList<int> foundSelectable;
        for (const SearchHit& hit : FindParameters(text)) {
            found << hit.number;
            if (hit.selectable)
                foundSelectable << hit.number;
        }
        QCOMPARE(found, numbers);
        QCOMPARE(foundSelectable, selectable);
    }

    // A number's own hits lead, so Enter on "108" picks Pn108, not a
    // parameter whose words hold "108".
    void numberHitsComeBeforeWordHits() {
        const std::vector<SearchHit> hits = FindParameters(QStringLiteral("1"));
        QVERIFY(hits.size() > 21);
        QCOMPARE(hits.front().number, quint16(1));
        bool wordHitSeen = false;
        for (const SearchHit& hit : hits) {
            const bool byNumber =
                QStringLiteral("Pn%1").arg(hit.number, 3, 10, QLatin1Char('0')).contains('1');
            QVERIFY2(!(wordHitSeen && byNumber), qPrintable(QString::number(hit.number)));
            wordHitSeen = wordHitSeen || !byNumber;
        }
        QVERIFY(wordHitSeen);
    }

    void hitCarriesItsTextsAndSheet() {
        const std::vector<SearchHit> hits = FindParameters(QStringLiteral("Pn211"));
        QCOMPARE(hits.size(), size_t(1));
        QCOMPARE(hits[0].description, QStringLiteral("編碼器脈波輸出數"));
        QCOMPARE(hits[0].gloss, QStringLiteral("encoder output pulse count"));
        QCOMPARE(SheetTextOf(hits[0]), QStringLiteral("Pn2xx"));
        QCOMPARE(SheetTextOf(FindParameters(QStringLiteral("Pn904")).at(0)),
                 QStringLiteral("Pn9xx（不在表格中）"));
    }
};

QTEST_APPLESS_MAIN(TestParameterSearch)
#include "test_parameter_search.moc"
