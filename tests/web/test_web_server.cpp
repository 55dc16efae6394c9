// The web view's server on 127.0.0.1 (a port the system chooses) over a
// real repository the backup library wrote, asked with raw bytes as any
// client might send them: bad requests get a 4xx or a closed connection,
// pages show the repository in words with every text escaped, and idle
// connections neither block others nor stay.
#include "backup/PlantBackup.h"
#include "backup/PlantRelease.h"
#include "backup/RunLog.h"
#include "catalogue/SheetRanges.h"
#include "core/Language.h"
#include "files/ParameterFileSamples.h"
#include "web/WebServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

ParameterValues WithPn100(const QString& text) {
    ParameterValues values = samples::DistinctValues();
    values[size_t(SlotOf(100))] = text;
    return values;
}

QByteArray GitBytes(const QString& folder, const QStringList& arguments) {
    QProcess git;
    git.start("git", QStringList{"-C", folder} + arguments);
    git.waitForFinished(30000);
    return git.readAllStandardOutput();
}

int Connect(quint16 port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Everything the server sends until it closes; nullopt when it has not
// closed after 10 s (a server that leaves a bad request hanging).
std::optional<QByteArray> ReadAll(int fd) {
    QByteArray reply;
    char chunk[65536];
    pollfd wait{fd, POLLIN, 0};
    while (poll(&wait, 1, 10000) > 0) {
        const ssize_t got = recv(fd, chunk, sizeof chunk, 0);
        if (got <= 0) {
            return reply;
        }
        reply.append(chunk, got);
    }
    return std::nullopt;
}

// One request as raw bytes on a connection of its own.
std::optional<QByteArray> Exchange(quint16 port, const QByteArray& request) {
    const int fd = Connect(port);
    if (fd < 0) {
        return QByteArray();
    }
    send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL);
    const std::optional<QByteArray> reply = ReadAll(fd);
    close(fd);
    return reply;
}

QByteArray Get(quint16 port, const QByteArray& target, const QByteArray& method = "GET") {
    return Exchange(port,
                    method + ' ' + target + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
        .value_or(QByteArray());
}

// The status of a reply; 0 for a connection closed without one.
int StatusOf(const QByteArray& reply) {
    return reply.startsWith("HTTP/1.") ? reply.mid(9, 3).toInt() : 0;
}

QByteArray BodyOf(const QByteArray& reply) {
    const qsizetype end = reply.indexOf("\r\n\r\n");
    return end < 0 ? QByteArray() : reply.mid(end + 4);
}

} // namespace

