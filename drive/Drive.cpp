#include "drive/Drive.h"

#include "catalogue/SheetRanges.h"
#include "core/TarnError.h"
#include "link/DriveLink.h"

#include <stdexcept>

namespace {

bool RefreshesSignedValues(int sheetIndex) {
    return sheetIndex == 2 || sheetIndex == 3 || sheetIndex == 4 || sheetIndex == 5 ||
           sheetIndex == 9;
}

} // namespace

Drive::Drive(std::unique_ptr<DriveLink> link) : link_(std::move(link)) {}

Drive::~Drive() = default;

DriveLink& Drive::Link() const {
    if (!link_)
        throw std::logic_error("this drive has no link");
    return *link_;
}

void Drive::SetLink(std::unique_ptr<DriveLink> link) {
    link_ = std::move(link);
}

void Drive::SetValuesOffline(const ParameterValues& values) {
    if (link_)
        throw std::logic_error("a drive with a link takes its values from the drive");
    values_.Reset();
    changes_.Clear();
    values_.PmStringSheet.Slots = values;
    for (const ParameterRecord& record : Records()) {
        values_.SplitDigits(record.number);
        try {
            values_.UpdateSignedValue(record.number);
        } catch (const EConvertError&) {
            // Stays zero; the cell shows the text as a read's fill would.
        }
    }
    for (const int sheet : {3, 4, 7}) {
        try {
            values_.SetPn904Bounds(sheet);
        } catch (const EConvertError&) {
            // No Pn904 in the file: the bounds stay as after start-up.
        }
    }
}

quint8 Drive::Greet() {
    const quint8 format = Link().Greet();
    Link().SetReplyFormat(format);
    return format;
}

void Drive::ReadSheet(int sheetIndex) {
    const SheetRange* range = RangeOfSheet(sheetIndex);
    if (range == nullptr)
        return;
    DriveLink& link = Link();
    if (SheetFollowsPn904(sheetIndex)) {
        values_.PmStringSheet.Value(kPn904) = link.Read(kPn904);
        values_.SetPn904Bounds(sheetIndex);
    }
    const bool signedValues = RefreshesSignedValues(sheetIndex);
    for (int i = 0; i < range->count; ++i) {
        const quint16 number = static_cast<quint16>(range->first + i);
        values_.PmStringSheet.Value(number) = link.Read(number);
        values_.SplitDigits(number);
        if (signedValues)
            values_.UpdateSignedValue(number);
    }
}

bool Drive::WritePending(quint16 number, const WriteObserver& observer) {
    quint8& flag = values_.PendingWrite.Flag(number);
    if (flag == 0)
        return false;
    const QString valueText = values_.PmStringSheet.Value(number);
    if (!link_) {
        flag = 0;
        changes_.NoteStored(number, valueText);
        return false;
    }
    const bool failed = WriteFailed(Link().Write(number, valueText));
    if (!failed)
        flag = 0;
    changes_.NoteWrite(number, valueText, !failed);
    if (observer)
        observer(number, valueText, failed);
    return failed;
}

std::optional<quint16> Drive::WriteThrough(int sheetIndex, const WriteObserver& observer) {
    const SheetRange* range = RangeOfSheet(sheetIndex);
    if (range == nullptr)
        return std::nullopt;
    for (int i = 0; i < range->count; ++i) {
        const quint16 number = static_cast<quint16>(range->first + i);
        if (WritePending(number, observer))
            return number;
    }
    return std::nullopt;
}

ParameterValues Drive::ReadAll(const ProgressCallback& progress, const ValueCallback& eachValue) {
    return ReadAllParameters(Link(), progress, [this, &eachValue](quint16 number, const QString& value) {
        values_.PmStringSheet.Value(number) = value;
        if (eachValue)
            eachValue(number, value);
    });
}

std::vector<RuleBreak> Drive::OutsideRule(const std::vector<ValueToWrite>& writes) {
    QString& pn904 = values_.PmStringSheet.Value(kPn904);
    if (NeedsDrivePn904(writes) && HasLink())
        pn904 = Link().Read(kPn904);
    return RuleBreaksOf(writes, pn904);
}

LoadResult Drive::Load(const ParameterValues& values, const ProgressCallback& progress,
                       const WriteRunOptions& options) {
    if (!options.force) {
        LoadResult refused;
        for (const RuleBreak& value : OutsideRule(LoadWrites(values, options.only)))
            refused.refused << value.number;
        if (!refused.refused.isEmpty()) {
            refused.complete = false;
            return refused;
        }
    }
    values_.PmStringSheet.Slots = values;
    return WriteAllParameters(Link(), values, progress, options);
}

VerifyResult Drive::WriteAndVerify(const std::vector<ValueToWrite>& requests,
                                   const ProgressCallback& progress, const StopRequest& stop) {
    VerifyResult result = ::WriteAndVerify(Link(), requests, progress, stop);
    for (const VerifiedWrite& write : result.writes)
        if (write.readDone)
            values_.PmStringSheet.Value(write.number) = write.readBack;
    return result;
}

EditOutcome Drive::Edit(const ParameterRecord& record, const QString& typed) {
    const TypedEntry entry = JudgeEntry(record, typed, values_.Pn904Bounds.WordsOf(record),
                                        &values_.PmStringSheet.Value(record.number));
    EditOutcome outcome{entry.verdict, entry.valueText};
    if (outcome.verdict == EditVerdict::Rejected)
        outcome.text = RestoreText(values_, record);
    if (outcome.verdict == EditVerdict::Accepted) {
        const QString before = values_.PmStringSheet.Value(record.number);
        StoreAcceptedEdit(values_, record, outcome.text);
        changes_.AddWrite(ChangeKind::Edit, record.number, before, outcome.text);
    }
    return outcome;
}

bool Drive::RevertOne(quint16 number, const QString& original, RevertOutcome& outcome) {
    const std::vector<RuleBreak> outside = OutsideRule({{number, original}});
    if (!outside.empty()) {
        outcome.refused = number;
        outcome.refusedLine = RuleBreakLine(outside.front());
        return true;
    }
    const QString before = values_.PmStringSheet.Value(number);
    StoreAcceptedEdit(values_, *RecordOf(number), original);
    outcome.stored << number;
    changes_.AddWrite(ChangeKind::Revert, number, before, original);
    const bool failed = WritePending(number);
    if (failed)
        outcome.failed = number;
    return failed;
}

RevertOutcome Drive::RevertRows(const QList<int>& rowIndices) {
    RevertOutcome outcome;
    for (const ChangeRow& row : RowsToRevert(changes_, rowIndices))
        if (RevertOne(row.number, row.originalText, outcome))
            break;
    return outcome;
}

RevertOutcome Drive::RevertAll() {
    RevertOutcome outcome;
    for (const quint16 number : changes_.NumbersToRevert())
        if (RevertOne(number, *changes_.OriginalOf(number), outcome))
            break;
    return outcome;
}

void Drive::Reset() {
    values_.Reset();
    changes_.Clear();
}
