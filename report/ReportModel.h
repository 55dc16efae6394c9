#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A parameter report as the renderers take it: every text already resolved,
// nothing left to look up or convert. How the texts were found (drive or
// file, which catalogue) is the builder's business, not the renderers'.

// The head repeated at the top of the report (and of every PDF page).
struct ReportHead {
    QString title;     // "參數報告"
    QString timestamp; // "2024-05-01 14:03:27"
    QString source;    // the port, device and reply format, or the file name
    QString version;   // "TARN/B 1.03"
};

// One parameter. A parameter that no sheet shows has only its number and
// value text; the catalogue columns stay empty.
struct ReportRow {
    QString number;      // "Pn000"
    QString description; // the grid's 說明
    QString gloss;       // the description in English, for the reader
    QString controlMode;
    QString valueText; // as held: four hex digits, "None" or empty
    QString display;   // the grid's 數值, or "無數值" when there is no value
    QString unit;
    QString minText; // the bounds as the grid shows them
    QString maxText;
    bool outOfRange = false; // the value fails the parameter's edit rule
    bool noValue = false;    // the value text is "None" or empty
    // "yes" within the rule, "no" outside it; empty when there is nothing to
    // judge: no value, no catalogue row, or a bound that follows a Pn904
    // without a value.
    QString inRange;
};

// One sheet: its catalogue rows in grid order.
struct ReportSheet {
    int index = 0;
    QString title; // "Pn0xx"
    std::vector<ReportRow> rows;
};

// A parameter held without a row on any sheet, shown compactly.
struct ReportExtra {
    QString number;    // "Pn900"
    QString valueText; // as held
    QString shown;     // the value text, or "無數值" when there is none
    bool noValue = false;
};

struct ReportSummary {
    int parameters = 0;   // every parameter held (309)
    int outOfRange = 0;   // sheet rows whose value fails the edit rule
    int withoutValue = 0; // parameters whose value text is "None" or empty
};

struct ReportModel {
    ReportHead head;
    std::vector<ReportSheet> sheets; // Pn0xx .. Pn7xx
    std::vector<ReportExtra> extras; // in file order
    std::vector<ReportRow> entries;  // all parameters in file order
    ReportSummary summary;
};

// Fixed texts shared by the renderers.
namespace report_text {
inline const QString kTitle = QStringLiteral("參數報告");
inline const QString kNoValue = QStringLiteral("無數值");
inline const QString kOutMark = QStringLiteral("!");
inline const QString kTimeLabel = QStringLiteral("日期時間");
inline const QString kSourceLabel = QStringLiteral("來源");
inline const QString kVersionLabel = QStringLiteral("程式版本");
inline const QString kExtrasTitle = QStringLiteral("其他參數（不在表格中）");
inline const QString kSummaryTitle = QStringLiteral("摘要");
inline const QString kParametersLabel = QStringLiteral("參數總數");
inline const QString kOutOfRangeLabel = QStringLiteral("超出範圍");
inline const QString kWithoutValueLabel = QStringLiteral("無數值");

// The grid's seven column headers, in grid order.
inline const QStringList kGridColumns{QStringLiteral("編號"),     QStringLiteral("說明"),
                                      QStringLiteral("控制模式"), QStringLiteral("數值"),
                                      QStringLiteral("單位"),     QStringLiteral("最小值"),
                                      QStringLiteral("最大值")};
} // namespace report_text
