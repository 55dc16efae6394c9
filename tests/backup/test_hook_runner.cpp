// Hooks as /bin/sh runs them: what they are given, and the ones that
// hang, flood, fail or cannot be found, each told in its own words.
#include "backup/HookRunner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

class TestHookRunner : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    const HookEvent event{
        "changed",          "廠A",
        "/srv/備份",        "1a2b3c",
        {"M01/X", "M02/Z"}, "備份 廠A：2 軸變更\n\nM01/X Pn100 KVP1 400 → 500 0.1Hz\n"};

    QStringList Run(const QString& command, bool& ok, int limitMs = kHookLimitMs) {
        QStringList said;
        ok = RunHook(
            command, event, [&](const QString& line) { said << line; }, limitMs);
        return said;
    }

private slots:
    void outcomes_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("environment and input")
            << R"(echo "$TARN_EVENT|$TARN_PLANT|$TARN_REPO|$TARN_COMMIT|$TARN_AXES"; sed -n 3p)"
            << true
            << QStringList{"hook changed: changed|廠A|/srv/備份|1a2b3c|M01/X M02/Z",
                           "hook changed: M01/X Pn100 KVP1 400 → 500 0.1Hz",
                           "hook changed: 結束碼 0"};
        QTest::newRow("exits 1, error output too")
            << "echo no mail server >&2; exit 1" << false
            << QStringList{"hook changed: no mail server", "hook changed: 結束碼 1"};
        QTest::newRow("cannot be run")
            << "/nonexistent/notify" << false
            << QStringList{"hook changed: /bin/sh: 1: /nonexistent/notify: not found",
                           "hook changed: 結束碼 127"};
        QTest::newRow("megabytes")
            << "yes 0123456789 | head -c 3000000; printf tail" << true << QStringList();
        QTest::newRow("one endless line")
            << "head -c 2000000 /dev/zero | tr '\\0' x" << true
            << QStringList{"hook changed: " + QString(1000, 'x'), "hook changed: 結束碼 0"};
    }
    void outcomes() {
        QFETCH(QString, command);
        QFETCH(QStringList, said);
        bool ok = false;
        const QStringList lines = Run(command, ok);
        QTEST(ok, "ok");
        if (QByteArray(QTest::currentDataTag()) == "megabytes") {
            // 272,727 lines of 11 bytes and the unfinished "tail".
            said = QStringList(kHookMostLines, "hook changed: 0123456789");
            said << "hook changed: （另有 272628 行沒有顯示）"
                 << "hook changed: 結束碼 0";
        }
        QCOMPARE(lines, said);
    }

    // A hook that hangs is ended with everything it started.
    void hangingHookIsEndedWithItsGroup() {
        const QString started = dir.filePath("started");
        bool ok = true;
        const QStringList lines = Run(
            QStringLiteral("sleep 30 & echo $! > '%1'; echo waiting; wait").arg(started), ok, 500);
        QVERIFY(!ok);
        QCOMPARE(lines,
                 (QStringList{"hook changed: waiting", "hook changed: 0.5 秒內沒有結束，已終止"}));
        QFile file(started);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const pid_t sleeper = pid_t(file.readAll().trimmed().toInt());
        QVERIFY(sleeper > 0);
        QTRY_VERIFY_WITH_TIMEOUT(::kill(sleeper, 0) != 0, 3000);
    }
};

QTEST_GUILESS_MAIN(TestHookRunner)
#include "test_hook_runner.moc"
