// The run log and the health read from it: lines cut or edited by hand,
// each way an axis counts as unwell, and the metrics as the exporter's own
// parser (python3-prometheus-client) reads them.
#include "backup/PlantBackup.h"
#include "backup/PlantStatus.h"
#include "files/ParameterFileSamples.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime kNow = QDateTime::fromString("2026-12-10T10:00:00+08:00", Qt::ISODate);

RunRecord Run(const QString& axis, RunRecord::State state, double hoursAgo,
              const QString& reason = {}) {
    RunRecord record;
    record.time = kNow.addSecs(qint64(-hoursAgo * 3600));
    record.plant = "廠A";
    record.axis = axis;
    record.state = state;
    record.reason = reason;
    record.commit = state == RunRecord::State::Complete ? QString(40, 'a') : QString();
    record.durationSeconds = 2.5;
    return record;
}

} // namespace

class TestPlantStatus : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Plant plant = ReadPlantText(R"({"plant": "廠A", "machines": [{"name": "M01", "axes": [
        {"name": "X", "port": "1"}, {"name": "Y", "port": "2"}, {"name": "Z", "port": "3"}]}]})",
                                "plant.json");

    QString Repo() const { return dir.filePath("repo"); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        qputenv("GIT_CONFIG_GLOBAL", "/dev/null");
        qputenv("GIT_CONFIG_NOSYSTEM", "1");
        // One real backup makes the repository; its own log lines come first.
        std::vector<AxisReading> readings(3, AxisReading{samples::DistinctValues(), {}});
        PlantBackup(plant, Repo(), std::nullopt).StoreAndCommit(readings);
        const RunLog log = ReadRunLog(Repo());
        QCOMPARE(log.records.size(), size_t(3));
        QCOMPARE(log.records[2].axis, QStringLiteral("M01/Z"));
        QVERIFY(log.records[2].state == RunRecord::State::Complete);
        QVERIFY(QFile::remove(RunLogPath(Repo())));
    }

    void readerKeepsTheGoodLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("records");
        QTest::addColumn<QList<int>>("bad");
        const QByteArray good = Run("M01/X", RunRecord::State::Complete, 1).JsonLine();
        QTest::newRow("whole") << good + '\n' + good + '\n' << 2 << QList<int>{};
        QTest::newRow("cut mid-line") << good + '\n' + good.left(30) << 1 << QList<int>{2};
        QTest::newRow("cut, then appended") << good.left(30) + '\n' + good + '\n'
                                            << 1 << QList<int>{1};
        QTest::newRow("unknown state") << QByteArray(good).replace("complete", "fine") + '\n'
                                       << 0 << QList<int>{1};
        QTest::newRow("no time") << QByteArray(good).replace("\"time\"", "\"when\"") + '\n'
                                 << 0 << QList<int>{1};
        QTest::newRow("not JSON") << QByteArray("\x01\xff{\n\n") + good << 1 << QList<int>{1};
    }
    void readerKeepsTheGoodLines() {
        QFETCH(QByteArray, text);
        const RunLog log = ParseRunLog(text);
        QTEST(int(log.records.size()), "records");
        QTEST(QList<int>(log.badLines.begin(), log.badLines.end()), "bad");
    }

    // X read 2 h ago, Y silent after an earlier complete run, Z never read;
    // the log's last line cut by a run that died.
    void statusAndMetrics_data() {
        QTest::addColumn<double>("maxAge");
        QTest::addColumn<QList<bool>>("unwell");
        QTest::newRow("no limit") << 0.0 << QList<bool>{false, true, true};
        QTest::newRow("3 h") << 3.0 << QList<bool>{false, true, true};
        QTest::newRow("1 h") << 1.0 << QList<bool>{true, true, true};
    }
    void statusAndMetrics() {
        QFile::remove(RunLogPath(Repo()));
        AppendRuns(Repo(),
                   {Run("M01/Y", RunRecord::State::Complete, 30),
                    Run("M01/X", RunRecord::State::Complete, 2),
                    Run("M01/Y", RunRecord::State::Silent, 2, "驅動器沒有回應，檔案未更新")});
        QFile log(RunLogPath(Repo()));
        QVERIFY(log.open(QIODevice::Append));
        log.write("{\"time\":\"2026-12");
        log.close();
        const PlantStatus status = StatusOf(GitRepository(Repo()), plant, kNow);
        QCOMPARE(status.logProblems,
                 QStringList{
                     QStringLiteral("執行紀錄 %1 第 4 行無法讀取，略過").arg(RunLogPath(Repo()))});
        QFETCH(double, maxAge);
        QFETCH(QList<bool>, unwell);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(
                status.axes[size_t(i)].Unhealthy(maxAge > 0 ? std::optional(maxAge) : std::nullopt),
                unwell[i]);
        }
        QCOMPARE(status.axes[1].Line(),
                 QStringLiteral("M01/Y 上次完整備份 %1（30.0 小時前，aaaaaaaaaa）；上次失敗 %2："
                                "驅動器沒有回應，檔案未更新；沒有發行版")
                     .arg(kNow.addSecs(-30 * 3600).toString(Qt::ISODate),
                          kNow.addSecs(-2 * 3600).toString(Qt::ISODate)));
        QCOMPARE(status.axes[2].Line(), QStringLiteral("M01/Z 從未完整備份；沒有發行版"));

        // The parser's view: every sample, its labels and value.
        const QString file = dir.filePath("tarn.prom");
        WriteWhole(file, MetricsText(plant, status));
        QProcess python;
        // Debian's own python, which the package installs the parser for.
        python.start("/usr/bin/python3",
                     {"-c",
                      "import sys\n"
                      "from prometheus_client.parser import "
                      "text_string_to_metric_families as parse\n"
                      "for f in parse(open(sys.argv[1], encoding='utf-8').read()):\n"
                      "  for s in f.samples:\n"
                      "    print(s.name, s.labels['machine'], s.labels['axis'], "
                      "s.value)\n",
                      file});
        QVERIFY(python.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(python.readAllStandardError()), QString());
        const double x = double(kNow.addSecs(-2 * 3600).toSecsSinceEpoch());
        const double y = double(kNow.addSecs(-30 * 3600).toSecsSinceEpoch());
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                 (QStringList{QStringLiteral("tarn_axis_last_success_timestamp_seconds M01 X %1")
                                  .arg(x, 0, 'f', 1),
                              QStringLiteral("tarn_axis_last_success_timestamp_seconds M01 Y %1")
                                  .arg(y, 0, 'f', 1),
                              "tarn_axis_up M01 X 1.0", "tarn_axis_up M01 Y 0.0",
                              "tarn_axis_up M01 Z 0.0", "tarn_backup_duration_seconds M01 X 2.5",
                              "tarn_backup_duration_seconds M01 Y 2.5"}));
    }
};

QTEST_GUILESS_MAIN(TestPlantStatus)
#include "test_plant_status.moc"
