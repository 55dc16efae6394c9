#pragma once

#include "core/Language.h"

#include <QString>
#include <QStringList>
#include <vector>

// A parameter report as the renderers take it: every text already resolved,
// nothing left to look up or convert, in the report's language. How the
// texts were found (drive or file, which catalogue) is the builder's
// business, not the renderers'; the renderers put their own fixed texts
// (report_text) into the same language.

// A labelled line of the head: "機台" "M-7".
struct ReportField {
    QString label;
    QString text;
};

// The head: title, time, source and version are repeated at the top of
// every PDF page; the identity and handover lines open the report.
struct ReportHead {
    QString title;     // "參數報告"
    QString timestamp; // "2024-05-01 14:03:27 +08:00"
    QString source;    // the port, device and reply format, or the file name
    QString version;   // "TARN/B 1.03"
    // 日期時間, 來源, for a file its 檔案修改時間 and SHA-256, the reference
    // file's, 程式版本.
    std::vector<ReportField> identity;
    // 機台, 軸, 客戶, 技術員, 備註 as given; an empty one left out.
    std::vector<ReportField> handover;
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
    // Against a reference file: its value text, raw, and whether the values
    // differ (ValuesEqual). Both empty/false without a reference.
    QString referenceValueText;
    bool differs = false;
};

// A parameter whose value differs from the reference file's.
struct ReportDifference {
    QString number;           // "Pn100"
    QString description;      // empty for a parameter without a row
    QString display;          // the value reported, as the grid shows it
    QString referenceDisplay; // the reference's, likewise
    QString unit;
};

// A sheet row outside its range, named in the summary.
struct ReportOutOfRange {
    QString number;
    QString description;
    QString display;
    QString range; // "0 ~ 30", the bounds as shown
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
    bool differs = false; // from the reference file's value
};

struct ReportSummary {
    int parameters = 0;   // every parameter held (309)
    int outOfRange = 0;   // sheet rows whose value fails the edit rule
    int withoutValue = 0; // parameters whose value text is "None" or empty
    int differences = 0;  // against the reference file
    std::vector<ReportOutOfRange> outOfRangeRows; // in file order
    QStringList withoutValueNumbers;              // "Pn002", in file order
};

struct ReportModel {
    ReportHead head;
    std::vector<ReportSheet> sheets; // Pn0xx .. Pn7xx
    std::vector<ReportExtra> extras; // in file order
    std::vector<ReportRow> entries;  // all parameters in file order
    ReportSummary summary;
    bool hasReference = false; // compared against a reference file
    std::vector<ReportDifference> differences; // in file order
    // What every text reads in: descriptions, control modes and labels.
    // In English a row's description is its gloss, so no gloss goes below it.
    Language language = Language::Chinese;
};

// Fixed texts shared by the renderers, as written (Chinese); ReportWords
// gives them in a report's language.
namespace report_text {
inline const QString kTitle = QStringLiteral(QT_TRANSLATE_NOOP("Report", "參數報告"));
inline const QString kNoValue = QStringLiteral(QT_TRANSLATE_NOOP("Report", "無數值"));
inline const QString kOutMark = QStringLiteral("!");
inline const QString kDiffersMark = QStringLiteral("≠"); // differs from the reference
inline const QString kTimeLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "日期時間"));
inline const QString kSourceLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "來源"));
inline const QString kVersionLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "程式版本"));
inline const QString kExtrasTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("Report", "其他參數（不在表格中）"));
inline const QString kSummaryTitle = QStringLiteral(QT_TRANSLATE_NOOP("Report", "摘要"));
inline const QString kParametersLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "參數總數"));
inline const QString kOutOfRangeLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "超出範圍"));
inline const QString kWithoutValueLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "無數值"));
inline const QString kDifferencesLabel =
    QStringLiteral(QT_TRANSLATE_NOOP("Report", "與參考檔案不同"));
inline const QString kDifferencesTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("Report", "與參考檔案不同的參數"));
inline const QString kOutOfRangeTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("Report", "超出範圍的參數"));
inline const QString kWithoutValueTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("Report", "無數值的參數"));
inline const QString kRangeLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "範圍"));
inline const QString kReferenceValueLabel =
    QStringLiteral(QT_TRANSLATE_NOOP("Report", "參考檔案數值"));
inline const QString kFileTimeLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "檔案修改時間"));
inline const QString kShaLabel = QStringLiteral("SHA-256");
inline const QString kReferenceLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "參考檔案"));
inline const QString kReferenceShaLabel =
    QStringLiteral(QT_TRANSLATE_NOOP("Report", "參考檔案 SHA-256"));
inline const QString kMachineLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "機台"));
inline const QString kAxisLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "軸"));
inline const QString kCustomerLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "客戶"));
inline const QString kTechnicianLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "技術員"));
inline const QString kNoteLabel = QStringLiteral(QT_TRANSLATE_NOOP("Report", "備註"));
// The lines the report ends with, to sign on paper.
inline const QStringList kSignatures{QStringLiteral(QT_TRANSLATE_NOOP("Report", "技術員簽名")),
                                     QStringLiteral(QT_TRANSLATE_NOOP("Report", "客戶簽名")),
                                     QStringLiteral(QT_TRANSLATE_NOOP("Report", "日期"))};

// The grid's seven column headers, in grid order.
inline const QStringList kGridColumns{QStringLiteral(QT_TRANSLATE_NOOP("Report", "編號")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Report", "說明")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Report", "控制模式")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Report", "數值")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Report", "單位")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Report", "最小值")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Report", "最大值"))};
} // namespace report_text

// A fixed text of report_text (or a list of them) in `language`.
inline QString ReportWords(Language language, const QString& text) {
    return Translated(language, "Report", text.toUtf8().constData());
}
inline QStringList ReportWords(Language language, const QStringList& texts) {
    QStringList words;
    for (const QString& text : texts)
        words << ReportWords(language, text);
    return words;
}

// A row's mark: "!" out of range, "≠" differing from the reference.
inline QString MarkOf(const ReportRow& row) {
    return (row.outOfRange ? report_text::kOutMark : QString()) +
           (row.differs ? report_text::kDiffersMark : QString());
}
