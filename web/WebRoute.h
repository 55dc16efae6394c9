#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// What a request asks for, from its method and raw target ("/axis/M01/X?at=1a2b"),
// before anything is read: the one place a path or a query is decoded, so
// no page ever sees "..", a NUL, a backslash or text that is not UTF-8.

enum class WebPage {
    Plant,      // /
    Axis,       // /axis/M01/X
    AxisFile,   // /axis/M01/X.tarn
    History,    // /history
    Commit,     // /commit/REV
    Compare,    // /compare
    Search,     // /search
    ApiAxes,    // /api/axes
    ApiAxis,    // /api/axis?axis=M01/X
    ApiHistory, // /api/history
    ApiSearch,  // /api/search
    Metrics,    // /metrics
    Style,      // /style.css
    Script,     // /filter.js
    Icon,       // /favicon.ico, which browsers ask for unbidden: none
};

// The longest target taken; a longer one is answered 414.
constexpr int kMaxTargetBytes = 8192;

struct WebRoute {
    WebPage page = WebPage::Plant;
    QString axis;     // "M01/X" (Axis, AxisFile; from ?axis= elsewhere)
    QString revision; // Commit's; ?at= for Axis and AxisFile
    QMap<QString, QString> query;
    bool head = false; // HEAD: the answer without its body

    QString Query(const QString& key) const { return query.value(key); }
};

// A request refused before any page runs.
struct WebRefusal {
    int status = 400;
    QString why; // in words, for the error page
};

// The route of a request, or its refusal: 405 for a method other than GET
// or HEAD, 414 for a target over kMaxTargetBytes, 404 for a path no page
// has, 400 for a bad escape, an escaped or raw NUL, a backslash, an
// escaped '/' in the path, a ".."
// segment, text that is not UTF-8, an unsafe axis name or a revision that
// is not IsRevisionText.
struct WebRouting {
    bool ok = false;
    WebRoute route;
    WebRefusal refusal;
};
WebRouting RouteRequest(const QByteArray& method, const QByteArray& target);

// "%41+b" → "A b" (the query's form); false for a bad escape,
// a NUL or bytes that are not UTF-8.
bool DecodeComponent(const QByteArray& raw, bool plusIsSpace, QString* out);

// True for a revision a page may hand to git: 4 to 40 hex digits, or
// "HEAD" with an optional "~N" (N up to 99999).
bool IsRevisionText(const QString& text);
