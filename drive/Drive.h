#pragma once

#include "changes/ChangeLog.h"
#include "changes/Revert.h"
#include "drive/DriveTransfer.h"
#include "drive/WriteAndVerify.h"
#include "drive/WriteRule.h"
#include "editing/EditRules.h"
#include "link/DrivePort.h"
#include "link/ExchangeTrace.h"
#include "link/WaitHooks.h"
#include "values/DriveValues.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DriveLink;
class ISerialDevice;
class TMSComm;

// Told of every write the write-through makes: the number, the value text
// sent, and whether the write failed.
using WriteObserver = std::function<void(quint16 number, const QString& valueText, bool failed)>;

// One drive as a program holds it: its link (when it has one), the values
// read from it with the records derived from them and the edit's pending
// flags, and the change list of this run. Every operation that reads or
// writes a drive is one of its own, so two drives held at once share
// nothing. The window program holds one, the main window's; tarnctl one per
// drive, each on the thread that made its link.
class Drive {
public:
    explicit Drive(std::unique_ptr<DriveLink> link = nullptr);
    ~Drive();
    Drive(const Drive&) = delete;
    Drive& operator=(const Drive&) = delete;

    bool HasLink() const { return link_ != nullptr; }
    // The link; using it when there is none is a bug (std::logic_error).
    DriveLink& Link() const;
    // Gives the drive a link, or takes it away (nullptr).
    void SetLink(std::unique_ptr<DriveLink> link);
    // Gives the drive a link over `device`, its port not yet open.
    void SetDevice(std::unique_ptr<ISerialDevice> device, const LinkSettings& settings = {});
    // The link's port control, its wait hooks and its exchange observer
    // (see DriveLink); the drive must have a link.
    TMSComm& Comm() const;
    void SetWaitHooks(WaitHooks hooks);
    void SetExchangeObserver(ExchangeObserver observer);

    DriveValues& Values() { return values_; }
    const DriveValues& Values() const { return values_; }
    ChangeLog& Changes() { return changes_; }
    const ChangeLog& Changes() const { return changes_; }

    // A drive without a link holds the values of a file being edited: they
    // are stored as a sheet read stores them (value texts, the digit
    // characters and signed values, the Pn904 bounds of sheets 3, 4 and 7
    // from the values' own Pn904), over a new change list. A text that is
    // no number leaves its signed value or bounds at zero instead of ending
    // the run, so a damaged file opens and can be mended. Edits and reverts
    // then store and mark without sending (WritePending). A drive with a
    // link refuses (std::logic_error): its values come from the drive.
    void SetValuesOffline(const ParameterValues& values);

    // --- Exchanges -------------------------------------------------------

    // Opens `port` and greets the drive: the link (made here over an
    // AddressedDevice when the drive has none) takes the timing of
    // `settings`, opens the port's COM number or its device path or network
    // address, and keeps the reply format the greeting shows; returns it.
    // A port that cannot be opened throws ECommError; a drive that does not
    // answer leaves the format undetermined.
    quint8 Open(const DrivePort& port, const LinkSettings& settings);

    // Sends the greeting and keeps the reply format it shows; returns it.
    // Without a link nothing is sent: the format kept (0) is returned.
    quint8 Greet();
    // The reply format kept; 0 without a link, which keeps none.
    quint8 ReplyFormat() const;
    void SetReplyFormat(quint8 format);
    // How the open port is named ("COM3", "/dev/ttyUSB0", "tcp://…") and
    // the device behind it; empty without a link.
    QString PortLabel() const;
    QString DeviceName() const;
    // Waits as the link waits between exchanges (DriveLink::Delay).
    void Delay(quint32 ms);

    // Reads `numbers` in the order given, as a sheet read orders them: first
    // Pn904 when the range of any of them follows it, once. Each value text
    // is stored and given back in the order of `numbers`; `stop`, asked
    // before each read after Pn904's, ends the run there (the rest are
    // left out). Without a link nothing is sent: the held texts are given.
    struct ReadResult {
        std::vector<QString> values;
        QString pn904; // the Pn904 the ranges went by; empty when none did
        bool stopped = false;
    };
    ReadResult Read(const std::vector<quint16>& numbers, const StopRequest& stop = {});

    // One value written as a technician asks for it: typed as in the grid
    // (checked with the edit rule, with the drive's Pn904 for a range that
    // follows it) or a raw value text (unchecked), then, with `verify`,
    // read back.
    struct WriteRequest {
        quint16 number = 0;
        QString typed;
        QString raw; // four hexadecimal digits; when given, `typed` is not used
        bool verify = true;
    };
    enum class WriteEnd {
        Written,         // confirmed by its echo (and its read-back, with verify)
        NoRule,          // typed, for a parameter without an edit rule
        NoPn904,         // the range follows Pn904 and Pn904 gave no value
        Refused,         // outside the edit rule
        WriteFailed,     // the echo did not confirm it
        ReadBackDiffers, // confirmed, but the drive holds `readBack`
    };
    struct WriteResult {
        WriteEnd end = WriteEnd::Written;
        QString valueText; // what was (or would have been) written
        QString pn904;     // the Pn904 the rule was judged with
        QString readBack;
    };
    // Text that is no number throws EConvertError, as the grid's conversion
    // does. Without a link a value within its rule is stored, not sent.
    WriteResult Write(const WriteRequest& request);

