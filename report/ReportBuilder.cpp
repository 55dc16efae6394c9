#include "report/ReportBuilder.h"

#include "catalogue/ParameterRecord.h"

#include "catalogue/SheetRanges.h"
#include "core/Version.h"
#include "files/ParameterFile.h"
#include "report/ReportRows.h"
#include "values/ValueText.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <map>

namespace {

constexpr int kShownSheets = 8; // Pn0xx .. Pn7xx have rows

QString Words(Language language, const char* source) {
    return Translated(language, "Report", source);
}

QString ReplyFormatText(int format, Language language) {
    switch (format) {
    case 0:
        return Words(language, QT_TRANSLATE_NOOP("Report", "0 (無標記)"));
    case 1:
        return QStringLiteral("1 (=0x)");
    default:
        return Words(language, QT_TRANSLATE_NOOP("Report", "未定"));
    }
}

QString Sha256Of(const QString& fileName) {
    QFile file(fileName);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

ReportHead HeadOf(const ReportSource& source, const ReportHandover& handover,
                  const std::optional<ReportReference>& reference, Language language) {
    using namespace report_text;
    const auto words = [language](const QString& text) { return ReportWords(language, text); };
    const QDateTime time = source.time.isValid() ? source.time : QDateTime::currentDateTime();
    ReportHead head{words(kTitle),
                    IsoTime(time),
                    SourceText(source, language),
                    QStringLiteral("TARN/B " TARN_VERSION),
                    {},
                    {}};
    head.identity = {{words(kTimeLabel), head.timestamp}, {words(kSourceLabel), head.source}};
    if (source.kind == ReportSource::Kind::File && source.fileModified.isValid())
        head.identity.push_back({words(kFileTimeLabel), IsoTime(source.fileModified)});
    if (source.kind == ReportSource::Kind::File && !source.fileSha256.isEmpty())
        head.identity.push_back({kShaLabel, source.fileSha256});
    if (reference) {
        head.identity.push_back({words(kReferenceLabel), reference->fileName});
        if (!reference->sha256.isEmpty())
            head.identity.push_back({words(kReferenceShaLabel), reference->sha256});
    }
    head.identity.push_back({words(kVersionLabel), head.version});
    const ReportField given[] = {{words(kMachineLabel), handover.machine},
                                 {words(kAxisLabel), handover.axis},
                                 {words(kCustomerLabel), handover.customer},
                                 {words(kTechnicianLabel), handover.technician},
                                 {words(kNoteLabel), handover.note}};
    for (const ReportField& field : given) {
        if (!field.text.trimmed().isEmpty())
            head.handover.push_back(field);
    }
    return head;
}

ReportRow BareRow(quint16 number, const QString& valueText) {
    ReportRow row;
    row.number = PnName(number);
    row.valueText = valueText;
    row.noValue = valueText.isEmpty() || valueText == QLatin1String("None");
    return row;
}

ReportExtra ExtraOf(const ReportRow& row, Language language) {
    return {row.number, row.valueText,
            row.noValue ? ReportWords(language, report_text::kNoValue) : row.valueText, row.noValue,
            row.differs};
}

// The display of a value text as the report shows it: the grid's for a
// parameter with a row, else the text itself; 無數值 for none.
QString DisplayOf(quint16 number, const QString& valueText, const QString& pn904Text,
                  Language language) {
    if (std::optional<GridRow> grid = GridRowOf(number, valueText, pn904Text, language))
        return grid->texts.display;
    return ExtraOf(BareRow(number, valueText), language).shown;
}

void Summarise(ReportModel& model) {
    ReportSummary& summary = model.summary;
    summary.parameters = static_cast<int>(model.entries.size());
    for (const ReportRow& row : model.entries) {
        if (row.outOfRange) {
            summary.outOfRangeRows.push_back(
                {row.number, row.description, row.display,
                 QStringLiteral("%1 ~ %2").arg(row.minText, row.maxText)});
        }
        if (row.noValue)
            summary.withoutValueNumbers << row.number;
    }
    summary.outOfRange = static_cast<int>(summary.outOfRangeRows.size());
    summary.withoutValue = static_cast<int>(summary.withoutValueNumbers.size());
    summary.differences = static_cast<int>(model.differences.size());
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
    const QFileInfo info(fileName);
    if (info.isFile()) {
        source.fileModified = info.lastModified();
        source.fileSha256 = Sha256Of(fileName);
    }
    return source;
}

ReportReference ReadReference(const QString& fileName) {
    ReportReference reference;
    reference.fileName = fileName;
    reference.values = ReadParameterFile(fileName);
    reference.sha256 = Sha256Of(fileName);
    return reference;
}

QString IsoTime(const QDateTime& time) {
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString SourceText(const ReportSource& source, Language language) {
    if (source.kind == ReportSource::Kind::File)
        return Words(language, QT_TRANSLATE_NOOP("Report", "檔案 %1")).arg(source.fileName);
    return Words(language, QT_TRANSLATE_NOOP("Report", "驅動器 %1 (%2)，回覆格式 %3"))
        .arg(source.port, source.device, ReplyFormatText(source.replyFormat, language));
}

ReportModel BuildReport(const ReportSource& source, const ParameterValues& values,
                        const ReportHandover& handover,
                        const std::optional<ReportReference>& reference, Language language) {
    ReportModel model;
    model.language = language;
    model.head = HeadOf(source, handover, reference, language);
    model.hasReference = reference.has_value();
    const QString& pn904Text = values[SlotOf(kPn904)];
    // Rows gathered by sheet and grid row, so a sheet's order is the grid's
    // whatever the order of the numbers.
    std::map<int, std::map<int, ReportRow>> rowsBySheet;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const quint16 number = NumberOfSlot(slot);
        std::optional<GridRow> grid = GridRowOf(number, values[slot], pn904Text, language);
        ReportRow row = grid ? grid->texts : BareRow(number, values[slot]);
        if (reference) {
            row.referenceValueText = reference->values[slot];
            row.differs = !ValuesEqual(values[slot], row.referenceValueText);
        }
        if (row.differs) {
            model.differences.push_back(
                {row.number, row.description, grid ? row.display : ExtraOf(row, language).shown,
                 DisplayOf(number, row.referenceValueText, pn904Text, language), row.unit});
        }
        model.entries.push_back(row);
        if (grid)
            rowsBySheet[grid->sheet][grid->row] = row;
        else
            model.extras.push_back(ExtraOf(row, language));
    }
    for (int sheet = 0; sheet < kShownSheets; ++sheet) {
        ReportSheet shown{sheet, QStringLiteral("Pn%1xx").arg(sheet), {}};
        for (const auto& [row, texts] : rowsBySheet[sheet])
            shown.rows.push_back(texts);
        model.sheets.push_back(shown);
    }
    Summarise(model);
    return model;
}
