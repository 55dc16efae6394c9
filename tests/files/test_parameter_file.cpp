#include "ParameterFileSamples.h"
#include "core/QuotedText.h"
#include "core/TarnError.h"
#include "files/ParameterFile.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QString RefusalOf(const QString& path) {
    try {
        ReadParameterFile(path);
    } catch (const EFileError& e) {
        return e.Text();
    }
    return QString();
}
} // namespace

// The file format that saving writes and loading checks.
class TestParameterFile : public QObject {
    Q_OBJECT
private slots:
    void keysFollowTheFileOrder() {
        const QList<QByteArray> lines = samples::Lines(ParameterValues());
        QCOMPARE(lines.size(), 309);
        QCOMPARE(lines.first(), QByteArray("P000"));
        QCOMPARE(lines[3], QByteArray("P003"));
        QCOMPARE(lines[4], QByteArray("P100"));
        QCOMPARE(lines[24], QByteArray("P120"));
        QCOMPARE(lines[220], QByteArray("P749"));
        QCOMPARE(lines[221], QByteArray("P900"));
        QCOMPARE(lines.last(), QByteArray("P987"));
        for (int i = 1; i < lines.size(); ++i) {
            QVERIFY2(lines[i - 1] < lines[i], lines[i].constData());
        }
    }

    void allZeroFileIs3090BytesOfCrLfLines() {
        ParameterValues values;
        values.fill("0000");
        const QByteArray bytes = ParameterFileBytes(values);
        QCOMPARE(bytes.size(), 3090);
        QVERIFY(bytes.startsWith("P0000000\r\nP0010000\r\n"));
        QVERIFY(bytes.endsWith("P9860000\r\nP9870000\r\n"));
        QCOMPARE(bytes.count("\r\n"), 309);
        QCOMPARE(bytes.count('\n'), 309);
        QCOMPARE(bytes.count('\r'), 309);
    }

