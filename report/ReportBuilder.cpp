#include "report/ReportBuilder.h"

#include "catalogue/ParameterRecord.h"

#include "catalogue/SheetRanges.h"
#include "core/Version.h"
#include "report/ReportRows.h"

#include <map>

namespace {

constexpr int kShownSheets = 8; // Pn0xx .. Pn7xx have rows

QString ReplyFormatText(int format) {
    switch (format) {
    case 0:
        return QStringLiteral("0 (無標記)");
    case 1:
        return QStringLiteral("1 (=0x)");
    default:
        return QStringLiteral("未定");
    }
}

ReportHead HeadOf(const ReportSource& source) {
    const QDateTime time = source.time.isValid() ? source.time : QDateTime::currentDateTime();
    return {report_text::kTitle, time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            SourceText(source), QStringLiteral("TARN/B " TARN_VERSION)};
}

ReportRow BareRow(quint16 number, const QString& valueText) {
    ReportRow row;
    row.number = PnName(number);
    row.valueText = valueText;
    row.noValue = valueText.isEmpty() || valueText == QLatin1String("None");
    return row;
}

ReportExtra ExtraOf(const ReportRow& row) {
    return {row.number, row.valueText, row.noValue ? report_text::kNoValue : row.valueText,
            row.noValue};
}

} // namespace

ReportSource DriveSource(const QString& port, const QString& device, int replyFormat) {
    ReportSource source;
    source.kind = ReportSource::Kind::Drive;
    source.port = port;
    source.device = device;
    source.replyFormat = replyFormat;
    return source;
}

ReportSource FileSource(const QString& fileName) {
    ReportSource source;
    source.kind = ReportSource::Kind::File;
    source.fileName = fileName;
    return source;
}

QString SourceText(const ReportSource& source) {
    if (source.kind == ReportSource::Kind::File)
        return QStringLiteral("檔案 %1").arg(source.fileName);
    return QStringLiteral("驅動器 %1 (%2)，回覆格式 %3")
        .arg(source.port, source.device, ReplyFormatText(source.replyFormat));
}

ReportModel BuildReport(const ReportSource& source, const ParameterValues& values) {
    ReportModel model;
    model.head = HeadOf(source);
    const QString& pn904Text = values[SlotOf(kPn904)];
    // Rows gathered by sheet and grid row, so a sheet's order is the grid's
    // whatever the order of the numbers.
    std::map<int, std::map<int, ReportRow>> rowsBySheet;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const quint16 number = NumberOfSlot(slot);
        if (std::optional<GridRow> grid = GridRowOf(number, values[slot], pn904Text)) {
            rowsBySheet[grid->sheet][grid->row] = grid->texts;
            model.entries.push_back(grid->texts);
        } else {
            model.entries.push_back(BareRow(number, values[slot]));
            model.extras.push_back(ExtraOf(model.entries.back()));
        }
    }
    for (int sheet = 0; sheet < kShownSheets; ++sheet) {
        ReportSheet shown{sheet, QStringLiteral("Pn%1xx").arg(sheet), {}};
        for (const auto& [row, texts] : rowsBySheet[sheet])
            shown.rows.push_back(texts);
        model.sheets.push_back(shown);
    }
    model.summary.parameters = static_cast<int>(model.entries.size());
    for (const ReportRow& row : model.entries) {
        model.summary.outOfRange += row.outOfRange ? 1 : 0;
        model.summary.withoutValue += row.noValue ? 1 : 0;
    }
    return model;
}
