// The plant file reader: what it takes, and each refusal named by its line
// and key exactly as a technician reads it.
#include "backup/PlantFile.h"
#include "core/TarnError.h"

#include <QtTest>

namespace {

// A plant of one machine whose axes are `axes` (JSON objects), one per line
// from line 3.
QByteArray OneMachine(const QStringList& axes, const QString& machine = "M01") {
    return QStringLiteral(
               "{\"plant\": \"廠A\", \"machines\": [\n {\"name\": \"%1\", \"axes\": [\n  %2]}]}\n")
        .arg(machine, axes.join(",\n  "))
        .toUtf8();
}

QString Refusal(const QByteArray& json) {
    try {
        ReadPlantText(json, "plant.json");
    } catch (const EFileError& error) {
        return error.Text();
    }
    return QString();
}

} // namespace

class TestPlantFile : public QObject {
    Q_OBJECT

private slots:
    void readsTheIssueExample() {
        const Plant plant = ReadPlantText(
            OneMachine(
                {R"({"name": "X", "port": "tcp://10.0.0.5:4001"})",
                 R"({"name": "軸Y_2-b", "port": "COM3", "timing": "reply", "timeout": 100})"}),
            "plant.json");
        QCOMPARE(plant.name, QStringLiteral("廠A"));
        QCOMPARE(plant.axes.size(), size_t(2));
        QCOMPARE(plant.axes[0].FilePath(), QStringLiteral("M01/X.tarn"));
        QCOMPARE(plant.axes[0].port, QStringLiteral("tcp://10.0.0.5:4001"));
        QVERIFY(!plant.axes[0].timing && !plant.axes[0].timeoutMs);
        QCOMPARE(plant.axes[0].line, 3);
        QCOMPARE(plant.axes[1].Path(), QStringLiteral("M01/軸Y_2-b"));
        QVERIFY(plant.axes[1].timing == LinkSettings::Timing::Reply);
        QCOMPARE(plant.axes[1].timeoutMs.value_or(0), 100u);
        QCOMPARE(plant.axes[1].line, 4);
    }

