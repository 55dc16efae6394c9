#include "drive/Drive.h"

#include "catalogue/SheetRanges.h"
#include "changes/BulkWrites.h"
#include "compare/Comparison.h"
#include "core/TarnError.h"
#include "link/AddressedDevice.h"
#include "link/DriveLink.h"
#include "values/ValueForms.h"
#include "values/ValueText.h"

#include <QCoreApplication>
#include <algorithm>

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

void Drive::SetDevice(std::unique_ptr<ISerialDevice> device, const LinkSettings& settings) {
    link_ = std::make_unique<DriveLink>(std::move(device), settings);
}

TMSComm& Drive::Comm() const {
    return Link().Comm();
}

void Drive::SetWaitHooks(WaitHooks hooks) {
    Link().SetWaitHooks(std::move(hooks));
}

void Drive::SetExchangeObserver(ExchangeObserver observer) {
    Link().SetExchangeObserver(std::move(observer));
}

quint8 Drive::Open(const DrivePort& port, const LinkSettings& settings) {
    if (!link_)
        SetDevice(std::make_unique<AddressedDevice>(), settings);
    link_->SetTiming(settings.timing, settings.readWaitMs);
    TMSComm& comm = link_->Comm();
    if (port.com != 0) {
        comm.SetDevicePath({});
        comm.SetCommPort(port.com);
    } else {
        comm.SetDevicePath(port.device);
    }
    comm.SetPortOpen(true);
    comm.SetInputMode(0);
    comm.SetInputLen(0);
    return Greet();
}

quint8 Drive::ReplyFormat() const {
    return link_ ? link_->ReplyFormat() : 0;
}

QString Drive::PortLabel() const {
    return link_ ? link_->Comm().PortLabel() : QString();
}

QString Drive::DeviceName() const {
    return link_ ? link_->Comm().DeviceName() : QString();
}

void Drive::Delay(quint32 ms) {
    Link().Delay(ms);
}

Drive::ReadResult Drive::Read(const std::vector<quint16>& numbers, const StopRequest& stop) {
    ReadResult result;
    const auto readOne = [this](quint16 number) -> const QString& {
        QString& held = values_.PmStringSheet.Value(number);
        if (link_)
            held = link_->Read(number);
        return held;
    };
    const bool followsPn904 = std::any_of(numbers.begin(), numbers.end(), [](quint16 number) {
        const ParameterRecord* record = RecordOf(number);
        return record != nullptr && record->FollowsPn904();
    });
    if (followsPn904)
        result.pn904 = readOne(kPn904);
    for (const quint16 number : numbers) {
        if (stop && stop()) {
            result.stopped = true;
            break;
        }
        result.values.push_back(number == kPn904 && followsPn904 ? result.pn904 : readOne(number));
    }
    return result;
}

Drive::WriteResult Drive::Write(const WriteRequest& request) {
    WriteResult result;
    result.valueText = request.raw;
    if (request.raw.isEmpty()) {
        const ParameterRecord& record = *RecordOf(request.number);
        if (!record.HasRule()) {
            result.end = WriteEnd::NoRule;
            return result;
        }
        if (record.FollowsPn904()) {
            result.pn904 = Read({kPn904}).values.front();
            if (!HoldsDriveValue(result.pn904)) {
                result.end = WriteEnd::NoPn904;
                return result;
            }
        }
        const TypedEntry entry =
            JudgeEntry(record, request.typed, Pn904WordsFromText(record, result.pn904));
        result.valueText = entry.valueText;
        if (entry.verdict != EditVerdict::Accepted) {
            result.end = WriteEnd::Refused;
            return result;
        }
    }
    QString& held = values_.PmStringSheet.Value(request.number);
    if (!link_) {
        held = result.valueText;
        return result;
    }
    if (link_->Write(request.number, result.valueText) != WriteOutcome::Written) {
        result.end = WriteEnd::WriteFailed;
        return result;
    }
    held = result.valueText;
    // An echo only says the request arrived; the read-back says what the
    // drive keeps.
    if (request.verify) {
        result.readBack = link_->Read(request.number);
        held = result.readBack;
        if (!ValuesEqual(result.valueText, result.readBack))
            result.end = WriteEnd::ReadBackDiffers;
    }
    return result;
}