class TestWebServer : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    // X leaves Pn101 out of its drift.
    const Plant plant{
        "廠<script>alert(1)</script>",
        {{"M01", "X", "COM1", {}, {}, 1, {101}}, {"M01", "Y", "COM2", {}, {}, 2, {}}}};
    std::unique_ptr<WebSite> site;
    std::unique_ptr<WebServer> server;
    quint16 port = 0;

    QString Repo() const { return dir.filePath("repo"); }
    void Backup(const std::vector<AxisReading>& readings) {
        PlantBackup(plant, Repo(), GitIdentity{"王<b>小明</b>", "ming@example.com"})
            .StoreAndCommit(readings);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        qputenv("GIT_CONFIG_GLOBAL", "/dev/null");
        qputenv("GIT_CONFIG_NOSYSTEM", "1");
        Backup({{WithPn100("0190"), {}}, AxisReadingOf(ParameterValues{})});
        Backup({{WithPn100("01F4"), {}}, {WithPn100("0190"), {}}});
        // X released as the first backup holds it (Pn100 400); Y never.
        ReleaseAxes(GitRepository(Repo()), plant, {"M01/X"}, "HEAD~1", {},
                    GitIdentity{"王小明", "ming@example.com"});
        site = std::make_unique<WebSite>(Repo(), plant);
        server = std::make_unique<WebServer>(*site, ListenAddress{"127.0.0.1", 0},
                                             WebServer::Limits{2, 2, 1000});
        port = server->Address().port;
        QVERIFY(port != 0);
    }

    void badRequestsAreRefused_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QList<int>>("answers"); // 0: closed without an answer
        const auto get = [](const QByteArray& target) {
            return "GET " + target + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n";
        };
        QTest::newRow("dot-dot") << get("/axis/M01/../../.git/config") << QList<int>{400};
        QTest::newRow("escaped dot-dot")
            << get("/axis/M01/%2e%2e%2f%2e%2e%2f.git%2fconfig") << QList<int>{400};
        QTest::newRow("escaped slash") << get("/axis/M01/X%2fY") << QList<int>{400};
        QTest::newRow("escaped dot-dot segment") << get("/axis/%2E%2E/X") << QList<int>{400};
        QTest::newRow("escaped NUL") << get("/axis/M01/X%00.tarn") << QList<int>{400};
        QTest::newRow("backslash") << get("/axis/M01%5c..%5cX/Y") << QList<int>{400};
        QTest::newRow("raw backslash") << get("/axis/M01\\X/Y") << QList<int>{400};
        QTest::newRow("backslash in a query") << get("/search?q=a%5cb") << QList<int>{400};
        QTest::newRow("bad escape") << get("/history?axis=%G1") << QList<int>{400};
        QTest::newRow("unknown axis") << get("/axis/M01/Z") << QList<int>{404};
        QTest::newRow("unknown axis history") << get("/history?axis=M09/Q") << QList<int>{404};
        QTest::newRow("unknown revision") << get("/commit/0123456789abcdef") << QList<int>{404};
        QTest::newRow("revision as option") << get("/axis/M01/X?at=--output=x") << QList<int>{400};
        QTest::newRow("commit as option") << get("/commit/--output=x") << QList<int>{400};
        QTest::newRow("compare as option")
            << get("/compare?axis=M01/X&a=--all&b=HEAD") << QList<int>{400};
        QTest::newRow("invalid UTF-8") << get("/search?q=%ff%fe") << QList<int>{400};
        QTest::newRow("overlong UTF-8 slash") << get("/axis/M01%c0%afX/Y") << QList<int>{400};
        QTest::newRow("page zero") << get("/history?page=0") << QList<int>{400};
        QTest::newRow("no such page") << get("/.git/config") << QList<int>{404};
        QTest::newRow("URL over 8 KB")
            << get("/search?q=" + QByteArray(8300, 'a')) << QList<int>{414};
        QTest::newRow("query of 100 KB")
            << get("/search?q=" + QByteArray(100 * 1024, 'a')) << QList<int>{414, 431, 0};
        QTest::newRow("POST") << QByteArray("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\n"
                                            "Connection: close\r\n\r\nabc")
                              << QList<int>{405};
        QTest::newRow("DELETE")
            << QByteArray("DELETE /axis/M01/X HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
            << QList<int>{405};
        QTest::newRow("malformed request line")
            << QByteArray("GARBAGE\r\n\r\n") << QList<int>{400, 0};
        QTest::newRow("no version") << QByteArray("GET /\r\n\r\n") << QList<int>{400, 0};
        QTest::newRow("binary") << QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11)
                                << QList<int>{400, 0};
    }
    void badRequestsAreRefused() {
        QFETCH(QByteArray, request);
        QFETCH(QList<int>, answers);
        const std::optional<QByteArray> reply = Exchange(port, request);
        QVERIFY2(reply, "neither answered nor closed");
        QVERIFY2(answers.contains(StatusOf(*reply)), reply->left(200).constData());
        QVERIFY(!reply->contains("[core]")); // .git/config's first line
    }

    // What each page shows, as exact HTML where it matters.
    void pagesShowTheRepositoryInWords_data() {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("plant name escaped")
            << QByteArray("/")
            << QByteArray("<h1>廠區 廠&lt;script&gt;alert(1)&lt;/script&gt;</h1>");
        QTest::newRow("plant links an axis")
            << QByteArray("/") << QByteArray("<td><a href=\"/axis/M01/Y\">M01/Y</a></td>");
        QTest::newRow("axis value in words, released value marked")
            << QByteArray("/axis/M01/X")
            << QByteArray("<td>Pn100</td><td title=\"\">KVP1</td><td>500</td><td>400 <span "
                          "class=\"mark\" title=\"和發行版不同\">≠</span></td><td>0.1Hz</td>");
        QTest::newRow("axis at the released backup")
            << QByteArray("/axis/M01/X?at=HEAD~1")
            << QByteArray(
                   "<td>Pn100</td><td title=\"\">KVP1</td><td>400</td><td>400</td><td>0.1Hz</td>");
        QTest::newRow("axis without a release")
            << QByteArray("/axis/M01/Y") << QByteArray("· 沒有發行版</p>");
        QTest::newRow("plant: X complete, released, one drift")
            << QByteArray("/")
            << QByteArray("<td><span class=\"ok\">完整</span></td><td>有</td><td class=\"num "
                          "mark\">1</td><td class=\"num\">1</td></tr>");
        QTest::newRow("plant: Y complete, not released")
            << QByteArray("/")
            << QByteArray("<td><span class=\"ok\">完整</span></td><td>沒有</td><td "
                          "class=\"num\">—</td><td class=\"num\">0</td></tr>");
        QTest::newRow("history in words") << QByteArray("/history?axis=M01/X&param=Pn100")
                                          << QByteArray("<td>Pn100 KVP1 400 → 500 0.1Hz</td>");
        QTest::newRow("compare only the differing row")
            << QByteArray("/compare?axis=M01/X&a=HEAD~1&b=HEAD")
            << QByteArray("<tbody><tr><td>Pn100</td><td>KVP1</td><td>400</td><td>500</"
                          "td><td>0.1Hz</td></tr></tbody>");
        QTest::newRow("commit message escaped")
            << QByteArray("/commit/HEAD~1")
            << QByteArray("<pre>備份 廠&lt;script&gt;alert(1)&lt;/script&gt;：1 軸首次備份，0 "
                          "軸變更，1 軸無回應");
        QTest::newRow("metrics: drift per axis")
            << QByteArray("/metrics")
            << QByteArray("\ntarn_axis_drift_parameters{plant=\"廠<script>alert(1)</script>\","
                          "machine=\"M01\",axis=\"X\"} 1\n");
    }
    void pagesShowTheRepositoryInWords() {
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, shown);
        const QByteArray reply = Get(port, target);
        QCOMPARE(StatusOf(reply), 200);
        QVERIFY2(BodyOf(reply).contains(shown), BodyOf(reply).left(4000).constData());
        QVERIFY(!reply.contains("text/html") || !reply.contains("<script>alert"));
    }

    // Started in English, the pages speak it; the JSON stays as it is.
    void pagesFollowTheLanguage_data() {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("language of the page")
            << QByteArray("/") << QByteArray("<html lang=\"en\"><head>");
        QTest::newRow("plant: X complete, released, one drift")
            << QByteArray("/")
            << QByteArray("<td><span class=\"ok\">complete</span></td><td>yes</td><td class=\"num "
                          "mark\">1</td><td class=\"num\">1</td></tr>");
        QTest::newRow("axis: gloss as description, Chinese as its title")
            << QByteArray("/axis/M01/X")
            << QByteArray("<td>Pn106</td><td title=\"位置前饋增益\">position feed-forward "
                          "gain</td><td>");
        QTest::newRow("axis: head") << QByteArray("/axis/M01/X")
                                    << QByteArray("<p class=\"muted\">Revision <a href=\"/commit/");
        QTest::newRow("search columns")
            << QByteArray("/search?q=106")
            << QByteArray("<th>No.</th><th>Description</th><th>Chinese description</th><th>Sheet</"
                          "th></tr></thead><tbody><tr><td><a href=\"/search?q=106\">Pn106</a></"
                          "td><td>position feed-forward gain</td><td>位置前饋增益</td>");
        QTest::newRow("refusal") << QByteArray("/history?page=x")
                                 << QByteArray("<h1>Error 400</h1><p>Not a valid page: x</p>");
        QTest::newRow("JSON as in Chinese")
            << QByteArray("/api/axes") << QByteArray("\"state\": \"完整\"");
    }
    void pagesFollowTheLanguage() {
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, shown);
        UseLanguage(Language::English);
        const QByteArray reply = Get(port, target);
        UseLanguage(Language::Chinese);
        QVERIFY2(BodyOf(reply).contains(shown), BodyOf(reply).left(4000).constData());
    }

    void downloadIsTheCommittedFileByteForByte() {
        const QByteArray reply = Get(port, "/axis/M01/X.tarn?at=HEAD~1");
        QCOMPARE(StatusOf(reply), 200);
        QCOMPARE(BodyOf(reply), GitBytes(Repo(), {"cat-file", "blob", "HEAD~1:M01/X.tarn"}));
        const QByteArray head = Get(port, "/axis/M01/X.tarn?at=HEAD~1", "HEAD");
        QCOMPARE(StatusOf(head), 200);
        QCOMPARE(BodyOf(head), QByteArray());
    }

    void idleConnectionsNeitherBlockNorStay() {
        std::vector<int> idle;
        for (int i = 0; i < 200; ++i) {
            const int fd = Connect(port);
            QVERIFY(fd >= 0);
            idle.push_back(fd);
        }
        QCOMPARE(StatusOf(Get(port, "/history")), 200);
        // Past the 2 s idle limit each has been closed by the server.
        int closed = 0;
        for (const int fd : idle) {
            char byte;
            pollfd wait{fd, POLLIN, 0};
            if (poll(&wait, 1, 8000) > 0 && recv(fd, &byte, 1, 0) == 0) {
                ++closed;
            }
            close(fd);
        }
        QCOMPARE(closed, 200);
    }

    // 60 changes on Y: two pages of history, the second with the last 10.
    void historyIsPaged() {
        ParameterValues y = WithPn100("0190");
        for (int slot = 0; slot < 60; ++slot) {
            y[size_t(slot)] = QStringLiteral("B%1").arg(slot, 3, 16, QLatin1Char('0')).toUpper();
        }
        Backup({{WithPn100("01F4"), {}}, {y, {}}});
        const QJsonObject second =
            QJsonDocument::fromJson(BodyOf(Get(port, "/api/history?axis=M01/Y&page=2"))).object();
        QCOMPARE(second["pages"].toInt(), 2);
        QCOMPARE(second["more"].toBool(), false);
        QCOMPARE(second["changes"].toArray().size(), 10);
        QVERIFY(BodyOf(Get(port, "/history?axis=M01/Y"))
                    .contains("<span>第 1 頁，共 2 頁</span><a "
                              "href=\"/history?page=2&axis=M01%2FY\">較舊 →</a>"));
        QCOMPARE(StatusOf(Get(port, "/history?axis=M01/Y&page=3")), 404);
    }

    // Last: it adds a backup, Y silent, under the running server.
    void newBackupShowsOnTheNextRequest() {
        const QString before =
            QString::fromLatin1(GitBytes(Repo(), {"rev-parse", "HEAD"}).trimmed());
        ParameterValues x = WithPn100("0258");
        x[size_t(SlotOf(101))] = QStringLiteral("0001"); // ignored by X's drift
        Backup({{x, {}}, AxisReadingOf(ParameterValues{})});
        const QString head = QString::fromLatin1(GitBytes(Repo(), {"rev-parse", "HEAD"}).trimmed());
        const QJsonArray changes =
            QJsonDocument::fromJson(BodyOf(Get(port, "/api/history?axis=M01/X")))
                .object()["changes"]
                .toArray();
        QCOMPARE(changes.size(), 3);
        QCOMPARE(changes[0]["line"].toString(), QStringLiteral("Pn100 KVP1 500 → 600 0.1Hz"));
        QCOMPARE(changes[0]["commit"].toString(), head);

        // The run state comes from the run log, which holds runs no commit
        // tells of: X read partly after its last backup.
        RunRecord partial;
        partial.time = QDateTime::currentDateTime();
        partial.plant = plant.name;
        partial.axis = "M01/X";
        partial.state = RunRecord::State::Partial;
        partial.reason = "Pn101 沒有讀到數值";
        AppendRuns(Repo(), {partial});
        const QJsonArray axes =
            QJsonDocument::fromJson(BodyOf(Get(port, "/api/axes"))).object()["axes"].toArray();
        QCOMPARE(axes.size(), 2);
        QCOMPARE(axes[0]["state"].toString(), QStringLiteral("部分"));
        QCOMPARE(axes[0]["lastCommit"].toString(), head);
        QCOMPARE(axes[0]["changes30d"].toInt(), 2);
        QCOMPARE(axes[0]["drift"].toInt(), 1); // Pn100; Pn101 is ignored
        QCOMPARE(axes[1]["state"].toString(), QStringLiteral("無回應"));
        QCOMPARE(axes[1]["lastCommit"].toString(), before);
        QCOMPARE(axes[1]["changes30d"].toInt(), 1); // a first backup is no change
        QCOMPARE(axes[1]["drift"], QJsonValue());

        // Without a plant file, the log's records count whatever plant they name.
        WebSite bare(Repo(), std::nullopt);
        const QJsonArray bareAxes =
            QJsonDocument::fromJson(bare.Answer(RouteRequest("GET", "/api/axes").route).body)
                .object()["axes"]
                .toArray();
        QCOMPARE(bareAxes[0]["state"].toString(), QStringLiteral("部分"));
    }
};

QTEST_GUILESS_MAIN(TestWebServer)
#include "test_web_server.moc"