    // Brings sheet `sheetIndex` (0..9) up to date from the drive: for sheets
    // 3, 4 and 7 first Pn904 and the Pn904Bounds limits of that sheet, then
    // every number of the sheet's range in ascending order, each stored
    // whatever the answer (value text, "None" or empty) and followed by
    // SplitDigits and, for sheets 2, 3, 4, 5 and 9, UpdateSignedValue.
    // Sheet 8 and indices above 9 do nothing. Fails with EConvertError where
    // a limit or a signed value meets a text that is not hexadecimal; the
    // read ends there (earlier numbers keep their new texts, later ones
    // their old ones).
    // `beforeExchanges` runs first when there is a link (the window shows
    // its reading window from then on). Without a link the drive answers
    // from the values it holds: nothing is sent and nothing changes.
    void ReadSheet(int sheetIndex, const std::function<void()>& beforeExchanges = {});

    // Writes parameter `number` when its PendingWrite flag is raised, with
    // its value text exactly as stored, and lowers the flag when the drive
    // confirmed it. The change list's row of the edit is settled either way.
    // Returns true when the write failed (the flag stays raised); false when
    // it went through or nothing was pending. Without a link nothing is
    // sent: the flag is lowered and the row reads 已修改 (NoteStored).
    bool WritePending(quint16 number, const WriteObserver& observer = {});

    // Writes every pending parameter of sheet `sheetIndex`, in increasing
    // number order, as WritePending does. Stops at the first write that
    // fails and returns that number; its flag and those of later numbers
    // stay raised. Returns nothing when every write succeeded (or none was
    // pending); sheet 8 and indices above 9 write nothing.
    std::optional<quint16> WriteThrough(int sheetIndex, const WriteObserver& observer = {});

    // Reads all 309 parameters in file order, as a save does, storing each
    // value text as it comes: what was read stays stored when a later read
    // fails. Progress after each sheet (ProgressAfterSheet). Without a link
    // the held texts answer, each told and the progress given as a read
    // would, with no exchange; with one `beforeExchanges` runs first.
    ParameterValues ReadAll(const ProgressCallback& progress, const ValueCallback& eachValue = {},
                            const std::function<void()>& beforeExchanges = {});

    // Reads back each of `numbers` and gives those whose value is not the
    // text `expected` gives for them, in order, with what was read; `stop`,
    // asked before each read, ends the run there.
    struct ReadBack {
        quint16 number = 0;
        QString expected;
        QString read;
    };
    struct ReadBackResult {
        std::vector<ReadBack> notHeld;
        bool stopped = false;
    };
    ReadBackResult CheckHeld(const QList<quint16>& numbers,
                             const std::function<QString(quint16)>& expected,
                             const std::function<void(quint16)>& before = {},
                             const StopRequest& stop = {});

    // The values of `writes` outside their edit rule (RuleBreaksOf),
    // judged by the Pn904 the drive holds once they are written: the one
    // they write, else the drive's, read from the link when one is needed
    // and there is a link (stored as its value text), else the stored one.
    std::vector<RuleBreak> OutsideRule(const std::vector<ValueToWrite>& writes);

    // Loads `values` (a file's, checked whole): stores them as the drive's
    // value texts, then writes them in file order (WriteAllParameters), and
    // enters the load in the change list (NoteLoad, naming `fileName`).
    // Unless options.force, a load with values outside their rule (those
    // of LoadWrites(values, options.only)) stores, writes and enters
    // nothing and lists their numbers in `refused`.
    LoadResult Load(const ParameterValues& values, const ProgressCallback& progress,
                    const WriteRunOptions& options = {}, const QString& fileName = {});

    // A load as a technician plans it at the command line: with
    // `changedOnly` the drive is read whole first and only the values that
    // differ and that a load sends (as the comparison lists them) are
    // written; values outside their rule (judged as OutsideRule judges them)
    // refuse the whole run, nothing written, unless `force`; then Load; with
    // `verify` every value written is read back (CheckHeld).
    struct LoadPlan {
        ParameterValues values; // a file's, checked whole
        bool changedOnly = false;
        bool verify = false;
        bool force = false;
        QString fileName; // for the change list
    };
    struct LoadHooks {
        ProgressCallback reading; // the whole read of changedOnly
        ValueCallback eachRead;   // after each of its reads; may throw to end the run
        ProgressCallback writing;
        std::function<void(quint16)> checking; // before each read-back
        StopRequest stop;                      // between writes and between read-backs
    };
    struct LoadRun {
        std::vector<RuleBreak> outside; // not empty: refused, nothing written
        LoadResult result;
        ReadBackResult readBack;
    };
    LoadRun LoadPlanned(const LoadPlan& plan, const LoadHooks& hooks);

    // Writes chosen values and reads each back (WriteAndVerify); each value
    // read back is stored as the drive's value text. With `fileName` the run
    // is entered in the change list as the comparison window's write of that
    // file (NoteBulkWrite, "寫入").
    VerifyResult WriteAndVerify(const std::vector<ValueToWrite>& requests,
                                const ProgressCallback& progress, const StopRequest& stop = {},
                                const QString& fileName = {});

    // --- Edits and reverts ----------------------------------------------

    // Checks `typed` against the rule of `record` and the stored records;
    // an accepted value is stored, marked waiting and added to the change
    // list, and waits for the write-through (JudgeEntry against the stored
    // records); a rejection answers the cell's restore text (RestoreText).
    EditOutcome Edit(const ParameterRecord& record, const QString& typed);

    // Puts parameters back the way an edit puts a value in (see Revert.h):
    // the rows of the change list given, newest first, or every changed
    // parameter, in file order. An original outside its edit rule is not
    // put back: the run stops there (RevertOutcome::refused).
    RevertOutcome RevertRows(const QList<int>& rowIndices);
    RevertOutcome RevertAll();

    // Forgets the values, the flags and the change list (a new run).
    void Reset();

private:
    bool RevertOne(quint16 number, const QString& original, RevertOutcome& outcome);

    std::unique_ptr<DriveLink> link_;
    DriveValues values_;
    ChangeLog changes_;
};
