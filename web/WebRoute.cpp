#include "web/WebRoute.h"

#include "backup/PlantFile.h"
#include "web/WebText.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

WebRouting Refuse(int status, const QString& why) {
    WebRouting routing;
    routing.refusal = {status, why};
    return routing;
}

bool IsAxisPath(const QString& axis) {
    const QStringList parts = axis.split(QLatin1Char('/'));
    return parts.size() == 2 && IsSafePlantName(parts[0]) && IsSafePlantName(parts[1]);
}

} // namespace

bool DecodeComponent(const QByteArray& raw, bool plusIsSpace, QString* out) {
    QByteArray bytes;
    bytes.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c == '%') {
            if (i + 2 >= raw.size()) {
                return false;
            }
            const int high = HexDigit(raw[i + 1]);
            const int low = HexDigit(raw[i + 2]);
            if (high < 0 || low < 0) {
                return false;
            }
            c = char(high * 16 + low);
            i += 2;
        } else if (c == '+' && plusIsSpace) {
            c = ' ';
        }
        if (c == '\0') {
            return false;
        }
        bytes += c;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *out = utf8.decode(bytes);
    return !utf8.hasError();
}

bool IsRevisionText(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(?:[0-9a-f]{4,40}|HEAD(?:~[0-9]{1,5})?)$"));
    return form.match(text).hasMatch();
}

WebRouting RouteRequest(const QByteArray& method, const QByteArray& target) {
    WebRouting routing;
    WebRoute& route = routing.route;
    if (method == "HEAD") {
        route.head = true;
    } else if (method != "GET") {
        return Refuse(405, WebText::tr("只能讀取（GET、HEAD）"));
    }
    if (target.size() > kMaxTargetBytes) {
        return Refuse(414, WebText::tr("網址太長"));
    }
    const qsizetype mark = target.indexOf('?');
    const QByteArray rawPath = mark < 0 ? target : target.left(mark);
    if (!rawPath.startsWith('/')) {
        return Refuse(400, WebText::tr("網址不正確"));
    }

    QStringList segments;
    for (const QByteArray& raw : rawPath.mid(1).split('/')) {
        QString segment;
        // An escaped '/' would make a segment of two, past the checks below.
        if (!DecodeComponent(raw, false, &segment) || segment.contains(QLatin1Char('\\')) ||
            segment.contains(QLatin1Char('/')) || segment == QLatin1String("..") ||
            segment == QLatin1String(".")) {
            return Refuse(400, WebText::tr("網址不正確"));
        }
        segments << segment;
    }
    if (mark >= 0) {
        for (const QByteArray& pair : target.mid(mark + 1).split('&')) {
            if (pair.isEmpty()) {
                continue;
            }
            const qsizetype equals = pair.indexOf('=');
            QString key;
            QString value;
            if (!DecodeComponent(equals < 0 ? pair : pair.left(equals), true, &key) ||
                (equals >= 0 && !DecodeComponent(pair.mid(equals + 1), true, &value)) ||
                key.contains(QLatin1Char('\\')) || value.contains(QLatin1Char('\\'))) {
                return Refuse(400, WebText::tr("查詢文字不正確"));
            }
            route.query.insert(key, value);
        }
    }

    const QString first = segments.value(0);
    const qsizetype count = segments.size();
    bool known = true;
    if (count == 1 && first.isEmpty()) {
        route.page = WebPage::Plant;
    } else if (first == QLatin1String("axis") && count == 3) {
        QString name = segments[2];
        route.page = WebPage::Axis;
        if (name.endsWith(QLatin1String(".tarn"))) {
            route.page = WebPage::AxisFile;
            name.chop(5);
        }
        route.axis = segments[1] + QLatin1Char('/') + name;
        route.revision = route.Query(QStringLiteral("at"));
    } else if (first == QLatin1String("commit") && count == 2) {
        route.page = WebPage::Commit;
        route.revision = segments[1];
    } else if (count == 1) {
        static const QMap<QString, WebPage> pages{
            {QStringLiteral("history"), WebPage::History},
            {QStringLiteral("compare"), WebPage::Compare},
            {QStringLiteral("search"), WebPage::Search},
            {QStringLiteral("metrics"), WebPage::Metrics},
            {QStringLiteral("style.css"), WebPage::Style},
            {QStringLiteral("filter.js"), WebPage::Script},
            {QStringLiteral("favicon.ico"), WebPage::Icon},
        };
        known = pages.contains(first);
        route.page = pages.value(first);
    } else if (first == QLatin1String("api") && count == 2) {
        static const QMap<QString, WebPage> pages{
            {QStringLiteral("axes"), WebPage::ApiAxes},
            {QStringLiteral("axis"), WebPage::ApiAxis},
            {QStringLiteral("history"), WebPage::ApiHistory},
            {QStringLiteral("search"), WebPage::ApiSearch},
        };
        known = pages.contains(segments[1]);
        route.page = pages.value(segments[1]);
    } else {
        known = false;
    }
    if (!known) {
        return Refuse(404, WebText::tr("沒有這一頁"));
    }
    if (route.axis.isEmpty() && route.query.contains(QStringLiteral("axis"))) {
        route.axis = route.Query(QStringLiteral("axis"));
    }
    if (!route.axis.isEmpty() && !IsAxisPath(route.axis)) {
        return Refuse(400, WebText::tr("軸要寫成 機台/軸（例如 M01/X）"));
    }
    for (const QString& revision :
         {route.revision, route.Query(QStringLiteral("a")), route.Query(QStringLiteral("b"))}) {
        if (!revision.isEmpty() && !IsRevisionText(revision)) {
            return Refuse(400, WebText::tr("版本不正確：%1").arg(revision));
        }
    }
    if (route.page == WebPage::Commit && route.revision.isEmpty()) {
        return Refuse(404, WebText::tr("沒有這一頁"));
    }
    routing.ok = true;
    return routing;
}
