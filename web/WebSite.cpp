#include "web/WebSite.h"

#include "backup/PlantRelease.h"
#include "backup/PlantStatus.h"
#include "catalogue/CatalogueTexts.h"
#include "catalogue/ParameterRecord.h"
#include "catalogue/ParameterSearch.h"
#include "catalogue/SheetRanges.h"
#include "editing/EditRules.h"
#include "values/ValueWords.h"
#include "web/WebText.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QUrl>

namespace {

const QByteArray kHtml = "text/html; charset=utf-8";
const QByteArray kJson = "application/json; charset=utf-8";

// Phone first: one column, tables that scroll sideways rather than squeeze.
const char kStyle[] = R"css(:root{color-scheme:light;--line:#d0d7de;--soft:#f6f8fa;--accent:#0b5cad}
*{box-sizing:border-box}
body{margin:0;font:16px/1.5 "Noto Sans CJK TC","Noto Sans TC",sans-serif;color:#1f2328;background:#fff}
header{background:#12355b;color:#fff;padding:.6rem 1rem;display:flex;flex-wrap:wrap;gap:.4rem 1.2rem;align-items:baseline}
header a{color:#fff;text-decoration:none}header strong{font-size:1.1rem;margin-right:auto}
main{padding:1rem;max-width:72rem;margin:0 auto}
h1{font-size:1.35rem;margin:.2rem 0 .8rem}h2{font-size:1.1rem;margin:1.2rem 0 .4rem}
a{color:var(--accent)}
.scroll{overflow-x:auto;border:1px solid var(--line);border-radius:6px}
table{border-collapse:collapse;width:100%}
th,td{padding:.35rem .6rem;border-bottom:1px solid var(--line);text-align:left;vertical-align:top}
th{background:var(--soft);font-weight:600;white-space:nowrap}
tr:last-child td{border-bottom:0}
td.num,th.num{text-align:right;font-variant-numeric:tabular-nums}
.mark{color:#b3261e;font-weight:600}
.muted{color:#59636e}
.ok{color:#1a7f37}.bad{color:#b3261e}.part{color:#9a6700}
input[type=search],input[type=text]{font:inherit;padding:.4rem .6rem;border:1px solid var(--line);border-radius:6px;width:100%;max-width:24rem}
form{margin:.4rem 0 1rem;display:flex;flex-wrap:wrap;gap:.5rem}
button{font:inherit;padding:.4rem .9rem;border-radius:6px;border:1px solid var(--line);background:var(--soft)}
pre{white-space:pre-wrap;background:var(--soft);padding:.6rem;border-radius:6px}
.links{display:flex;flex-wrap:wrap;gap:.4rem 1rem;margin:.4rem 0 1rem}
.nowrap{white-space:nowrap}
@media (max-width:40rem){body{font-size:15px}th,td{padding:.3rem .4rem}main{padding:.6rem}th{white-space:normal}.wide{display:none}}
)css";

// The filter box: rows whose text holds what is typed stay. Without
// script the whole table shows.
const char kScript[] = R"js(document.querySelectorAll('input[data-filter]').forEach(function(box){
var rows=document.querySelectorAll('#'+box.dataset.filter+' tbody tr');box.hidden=false;
box.addEventListener('input',function(){var q=box.value.trim().toLowerCase();
rows.forEach(function(r){r.hidden=q!==''&&r.textContent.toLowerCase().indexOf(q)<0;});});});
)js";

QString Esc(const QString& text) {
    return text.toHtmlEscaped();
}

// A path segment or query value as it goes into a link.
QString Enc(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString AxisLink(const QString& axis, const QString& at = {}) {
    const QString machine = axis.section(QLatin1Char('/'), 0, 0);
    const QString name = axis.section(QLatin1Char('/'), 1);
    QString href = QStringLiteral("/axis/%1/%2").arg(Enc(machine), Enc(name));
    if (!at.isEmpty()) {
        href += QStringLiteral("?at=") + at;
    }
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(href, Esc(axis));
}

QString CommitLink(const QByteArray& id) {
    return QStringLiteral("<a href=\"/commit/%1\"><code>%2</code></a>")
        .arg(QString::fromLatin1(id), QString::fromLatin1(id.left(10)));
}

WebAnswer Html(const QString& title, const QString& body, int status = 200) {
    const QString page =
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"%3\"><head><meta charset=\"utf-8\">"
            "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
            "<title>%1 · TARN/B</title><link rel=\"stylesheet\" href=\"/style.css\"></head><body>"
            "<header><strong><a href=\"/\">%4</a></strong><a href=\"/\">%5</a>"
            "<a href=\"/history\">%6</a><a href=\"/search\">%7</a></header>"
            "<main><h1>%1</h1>%2</main></body></html>\n")
            .arg(Esc(title), body, HtmlLanguageTag(CurrentLanguage()), WebText::tr("TARN/B 備份"),
                 WebText::tr("廠區"), WebText::tr("變更歷史"), WebText::tr("搜尋參數"));
    return {status, kHtml, page.toUtf8(), {}};
}

WebAnswer Json(const QJsonObject& object, int status = 200) {
    return {status, kJson, QJsonDocument(object).toJson(QJsonDocument::Indented), {}};
}

QString Table(const QStringList& heads, const QStringList& rows, const QString& id = {}) {
    QString html = QStringLiteral("<div class=\"scroll\"><table%1><thead><tr>")
                       .arg(id.isEmpty() ? QString() : QStringLiteral(" id=\"%1\"").arg(id));
    for (const QString& head : heads) {
        html += head.startsWith(QLatin1Char('<')) ? head : QStringLiteral("<th>%1</th>").arg(head);
    }
    html += QStringLiteral("</tr></thead><tbody>") + rows.join(QString()) +
            QStringLiteral("</tbody></table></div>");
    return html;
}

QString Row(const QStringList& cells) {
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells) {
        row +=
            cell.startsWith(QLatin1String("<td")) ? cell : QStringLiteral("<td>%1</td>").arg(cell);
    }
    return row + QStringLiteral("</tr>");
}

// How long ago, in the largest whole unit: "5 分鐘", "3 小時", "12 天".
QString AgeText(qint64 seconds) {
    if (seconds < 3600) {
        return WebText::tr("%n 分鐘", nullptr, int(qMax<qint64>(0, seconds / 60)));
    }
    if (seconds < 86400) {
        return WebText::tr("%n 小時", nullptr, int(seconds / 3600));
    }
    return WebText::tr("%n 天", nullptr, int(seconds / 86400));
}

// What the repository's commits tell of one axis: the plant page's last
// backup, and its run state where no run log tells it.
struct AxisSummary {
    const CommitEntry* lastBackup = nullptr; // newest commit that read it whole
    std::optional<RunRecord::State> state;   // none: never backed up
    int changes30 = 0;
};

// Every axis of `axes` in one walk of the commits: a plant page costs one
// walk, not one per axis.
QHash<QString, AxisSummary> SummariesOf(const std::vector<CommitEntry>& commits,
                                        const QStringList& axes, qint64 now) {
    QHash<QString, AxisSummary> summaries;
    for (const QString& axis : axes) {
        summaries.insert(axis, {});
    }
    // The axis is part of every backup from its first one on.
    QHash<QString, qsizetype> first;
    for (qsizetype i = 0; i < qsizetype(commits.size()); ++i) {
        for (const AxisFileChange& file : commits[size_t(i)].files) {
            const auto summary = summaries.find(file.axis);
            if (summary == summaries.end()) {
                continue;
            }
            first.insert(file.axis, i);
            if (!file.before.isEmpty() && commits[size_t(i)].time >= now - 30 * 86400) {
                ++summary->changes30;
            }
        }
    }
    for (auto axis = first.constBegin(); axis != first.constEnd(); ++axis) {
        AxisSummary& summary = summaries[axis.key()];
        for (qsizetype i = 0; i <= axis.value(); ++i) {
            const CommitEntry& commit = commits[size_t(i)];
            const QString failure = commit.FailureOf(axis.key());
            if (!summary.state) {
                summary.state = failure.isEmpty() ? RunRecord::State::Complete
                                : failure.contains(QStringLiteral("沒有讀到數值"))
                                    ? RunRecord::State::Partial
                                    : RunRecord::State::Silent;
            }
            if (failure.isEmpty()) {
                summary.lastBackup = &commit;
                break;
            }
        }
    }
    return summaries;
}

QString StateCell(const std::optional<RunRecord::State>& state) {
    if (!state) {
        return QStringLiteral("<span class=\"muted\">%1</span>").arg(WebText::tr("尚未備份"));
    }
    const QString kind = *state == RunRecord::State::Complete  ? QStringLiteral("ok")
                         : *state == RunRecord::State::Partial ? QStringLiteral("part")
                                                               : QStringLiteral("bad");
    return QStringLiteral("<span class=\"%1\">%2</span>")
        .arg(kind, StateWords(*state, CurrentLanguage()));
}

// A parameter's description as the axis page shows it: in the language
// chosen, the other language's words as its title (the gloss in Chinese,
// the Chinese description in English).
QString DescriptionCell(const ParameterRecord& record) {
    const Language language = CurrentLanguage();
    return QStringLiteral("<td title=\"%1\">%2</td>")
        .arg(Esc(QString::fromUtf8(language == Language::English ? record.description
                                                                 : record.gloss)),
             Esc(DescriptionIn(record, language)));
}

// A run log's time as git's ISO dates read ("2026-12-09 21:50:03 +0800"),
// so the plant page's column reads alike whichever told it.
QString GitDate(const QDateTime& time) {
    const int offset = time.offsetFromUtc() / 60;
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) +
           QStringLiteral("%1%2%3")
               .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(qAbs(offset) / 60, 2, 10, QLatin1Char('0'))
               .arg(qAbs(offset) % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

struct WebSite::Watch {
    QByteArray key; // HEAD, the released tip, the run log's size and time
    Plant plant;    // status's axes point into it
    PlantStatus status;
    std::vector<std::optional<ParameterValues>> released; // in the plant's order
};

WebSite::WebSite(const QString& repoFolder, std::optional<Plant> plant)
    : index_(repoFolder), plant_(std::move(plant)) {}

std::shared_ptr<const WebSite::Watch> WebSite::WatchOf(const RepositorySnapshot& now) {
    const std::optional<QByteArray> tip =
        index_.CommitOf(QStringLiteral("refs/heads/") + kReleasedBranch);
    const QFileInfo log(RunLogPath(index_.Folder()));
    const QByteArray key = now.head + ' ' + tip.value_or(QByteArray()) + ' ' +
                           QByteArray::number(log.size()) + ' ' +
                           QByteArray::number(log.lastModified().toMSecsSinceEpoch());
    const std::lock_guard<std::mutex> hold(watchMutex_);
    if (watch_ && watch_->key == key) {
        return watch_;
    }
    auto watch = std::make_shared<Watch>();
    watch->key = key;
    if (plant_) {
        watch->plant = *plant_;
    } else {
        for (const QString& axis : now.axes.keys()) {
            PlantAxis held;
            held.machine = axis.section(QLatin1Char('/'), 0, 0);
            held.name = axis.section(QLatin1Char('/'), 1);
            watch->plant.axes.push_back(held);
        }
    }
    // A few git runs, once per new backup, release or run: not per request.
    const GitRepository repo(index_.Folder());
    watch->status = StatusOf(repo, watch->plant, QDateTime::currentDateTime());
    watch->released = ReleasedValues(repo, watch->plant);
    watch_ = watch;
    return watch_;
}

WebAnswer WebSite::ErrorPage(int status, const QString& why) {
    return Html(WebText::tr("錯誤 %1").arg(status), QStringLiteral("<p>%1</p>").arg(Esc(why)),
                status);
}

WebAnswer WebSite::Answer(const WebRoute& route) {
    switch (route.page) {
    case WebPage::Plant:
        return PlantPage(false);
    case WebPage::ApiAxes:
        return PlantPage(true);
    case WebPage::Axis:
        return AxisPage(route, false);
    case WebPage::ApiAxis:
        return AxisPage(route, true);
    case WebPage::AxisFile:
        return AxisFile(route);
    case WebPage::History:
        return HistoryPage(route, false);
    case WebPage::ApiHistory:
        return HistoryPage(route, true);
    case WebPage::Commit:
        return CommitPage(route);
    case WebPage::Compare:
        return ComparePage(route);
    case WebPage::Search:
        return SearchPage(route, false);
    case WebPage::ApiSearch:
        return SearchPage(route, true);
    case WebPage::Metrics:
        return MetricsPage();
    case WebPage::Style:
        return {200, "text/css; charset=utf-8", QByteArray(kStyle), {}};
    case WebPage::Icon:
        return {204, "image/x-icon", {}, {}};
    case WebPage::Script:
        return {200, "text/javascript; charset=utf-8", QByteArray(kScript), {}};
    }
    return ErrorPage(404, WebText::tr("沒有這一頁"));
}

WebAnswer WebSite::PlantPage(bool json) {
    const RepositorySnapshot now = index_.Current();
    const std::shared_ptr<const Watch> watch = WatchOf(now);
    const qint64 clock = QDateTime::currentSecsSinceEpoch();
    QStringList paths;
    for (const PlantAxis& axis : watch->plant.axes) {
        paths << axis.Path();
    }
    const QHash<QString, AxisSummary> summaries = SummariesOf(*now.commits, paths, clock);
    QStringList rows;
    QJsonArray list;
    for (const AxisStatus& status : watch->status.axes) {
        const QString axis = status.axis->Path();
        const AxisSummary& summary = summaries[axis];
        const CommitEntry* last = summary.lastBackup;
        // The run log sees every run, a backup that committed nothing too;
        // the commits tell only where it has no record of the axis.
        const std::optional<RunRecord::State> state =
            status.lastRun ? std::optional(status.lastRun->state) : summary.state;
        const std::optional<QString> lastDate =
            status.lastComplete ? std::optional(GitDate(status.lastComplete->time))
            : last              ? std::optional(last->date)
                                : std::nullopt;
        const qint64 lastTime = status.lastComplete ? status.lastComplete->time.toSecsSinceEpoch()
                                                    : (last ? last->time : 0);
        QJsonObject item{
            {"axis", axis},
            {"state", state ? StateWords(*state) : QString()},
            {"released", status.released},
            {"drift", status.released ? QJsonValue(status.drift) : QJsonValue()},
            {"changes30d", summary.changes30},
            {"lastBackup", lastDate ? QJsonValue(*lastDate) : QJsonValue()},
            {"lastCommit", last ? QJsonValue(QString::fromLatin1(last->id)) : QJsonValue()}};
        list << item;
        // A phone shows the age alone, the time as its title.
        rows << Row({QStringLiteral("<td class=\"wide\">%1</td>").arg(Esc(status.axis->machine)),
                     now.axes.contains(axis) ? AxisLink(axis) : Esc(axis),
                     QStringLiteral("<td class=\"wide\">%1</td>")
                         .arg(lastDate ? Esc(*lastDate) : QStringLiteral("—")),
                     lastDate ? QStringLiteral("<td class=\"nowrap\" title=\"%1\">%2</td>")
                                    .arg(Esc(*lastDate), AgeText(clock - lastTime))
                              : QStringLiteral("—"),
                     StateCell(state), status.released ? WebText::tr("有") : WebText::tr("沒有"),
                     status.released ? QStringLiteral("<td class=\"num%1\">%2</td>")
                                           .arg(status.drift ? QStringLiteral(" mark") : QString())
                                           .arg(status.drift)
                                     : QStringLiteral("<td class=\"num\">—</td>"),
                     QStringLiteral("<td class=\"num\">%1</td>").arg(summary.changes30)});
    }
    const QString name = plant_ ? plant_->name : QString();
    if (json) {
        return Json({{"plant", plant_ ? QJsonValue(name) : QJsonValue()},
                     {"head", QString::fromLatin1(now.head)},
                     {"axes", list}});
    }
    const QString title = plant_ ? WebText::tr("廠區 %1").arg(name) : WebText::tr("備份儲存庫");
    QString body = QStringLiteral("<p class=\"muted\">%1</p>")
                       .arg(WebText::tr("%1 · %2 軸 · %3 次備份提交")
                                .arg(Esc(index_.Folder()))
                                .arg(watch->status.axes.size())
                                .arg(now.commits->size()));
    for (const QString& problem : watch->status.logProblems) {
        body += QStringLiteral("<p class=\"part\">%1</p>").arg(Esc(problem));
    }
    body += Table({QStringLiteral("<th class=\"wide\">%1</th>").arg(WebText::tr("機台")),
                   WebText::tr("軸"),
                   QStringLiteral("<th class=\"wide\">%1</th>").arg(WebText::tr("最後完整備份")),
                   WebText::tr("距今"), WebText::tr("上次執行"), WebText::tr("發行版"),
                   QStringLiteral("<th class=\"num\">%1</th>").arg(WebText::tr("和發行版不同")),
                   QStringLiteral("<th class=\"num\">%1</th>").arg(WebText::tr("30 天內變更"))},
                  rows, QStringLiteral("axes"));
    return Html(title, body);
}

WebAnswer WebSite::AxisPage(const WebRoute& route, bool json) {
    if (route.axis.isEmpty()) {
        return ErrorPage(400, WebText::tr("請給軸（axis=M01/X）"));
    }
    const QString at = route.revision.isEmpty() ? QStringLiteral("HEAD") : route.revision;
    const std::optional<QByteArray> commit = index_.CommitOf(at);
    if (!commit) {
        return ErrorPage(404, WebText::tr("儲存庫沒有 %1 這個版本").arg(at));
    }
    const QByteArray blob = index_.AxesOf(*commit).value(route.axis);
    if (blob.isEmpty()) {
        return ErrorPage(
            404,
            WebText::tr("版本 %1 沒有 %2").arg(QString::fromLatin1(commit->left(10)), route.axis));
    }
    const std::optional<ParameterValues> values = index_.ValuesOf(blob);
    if (!values) {
        return ErrorPage(422, WebText::tr("版本 %1 的 %2.tarn 無法讀取")
                                  .arg(QString::fromLatin1(commit->left(10)), route.axis));
    }
    // The released values of the axis the plant names, and where these
    // differ from them as drift counts it (ignored parameters left out).
    const std::shared_ptr<const Watch> watch = WatchOf(index_.Current());
    const PlantAxis* axis = FindAxis(watch->plant, route.axis);
    std::optional<ParameterValues> released;
    QSet<quint16> differs;
    if (axis) {
        released = watch->released[size_t(axis - watch->plant.axes.data())];
        for (const Difference& difference : DriftOf(*axis, released, values).differences) {
            differs.insert(difference.number);
        }
    }
    const QString pn904 = (*values)[size_t(SlotOf(kPn904))];
    QStringList rows;
    QJsonArray list;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ParameterRecord& record = *RecordOf(NumberOfSlot(slot));
        const QString& text = (*values)[size_t(slot)];
        const bool outside = StandingOf(record, text, pn904) == ValueStanding::Outside;
        const bool differ = differs.contains(record.number);
        const QString releasedText = released ? (*released)[size_t(slot)] : QString();
        if (json) {
            QJsonObject item = ParameterJson(record, text, pn904);
            item.insert("description", QString::fromUtf8(record.description));
            item.insert("gloss", QString::fromUtf8(record.gloss));
            item.insert("outside", outside);
            item.insert("released", released ? QJsonValue(releasedText) : QJsonValue());
            item.insert("releasedDisplay",
                        released ? QJsonValue(ValueInWordsOrEmpty(record.number, releasedText))
                                 : QJsonValue());
            item.insert("differs", differ);
            list << item;
            continue;
        }
        QStringList cells{
            PnName(record.number), DescriptionCell(record),
            Esc(ValueInWordsWithHex(record.number, text)) +
                (outside ? QStringLiteral(" <span class=\"mark\" title=\"%1\">⚠ %1</span>")
                               .arg(Esc(WebText::tr("超出範圍")))
                         : QString())};
        if (released) {
            cells << Esc(ValueInWordsOrEmpty(record.number, releasedText, CurrentLanguage())) +
                         (differ ? QStringLiteral(" <span class=\"mark\" title=\"%1\">≠</span>")
                                       .arg(Esc(WebText::tr("和發行版不同")))
                                 : QString());
        }
        cells << Esc(QString::fromUtf8(record.unit)) << Esc(RangeText(record.number, pn904));
        rows << Row(cells);
    }
    const QString id = QString::fromLatin1(*commit);
    if (json) {
        return Json({{"axis", route.axis},
                     {"commit", id},
                     {"released", released.has_value()},
                     {"drift", released ? QJsonValue(differs.size()) : QJsonValue()},
                     {"parameters", list}});
    }
    const QString machine = route.axis.section(QLatin1Char('/'), 0, 0);
    const QString name = route.axis.section(QLatin1Char('/'), 1);
    QString body =
        QStringLiteral("<p class=\"muted\">%1</p><div class=\"links\">")
            .arg(WebText::tr("版本 %1 · %2")
                     .arg(CommitLink(*commit), released ? WebText::tr("%n 個參數和發行版不同",
                                                                      nullptr, int(differs.size()))
                                                        : WebText::tr("沒有發行版")));
    body += QStringLiteral("<a href=\"/axis/%1/%2.tarn?at=%3\" download>%4</a>")
                .arg(Enc(machine), Enc(name), id, Esc(WebText::tr("下載 %1.tarn").arg(name)));
    body += QStringLiteral("<a href=\"/history?axis=%1\">%2</a>")
                .arg(Enc(route.axis), WebText::tr("這一軸的變更歷史"));
    body += QStringLiteral("</div><input type=\"search\" id=\"filter\" data-filter=\"params\" "
                           "placeholder=\"%1\" aria-label=\"%2\" hidden>")
                .arg(Esc(WebText::tr("篩選（編號、說明、數值）")), Esc(WebText::tr("篩選")));
    QStringList heads{WebText::tr("編號"), WebText::tr("說明"), WebText::tr("數值")};
    if (released) {
        heads << WebText::tr("發行值");
    }
    heads << WebText::tr("單位") << WebText::tr("範圍");
    body += Table(heads, rows, QStringLiteral("params"));
    body += QStringLiteral("<script src=\"/filter.js\"></script>");
    return Html(route.axis, body);
}

WebAnswer WebSite::AxisFile(const WebRoute& route) {
    const QString at = route.revision.isEmpty() ? QStringLiteral("HEAD") : route.revision;
    const std::optional<QByteArray> commit = index_.CommitOf(at);
    const QByteArray blob = commit ? index_.AxesOf(*commit).value(route.axis) : QByteArray();
    const std::optional<QByteArray> bytes = blob.isEmpty() ? std::nullopt : index_.BlobBytes(blob);
    if (!bytes) {
        return ErrorPage(404, WebText::tr("版本 %1 沒有 %2").arg(at, route.axis));
    }
    const QString file = route.axis.section(QLatin1Char('/'), 1) + QStringLiteral(".tarn");
    return {200, "application/octet-stream", *bytes,
            "attachment; filename*=UTF-8''" + QUrl::toPercentEncoding(file)};
}

WebAnswer WebSite::HistoryPage(const WebRoute& route, bool json) {
    std::optional<quint16> only;
    const QString param = route.Query(QStringLiteral("param"));
    if (!param.isEmpty()) {
        only = ParameterNumberOf(param);
        if (!only || SlotOf(*only) < 0) {
            return ErrorPage(400, WebText::tr("不是參數編號：%1（例如 100 或 Pn100）").arg(param));
        }
    }
    const QString pageText = route.Query(QStringLiteral("page"));
    bool number = true;
    const int page = pageText.isEmpty() ? 1 : pageText.toInt(&number);
    if (!number || page < 1 || page > 100000) {
        return ErrorPage(400, WebText::tr("頁數不正確：%1").arg(pageText));
    }
    const RepositorySnapshot now = index_.Current();
    // A filter's changes are counted once per HEAD; a page after that
    // stops at its last row.
    const QString countKey = route.axis + QLatin1Char(' ') + QString::number(only.value_or(0));
    std::optional<qsizetype> known;
    {
        const std::lock_guard<std::mutex> hold(countMutex_);
        if (countHead_ != now.head) {
            counts_.clear();
            countHead_ = now.head;
        }
        if (counts_.contains(countKey)) {
            known = counts_.value(countKey);
        }
    }
    bool held = route.axis.isEmpty() || known;
    const qsizetype skip = qsizetype(page - 1) * kPageRows;
    qsizetype seen = 0;
    std::vector<ParameterChange> shown;
    for (const CommitEntry& commit : *now.commits) {
        if (known && qsizetype(shown.size()) == kPageRows) {
            break;
        }
        for (const AxisFileChange& file : commit.files) {
            if (!route.axis.isEmpty() && file.axis != route.axis) {
                continue;
            }
            held = true;
            for (const ParameterChange& change : index_.ChangesOf(commit, file)) {
                if (only && change.number != *only) {
                    continue;
                }
                if (seen >= skip && qsizetype(shown.size()) < kPageRows) {
                    shown.push_back(change);
                }
                ++seen;
            }
        }
    }
    if (!held) {
        return ErrorPage(404, NoSuchAxisMessage(WebText::tr("儲存庫"), route.axis));
    }
    if (!known) {
        const std::lock_guard<std::mutex> hold(countMutex_);
        if (countHead_ == now.head) {
            counts_.insert(countKey, seen);
        }
    }
    const qsizetype total = known.value_or(seen);
    const int pages = int(qMax<qsizetype>(1, (total + kPageRows - 1) / kPageRows));
    if (page > pages) {
        return ErrorPage(404, WebText::tr("沒有第 %1 頁（共 %2 頁）").arg(page).arg(pages));
    }
    const bool more = page < pages;
    if (json) {
        QJsonArray list;
        for (const ParameterChange& change : shown) {
            list << QJsonObject{{"date", change.date},
                                {"commit", change.commit},
                                {"axis", change.axis},
                                {"number", change.number},
                                {"before", change.before},
                                {"after", change.after},
                                {"line", ChangeLine(change.number, change.before, change.after)}};
        }
        return Json({{"page", page}, {"pages", pages}, {"more", more}, {"changes", list}});
    }
    QStringList rows;
    for (const ParameterChange& change : shown) {
        rows << Row({Esc(change.date), CommitLink(change.commit.toLatin1()),
                     AxisLink(change.axis, change.commit),
                     Esc(ChangeLine(change.number, change.before, change.after,
                                    ChangeNaming::NumberAndDescription, CurrentLanguage()))});
    }
    QString body;
    if (!route.axis.isEmpty() || only) {
        body += QStringLiteral("<p class=\"muted\">%1%2 · <a href=\"/history\">%3</a></p>")
                    .arg(route.axis.isEmpty() ? QString() : Esc(route.axis) + QLatin1Char(' '),
                         only ? PnName(*only) : QString(), WebText::tr("全部"));
    }
    body += rows.isEmpty() ? QStringLiteral("<p>%1</p>").arg(WebText::tr("沒有變更。"))
                           : Table({WebText::tr("日期"), WebText::tr("提交"), WebText::tr("軸"),
                                    WebText::tr("變更")},
                                   rows, QStringLiteral("changes"));
    QString keep;
    if (!route.axis.isEmpty()) {
        keep += QStringLiteral("&axis=") + Enc(route.axis);
    }
    if (only) {
        keep += QStringLiteral("&param=%1").arg(*only);
    }
    const auto pageLink = [&](int to, const QString& text) {
        return QStringLiteral("<a href=\"/history?page=%1%2\">%3</a>").arg(to).arg(keep, text);
    };
    body += QStringLiteral("<div class=\"links\" id=\"pages\">");
    if (page > 1) {
        body += pageLink(1, WebText::tr("« 最新")) + pageLink(page - 1, WebText::tr("← 較新"));
    }
    body += QStringLiteral("<span>%1</span>")
                .arg(WebText::tr("第 %1 頁，共 %2 頁").arg(page).arg(pages));
    if (more) {
        body += pageLink(page + 1, WebText::tr("較舊 →")) + pageLink(pages, WebText::tr("最舊 »"));
    }
    body += QStringLiteral("</div>");
    return Html(WebText::tr("變更歷史"), body);
}

WebAnswer WebSite::CommitPage(const WebRoute& route) {
    const std::optional<QByteArray> id = index_.CommitOf(route.revision);
    const RepositorySnapshot now = index_.Current();
    const CommitEntry* found = nullptr;
    for (const CommitEntry& commit : *now.commits) {
        if (id && commit.id == *id) {
            found = &commit;
        }
    }
    if (!found) {
        return ErrorPage(404, WebText::tr("儲存庫沒有 %1 這個版本").arg(route.revision));
    }
    QString body = QStringLiteral("<p class=\"muted\"><code>%1</code> · %2</p><pre>%3</pre>")
                       .arg(QString::fromLatin1(found->id), Esc(found->date), Esc(found->message));
    for (const AxisFileChange& file : found->files) {
        body +=
            QStringLiteral("<h2>%1</h2>").arg(AxisLink(file.axis, QString::fromLatin1(found->id)));
        if (file.before.isEmpty()) {
            body += QStringLiteral("<p>%1</p>").arg(WebText::tr("首次備份"));
            continue;
        }
        QStringList lines;
        for (const ParameterChange& change : index_.ChangesOf(*found, file)) {
            lines << QStringLiteral("<li>%1</li>")
                         .arg(Esc(ChangeLine(change.number, change.before, change.after,
                                             ChangeNaming::NumberAndDescription,
                                             CurrentLanguage())));
        }
        body += QStringLiteral("<ul>%1</ul>").arg(lines.join(QString()));
    }
    return Html(found->Subject(), body);
}

WebAnswer WebSite::ComparePage(const WebRoute& route) {
    const QString a = route.Query(QStringLiteral("a"));
    const QString b = route.Query(QStringLiteral("b"));
    if (route.axis.isEmpty() || a.isEmpty() || b.isEmpty()) {
        return ErrorPage(400,
                         WebText::tr("比較需要 axis、a 和 b（例如 ?axis=M01/X&a=HEAD~1&b=HEAD）"));
    }
    std::optional<ParameterValues> sides[2];
    QByteArray ids[2];
    const QString revisions[2] = {a, b};
    for (int i = 0; i < 2; ++i) {
        const std::optional<QByteArray> commit = index_.CommitOf(revisions[i]);
        const QByteArray blob = commit ? index_.AxesOf(*commit).value(route.axis) : QByteArray();
        if (blob.isEmpty()) {
            return ErrorPage(404, WebText::tr("版本 %1 沒有 %2").arg(revisions[i], route.axis));
        }
        ids[i] = *commit;
        sides[i] = index_.ValuesOf(blob);
        if (!sides[i]) {
            return ErrorPage(
                422, WebText::tr("版本 %1 的 %2.tarn 無法讀取").arg(revisions[i], route.axis));
        }
    }
    QStringList rows;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const QString& left = (*sides[0])[size_t(slot)];
        const QString& right = (*sides[1])[size_t(slot)];
        if (left == right) {
            continue;
        }
        const ParameterRecord& record = *RecordOf(NumberOfSlot(slot));
        rows << Row({PnName(record.number), Esc(DescriptionIn(record, CurrentLanguage())),
                     Esc(ValueInWordsWithHex(record.number, left)),
                     Esc(ValueInWordsWithHex(record.number, right)),
                     Esc(QString::fromUtf8(record.unit))});
    }
    QString body = QStringLiteral("<p class=\"muted\">%1 → %2</p>")
                       .arg(CommitLink(ids[0]), CommitLink(ids[1]));
    body += rows.isEmpty() ? QStringLiteral("<p>%1</p>").arg(WebText::tr("兩個版本相同。"))
                           : Table({WebText::tr("編號"), WebText::tr("說明"),
                                    Esc(QString::fromLatin1(ids[0].left(10))),
                                    Esc(QString::fromLatin1(ids[1].left(10))), WebText::tr("單位")},
                                   rows, QStringLiteral("differences"));
    return Html(WebText::tr("比較 %1").arg(route.axis), body);
}

WebAnswer WebSite::SearchPage(const WebRoute& route, bool json) {
    const QString q = route.Query(QStringLiteral("q"));
    if (q.size() > 200) {
        return ErrorPage(400, WebText::tr("搜尋文字太長"));
    }
    const std::vector<SearchHit> hits = FindParameters(q);
    // A number asked for: its value on every axis, as HEAD holds it.
    const std::optional<quint16> number = ParameterNumberOf(q);
    const bool values = number && SlotOf(*number) >= 0;
    QJsonArray found;
    QStringList rows;
    const Language language = CurrentLanguage();
    for (const SearchHit& hit : hits) {
        // In English the description is the gloss, and the other column
        // the Chinese description (in Chinese: the gloss).
        const ParameterRecord* record = RecordOf(hit.number);
        const QString description = language == Language::English && record
                                        ? DescriptionIn(*record, language)
                                        : hit.description;
        const QString other = language == Language::English ? hit.description : hit.gloss;
        found << QJsonObject{{"number", hit.number},
                             {"name", PnName(hit.number)},
                             {"description", hit.description},
                             {"gloss", hit.gloss},
                             {"sheet", SheetTextOf(hit)}};
        rows << Row({QStringLiteral("<a href=\"/search?q=%1\">%2</a>")
                         .arg(hit.number)
                         .arg(PnName(hit.number)),
                     Esc(description), Esc(other), Esc(SheetTextOf(hit, language))});
    }
    QJsonArray onAxes;
    QStringList valueRows;
    if (values) {
        const RepositorySnapshot now = index_.Current();
        for (auto axis = now.axes.constBegin(); axis != now.axes.constEnd(); ++axis) {
            const std::optional<ParameterValues> held = index_.ValuesOf(axis.value());
            const QString text = held ? (*held)[size_t(SlotOf(*number))] : QString();
            onAxes << QJsonObject{
                {"axis", axis.key()},
                {"value", text},
                {"display", held ? QJsonValue(ValueWithUnit(*number, text)) : QJsonValue()}};
            valueRows << Row(
                {AxisLink(axis.key()),
                 held ? Esc(ValueWithUnit(*number, text, language)) : WebText::tr("無法讀取")});
        }
    }
    if (json) {
        QJsonObject answer{{"q", q}, {"parameters", found}};
        if (values) {
            answer.insert("values", onAxes);
        }
        return Json(answer);
    }
    QString body =
        QStringLiteral("<form action=\"/search\"><input type=\"search\" name=\"q\" value=\"%1\" "
                       "placeholder=\"%2\" aria-label=\"%3\"><button>%4</button></form>")
            .arg(Esc(q), Esc(WebText::tr("編號、中文或英文說明")), Esc(WebText::tr("搜尋文字")),
                 WebText::tr("搜尋"));
    if (!q.trimmed().isEmpty()) {
        body += hits.empty() ? QStringLiteral("<p>%1</p>").arg(WebText::tr("沒有相符的參數。"))
                             : Table({WebText::tr("編號"), WebText::tr("說明"),
                                      //: The other language's description (the gloss in
                                      //: Chinese, the Chinese description in English).
                                      WebText::tr("英文說明"), WebText::tr("頁籤")},
                                     rows, QStringLiteral("hits"));
    }
    if (values) {
        body += QStringLiteral("<h2>%1</h2>")
                    .arg(WebText::tr("%1 在每一軸的數值").arg(PnName(*number)));
        body +=
            Table({WebText::tr("軸"), WebText::tr("數值")}, valueRows, QStringLiteral("values"));
    }
    return Html(WebText::tr("搜尋參數"), body);
}

WebAnswer WebSite::MetricsPage() {
    const std::shared_ptr<const Watch> watch = WatchOf(index_.Current());
    return {200,
            "text/plain; version=0.0.4; charset=utf-8",
            MetricsText(watch->plant, watch->status),
            {}};
}