    void valueTextsAreWrittenAsTheyAre_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("four digits") << "0064" << QByteArray("P1000064\r\n");
        QTest::newRow("lower case") << "00ff" << QByteArray("P10000ff\r\n");
        QTest::newRow("None") << "None" << QByteArray("P100None\r\n");
        QTest::newRow("no answer") << "" << QByteArray("P100\r\n");
        QTest::newRow("text loading refuses: None") << "00" << QByteArray("P100None\r\n");
    }
    void valueTextsAreWrittenAsTheyAre() {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        QCOMPARE(FileLine(100, value), line);
    }

    void tarnIsAppendedOnlyWhenMissing_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare name") << "/tmp/abc"
                                   << "/tmp/abc.tarn";
        QTest::newRow("with suffix") << "/tmp/abc.tarn"
                                     << "/tmp/abc.tarn";
        QTest::newRow("upper case suffix") << "/tmp/ABC.TARN"
                                           << "/tmp/ABC.TARN";
        QTest::newRow("mixed case suffix") << "abc.Tarn"
                                           << "abc.Tarn";
        QTest::newRow("other suffix") << "abc.txt"
                                      << "abc.txt.tarn";
        QTest::newRow("suffix not at the end") << "abc.tarn.bak"
                                               << "abc.tarn.bak.tarn";
        QTest::newRow("no dot") << "abctarn"
                                << "abctarn.tarn";
    }
    void tarnIsAppendedOnlyWhenMissing() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(WithTarnSuffix(chosen), written);
    }

    void savedFileReadsBackUnchanged() {
        QTemporaryDir dir;
        ParameterValues values = samples::DistinctValues();
        values[0] = "None";
        values[4] = "";
        values[5] = "00ff"; // lower case stays lower case
        values[308] = "";
        const QString path = dir.filePath("round.tarn");
        WriteParameterFile(path, values);
        QCOMPARE(FileBytes(path), ParameterFileBytes(values));
        QCOMPARE(ReadParameterFile(path), values);
    }

    void acceptedLayouts_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QList<QByteArray> lines = samples::Lines(samples::DistinctValues());
        QTest::newRow("LF only") << samples::Join(lines, "\n");
        QTest::newRow("blanks and tabs between tokens") << samples::Join(lines, " \t ");
        QTest::newRow("no line end after the last") << samples::Join(lines).chopped(2);
        QTest::newRow("tokens after the 309th ignored")
            << samples::Join(lines) + "P000FFFF XYZ garbage\r\n";
        QTest::newRow("leading blank lines") << "\r\n\r\n" + samples::Join(lines);
        QTest::newRow("a byte order mark first") << "\xEF\xBB\xBF" + samples::Join(lines);
    }
    void acceptedLayouts() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("ok.tarn");
        QVERIFY(PutFile(path, bytes));
        QCOMPARE(ReadParameterFile(path), samples::DistinctValues());
    }

    void refusedFilesNameTheFirstBadLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("fragment");
        for (const samples::Damaged& d : samples::DamagedFiles()) {
            QTest::newRow(d.name) << d.bytes << d.line << d.fragment;
        }
    }
    void refusedFilesNameTheFirstBadLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, fragment);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.tarn");
        QVERIFY(PutFile(path, bytes));
        const QString text = RefusalOf(path);
        QVERIFY2(text.contains(path), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("第 %1 行：").arg(line)), qPrintable(text));
        QVERIFY2(text.contains(fragment), qPrintable(text));
    }

    void missingFileIsRefusedByName() {
        QTemporaryDir dir;
        const QString path = dir.filePath("absent.tarn");
        const QString text = RefusalOf(path);
        QVERIFY2(text.contains(path) && text.contains("無法開啟"), qPrintable(text));
    }

    void directoryInTheWayIsReportedAndKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath("taken.tarn");
        QVERIFY(QDir(dir.path()).mkdir("taken.tarn"));
        try {
            WriteParameterFile(path, samples::DistinctValues());
            QFAIL("writing over a directory must fail");
        } catch (const EFileError& e) {
            QCOMPARE(
                e.Text(),
                QStringLiteral("Cannot create file %1\nFilename refers to a directory").arg(path));
        }
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"taken.tarn"});
    }

    // A quoted token never reaches a terminal raw: control bytes and bytes
    // that are not UTF-8 as \xNN.
    void quotedTokensAreEscaped_data() {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QString>("message");
        QTest::newRow("binary") << QByteArray("\x7F"
                                              "ELF\x02\x01\x01\xff\xfe",
                                              9)
                                << "讀到 \\x7FELF\\x02\\x01\\x01\\xFF\\xFE";
        QTest::newRow("valid UTF-8 kept, escape and cut UTF-8")
            << QByteArray("參\x1b[31m\xe5\x8f") << "讀到 參\\x1B[31m\\xE5\\x8F";
    }
    void quotedTokensAreEscaped() {
        QFETCH(QByteArray, first);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("bin.tarn");
        QVERIFY(PutFile(path, first + "\r\n"));
        QCOMPARE(RefusalOf(path),
                 QStringLiteral(
                     "無法載入參數檔 %1\n第 1 行：應為 P000 加上四位十六進位數值、None 或空白，")
                         .arg(path) +
                     message);
    }

    void quotingCountsAnEscapeAsOneCharacter() {
        QCOMPARE(QuotedFileText(QByteArray(70, '\x01')), QString("\\x01").repeated(60) + "…");
        QCOMPARE(QuotedFileText(QByteArray(60, 'a')), QString(60, 'a'));
        QCOMPARE(QuotedFileText("\xc0\xaf\xed\xa0\x80\xf0\x9f\x98\x80"),
                 QStringLiteral("\\xC0\\xAF\\xED\\xA0\\x80") +
                     QString::fromUtf8("\xf0\x9f\x98\x80"));
    }

    void missingFolderIsReported() {
        QTemporaryDir dir;
        const QString path = dir.filePath("no/such/folder.tarn");
        QVERIFY_THROWS_EXCEPTION(EFileError, WriteParameterFile(path, ParameterValues()));
    }

#ifdef Q_OS_UNIX
    // A write that fails part way (here: a file-size limit below the file's
    // 3090 bytes) must leave the old file whole and no stray file behind.
    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.tarn");
        const QByteArray old = "old contents\r\n";
        QVERIFY(PutFile(path, old));
        ParameterValues values;
        values.fill("0000");

        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        rlimit small = saved;
        small.rlim_cur = 1000;
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        bool refused = false;
        try {
            WriteParameterFile(path, values);
        } catch (const EFileError&) {
            refused = true;
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        QVERIFY(refused);
        QCOMPARE(FileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.tarn"});
    }
#endif

    // A stop asked for while the file is written leaves the old one whole
    // and nothing beside it; not asked, the file is put in place.
    void cancelledWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("stop.tarn");
        const QByteArray old = "old contents\r\n";
        QVERIFY(PutFile(path, old));
        ParameterValues values;
        values.fill("0000");
        QVERIFY(!WriteParameterFile(path, values, [] { return true; }));
        QCOMPARE(FileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"stop.tarn"});
        QVERIFY(WriteParameterFile(path, values, [] { return false; }));
        QCOMPARE(FileBytes(path), ParameterFileBytes(values));
    }

    void existingFileIsReplacedWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath("replace.tarn");
        QVERIFY(PutFile(path, QByteArray(5000, 'x')));
        ParameterValues values;
        values.fill("0000");
        WriteParameterFile(path, values);
        QCOMPARE(FileBytes(path), ParameterFileBytes(values));
    }
};

QTEST_GUILESS_MAIN(TestParameterFile)
#include "test_parameter_file.moc"