quint8 Drive::Greet() {
    if (!link_)
        return ReplyFormat();
    const quint8 format = link_->Greet();
    link_->SetReplyFormat(format);
    return format;
}

void Drive::SetReplyFormat(quint8 format) {
    if (link_)
        link_->SetReplyFormat(format);
}

void Drive::ReadSheet(int sheetIndex, const std::function<void()>& beforeExchanges) {
    if (!link_)
        return;
    if (beforeExchanges)
        beforeExchanges();
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

ParameterValues Drive::ReadAll(const ProgressCallback& progress, const ValueCallback& eachValue,
                               const std::function<void()>& beforeExchanges) {
    if (!link_) {
        for (const SheetRange& range : kSheetRanges) {
            for (int i = 0; eachValue && i < range.count; ++i)
                eachValue(quint16(range.first + i),
                          values_.PmStringSheet.Slots[range.firstSlot + i]);
            if (progress)
                progress(ProgressAfterSheet(range.sheetIndex));
        }
        return values_.PmStringSheet.Slots;
    }
    if (beforeExchanges)
        beforeExchanges();
    return ReadAllParameters(Link(), progress,
                             [this, &eachValue](quint16 number, const QString& value) {
                                 values_.PmStringSheet.Value(number) = value;
                                 if (eachValue)
                                     eachValue(number, value);
                             });
}

Drive::ReadBackResult Drive::CheckHeld(const QList<quint16>& numbers,
                                       const std::function<QString(quint16)>& expected,
                                       const std::function<void(quint16)>& before,
                                       const StopRequest& stop) {
    ReadBackResult result;
    for (const quint16 number : numbers) {
        if (before)
            before(number);
        if (stop && (result.stopped = stop()))
            break;
        const QString wanted = expected(number);
        const QString read = Read({number}).values.front();
        if (!ValuesEqual(wanted, read))
            result.notHeld.push_back({number, wanted, read});
    }
    return result;
}

std::vector<RuleBreak> Drive::OutsideRule(const std::vector<ValueToWrite>& writes) {
    QString& pn904 = values_.PmStringSheet.Value(kPn904);
    if (NeedsDrivePn904(writes) && HasLink())
        pn904 = Link().Read(kPn904);
    return RuleBreaksOf(writes, pn904);
}

LoadResult Drive::Load(const ParameterValues& values, const ProgressCallback& progress,
                       const WriteRunOptions& options, const QString& fileName) {
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
    const LoadResult result = WriteAllParameters(Link(), values, progress, options);
    NoteLoad(changes_, fileName, values, result);
    return result;
}

Drive::LoadRun Drive::LoadPlanned(const LoadPlan& plan, const LoadHooks& hooks) {
    LoadRun run;
    WriteRunOptions options;
    options.stopRequested = hooks.stop;
    options.force = plan.force;
    if (plan.changedOnly) {
        const ParameterValues held = ReadAll(hooks.reading, hooks.eachRead);
        QSet<quint16> changed;
        for (const CompareRow& row : CompareValues(held, plan.values))
            if (row.writable)
                changed.insert(row.number);
        options.only = changed;
    }
    run.outside = OutsideRule(LoadWrites(plan.values, options.only));
    if (!run.outside.empty() && !plan.force) {
        run.result.complete = false;
        return run;
    }
    run.outside.clear();
    run.result = Load(plan.values, hooks.writing, options, plan.fileName);
    if (run.result.complete && plan.verify)
        run.readBack = CheckHeld(
            run.result.written, [&](quint16 number) { return plan.values[size_t(SlotOf(number))]; },
            hooks.checking, hooks.stop);
    return run;
}

VerifyResult Drive::WriteAndVerify(const std::vector<ValueToWrite>& requests,
                                   const ProgressCallback& progress, const StopRequest& stop,
                                   const QString& fileName) {
    VerifyResult result = ::WriteAndVerify(Link(), requests, progress, stop);
    for (const VerifiedWrite& write : result.writes)
        if (write.readDone)
            values_.PmStringSheet.Value(write.number) = write.readBack;
    if (!fileName.isEmpty()) {
        ParameterValues written;
        for (const ValueToWrite& request : requests)
            written[size_t(SlotOf(request.number))] = request.valueText;
        NoteBulkWrite(changes_, QCoreApplication::translate("BulkWrites", "寫入"), fileName,
                      written, AsLoadResult(result));
    }
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
