// The backup library as another program would call it, with no drive and
// no tarnctl: readings handed over, commits in a real repository read back
// through its history.
#include "backup/PlantBackup.h"
#include "backup/PlantHistory.h"
#include "catalogue/SheetRanges.h"
#include "files/ParameterFileSamples.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ParameterValues With(ParameterValues values, quint16 number, const QString& text) {
    values[size_t(SlotOf(number))] = text;
    return values;
}

// Pn100 400, every other parameter a distinct valid value.
ParameterValues Base() {
    return With(samples::DistinctValues(), 100, "0190");
}

AxisReading Silent() {
    return AxisReadingOf(ParameterValues{});
}

QString Git(const QString& folder, const QStringList& arguments) {
    QProcess git;
    git.start("git", QStringList{"-C", folder} + arguments);
    git.waitForFinished(30000);
    return QString::fromUtf8(git.readAllStandardOutput()).trimmed();
}

} // namespace

class TestPlantBackup : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    const Plant plant{"廠A", {{"M01", "X", "COM1", {}, {}, 1, {}}, {"M01", "Y", "COM2", {}, {}, 2, {}}}};
    const GitIdentity author{"王小明", "ming@example.com"};

    QString Repo() const { return dir.filePath("repo"); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        qputenv("GIT_CONFIG_GLOBAL", "/dev/null");
        qputenv("GIT_CONFIG_NOSYSTEM", "1");
    }

    void readingOfAWholeOrPartRead_data() {
        QTest::addColumn<ParameterValues>("read");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("failure");
        QTest::newRow("whole") << Base() << true << QString();
        QTest::newRow("nothing answered")
            << ParameterValues{} << false << QStringLiteral("驅動器沒有回應，檔案未更新");
        QTest::newRow("two without value")
            << With(With(Base(), 101, ""), 300, "") << false
            << QStringLiteral("2 個參數沒有讀到數值（第一個 Pn101），檔案未更新");
    }
    void readingOfAWholeOrPartRead() {
        QFETCH(ParameterValues, read);
        QFETCH(bool, kept);
        const AxisReading reading = AxisReadingOf(read);
        QCOMPARE(reading.values.has_value(), kept);
        QTEST(reading.failure, "failure");
        if (reading.values) {
            QCOMPARE(*reading.values, read);
        }
    }

    // Three runs, each on what the one before committed.
    void runsCommitWhatChangedAndHistoryReadsItBack() {
        const ParameterValues changed = With(Base(), 100, "01F4"); // 400 → 500
        struct Run {
            std::vector<AxisReading> readings;
            bool commits;
            QString message;
        };
        const std::vector<Run> runs{
            {{{Base(), {}}, Silent()},
             true,
             "備份 廠A：1 軸首次備份，0 軸變更，1 軸無回應，0 軸相同\n\nM01/X 首次備份\n"
             "M01/Y 無回應：驅動器沒有回應，檔案未更新"},
            {{{changed, {}}, {Base(), {}}},
             true,
             "備份 廠A：1 軸首次備份，1 軸變更，0 軸無回應，0 軸相同\n\n"
             "M01/X Pn100 KVP1 400 → 500 0.1Hz\nM01/Y 首次備份"},
            {{{changed, {}}, {Base(), {}}}, false, "備份 廠A：0 軸變更，0 軸無回應，2 軸相同"},
        };
        for (const Run& run : runs) {
            const PlantBackup backup(plant, Repo(), author);
            const BackupCommit done = backup.StoreAndCommit(run.readings);
            QCOMPARE(done.message, run.message);
            QCOMPARE(done.commit, run.commits ? Git(Repo(), {"rev-parse", "HEAD"}) : QString());
            QCOMPARE(done.Summary(), run.commits
                                         ? "已提交 " + done.commit.left(10) + " " + run.message
                                         : "沒有變更，未提交（" + run.message + "）");
        }
        QCOMPARE(Git(Repo(), {"log", "-1", "--format=%an <%ae>"}), author.Text());

        const GitRepository repo(Repo());
        const std::vector<ParameterChange> all = ParameterChanges(repo, QString(), std::nullopt);
        QCOMPARE(all.size(), size_t(1));
        QCOMPARE(all[0].Line(), Git(Repo(), {"log", "-1", "--date=iso", "--format=%ad"}) + " " +
                                    all[0].commit.left(10) + " M01/X Pn100 KVP1 400 → 500 0.1Hz");
        QVERIFY(ParameterChanges(repo, "M01/X", quint16(101)).empty());
        QVERIFY(ParameterChanges(repo, "M01/Y", std::nullopt).empty()); // a start, not a change
        QVERIFY(RepositoryHeldAxis(repo, "M01/Y"));
        QVERIFY(!RepositoryHeldAxis(repo, "M01/y"));

        const CommittedValues first = AxisValuesAt(repo, "HEAD~1", plant.axes[0]);
        QCOMPARE(first.commit, Git(Repo(), {"rev-parse", "HEAD~1"}));
        QCOMPARE(first.values, Base());
    }

    // The repository stays taken while a backup lives, for any program.
    void secondBackupOfARepositoryInUseIsRefused() {
        const QString folder = dir.filePath("locked");
        std::optional<PlantBackup> first(std::in_place, plant, folder, author);
        try {
            PlantBackup second(plant, folder, author);
            QFAIL("a second backup took a repository in use");
        } catch (const GitError& error) {
            QCOMPARE(error.Text(), QStringLiteral("儲存庫 %1 正由另一個 tarnctl 使用")
                                       .arg(first->Repository().Folder()));
        }
        first.reset();
        PlantBackup again(plant, folder, author); // throws when the lock outlived its backup
        QVERIFY(again.Repository().Git().Exists());
    }
};

QTEST_GUILESS_MAIN(TestPlantBackup)
#include "test_plant_backup.moc"