    // An axis's drive takes the axis's own timing and timeout, each on its
    // own, and the run's where the axis names none.
    void axisLinkOverridesTheRunsDefaults_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("reply");
        QTest::addColumn<quint32>("readWait");
        QTest::addColumn<quint32>("writeWait");
        QTest::newRow("neither") << "" << true << 200u << 210u;
        QTest::newRow("timing") << R"(, "timing": "fixed")" << false << 200u << 210u;
        QTest::newRow("timeout") << R"(, "timeout": 100)" << true << 100u << 110u;
        QTest::newRow("both") << R"(, "timing": "fixed", "timeout": 30)" << false << 30u << 40u;
    }
    void axisLinkOverridesTheRunsDefaults() {
        QFETCH(QString, keys);
        LinkSettings defaults;
        defaults.timing = LinkSettings::Timing::Reply;
        defaults.SetTimeout(200);
        const Plant plant =
            ReadPlantText(OneMachine({R"({"name": "X", "port": "1")" + keys + "}"}), "plant.json");
        const LinkSettings link = plant.axes[0].Link(defaults);
        QFETCH(bool, reply);
        QCOMPARE(link.timing == LinkSettings::Timing::Reply, reply);
        QTEST(link.readWaitMs, "readWait");
        QTEST(link.writeWaitMs, "writeWait");
    }

    void refusalsNameLineAndKey_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        const QString unsafe = "名稱只能有字母、數字、中日韓文字、- 和 _（最多 64 字，不能是 CON、"
                               "NUL、COM1 之類的裝置名）：";
        QTest::newRow("not JSON")
            << OneMachine({R"({"name": "X", "port": "1",})"})
            << "plant.json 第 3 行：不是正確的 JSON（object is missing after a comma）";
        QTest::newRow("duplicate axis, other case")
            << OneMachine({R"({"name": "X", "port": "1"})", R"({"name": "x", "port": "2"})"})
            << "plant.json 第 4 行 machines[0].axes[1].name：軸名稱重複：x";
        QTest::newRow("key twice at the top")
            << QByteArray("{\"plant\": \"p\", \"plant\": \"q\", \"machines\": []}")
            << "plant.json 第 1 行 plant：鍵重複";
        QTest::newRow("key twice in an axis, once escaped")
            << OneMachine({R"({"name": "X", "port": "1",)"
                           "\n"
                           R"( "p\u006frt": "2"})"})
            << "plant.json 第 4 行 machines[0].axes[0].port：鍵重複";
        QTest::newRow("parent folder")
            << OneMachine({R"({"name": "X", "port": "1"})"}, "..")
            << "plant.json 第 2 行 machines[0].name：機台" + unsafe + "..";
        QTest::newRow("slash") << OneMachine({R"({"name": "a/b", "port": "1"})"})
                               << "plant.json 第 3 行 machines[0].axes[0].name：軸" + unsafe +
                                      "a/b";
        QTest::newRow("escaped slash")
            << OneMachine({R"({"name": "a\u002fb", "port": "1"})"})
            << "plant.json 第 3 行 machines[0].axes[0].name：軸" + unsafe + "a/b";
        QTest::newRow("line break, shown escaped")
            << OneMachine({R"({"name": "X\nY", "port": "1"})"})
            << "plant.json 第 3 行 machines[0].axes[0].name：軸" + unsafe + "X\\u000aY";
        QTest::newRow("blank") << OneMachine({R"({"name": "X Y", "port": "1"})"})
                               << "plant.json 第 3 行 machines[0].axes[0].name：軸" + unsafe +
                                      "X Y";
        QTest::newRow("device name")
            << OneMachine({R"({"name": "com1", "port": "1"})"})
            << "plant.json 第 3 行 machines[0].axes[0].name：軸" + unsafe + "com1";
        QTest::newRow("unknown key") << OneMachine({R"({"name": "X", "port": "1", "timout": 50})"})
                                     << "plant.json 第 3 行 machines[0].axes[0].timout：不認得的鍵"
                                        "（可用：name、port、timing、timeout、ignore）";
        QTest::newRow("missing port") << OneMachine({R"({"name": "X"})"})
                                      << "plant.json 第 3 行 machines[0].axes[0]：少了 \"port\"";
        QTest::newRow("timing")
            << OneMachine({R"({"name": "X", "port": "1", "timing": "fast"})"})
            << "plant.json 第 3 行 machines[0].axes[0].timing：只能是 \"fixed\" 或 \"reply\"";
        QTest::newRow("timeout too short")
            << OneMachine({R"({"name": "X", "port": "1", "timeout": 9})"})
            << "plant.json 第 3 行 machines[0].axes[0].timeout：要是 10 到 5000 之間的整數（ms）";
        QTest::newRow("timeout not whole")
            << OneMachine({R"({"name": "X", "port": "1", "timeout": 40.5})"})
            << "plant.json 第 3 行 machines[0].axes[0].timeout：要是 10 到 5000 之間的整數（ms）";
        QTest::newRow("ignore not a list")
            << OneMachine({R"({"name": "X", "port": "1", "ignore": 618})"})
            << "plant.json 第 3 行 machines[0].axes[0].ignore：要是參數編號的陣列（例如 [618, 700]）";
        QTest::newRow("ignore no parameter")
            << OneMachine({R"({"name": "X", "port": "1",)"
                           "\n"
                           R"( "ignore": [618, 800]})"})
            << "plant.json 第 4 行 machines[0].axes[0].ignore[1]：不是驅動器的參數編號：800";
        QTest::newRow("ignore as text")
            << OneMachine({R"({"name": "X", "port": "1", "ignore": ["618"]})"})
            << "plant.json 第 3 行 machines[0].axes[0].ignore[0]：不是驅動器的參數編號：\"618\"";
        QTest::newRow("ignore not whole")
            << OneMachine({R"({"name": "X", "port": "1", "ignore": [618.5]})"})
            << "plant.json 第 3 行 machines[0].axes[0].ignore[0]：不是驅動器的參數編號：618.5";
        QTest::newRow("no axes") << OneMachine({})
                                 << "plant.json 第 2 行 machines[0].axes：要是非空的陣列 […]";
        QTest::newRow("not an object")
            << QByteArray("[]")
            << "plant.json 第 1 行 （最外層）：要是一個物件 {\"plant\": …, \"machines\": […]}";
    }
    void refusalsNameLineAndKey() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        QCOMPARE(Refusal(json), message);
    }

    // An axis ignores what its plant, its machine and itself name, once each.
    void ignoreIsTheUnionOfTheLevels() {
        const QByteArray json =
            "{\"plant\": \"A\", \"ignore\": [700], \"machines\": [\n"
            "{\"name\": \"M1\", \"ignore\": [618, 700], \"axes\": [\n"
            "{\"name\": \"X\", \"port\": \"1\", \"ignore\": [100]},\n"
            "{\"name\": \"Y\", \"port\": \"2\"}]},\n"
            "{\"name\": \"M2\", \"axes\": [{\"name\": \"X\", \"port\": \"3\"}]}]}";
        const Plant plant = ReadPlantText(json, "plant.json");
        QCOMPARE(plant.axes[0].ignore, (QList<quint16>{100, 618, 700}));
        QCOMPARE(plant.axes[1].ignore, (QList<quint16>{618, 700}));
        QCOMPARE(plant.axes[2].ignore, (QList<quint16>{700}));
    }

    void duplicateMachinesAreRefused() {
        const QByteArray json =
            "{\"plant\": \"A\", \"machines\": [\n"
            "{\"name\": \"M1\", \"axes\": [{\"name\": \"X\", \"port\": \"1\"}]},\n"
            "{\"name\": \"m1\", \"axes\": [{\"name\": \"X\", \"port\": \"2\"}]}]}";
        QCOMPARE(Refusal(json),
                 QStringLiteral("plant.json 第 3 行 machines[1].name：機台名稱重複：m1"));
    }
};

QTEST_GUILESS_MAIN(TestPlantFile)
#include "test_plant_file.moc"
