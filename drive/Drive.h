#pragma once

#include "changes/ChangeLog.h"
#include "changes/Revert.h"
#include "drive/WriteAndVerify.h"
#include "drive/WriteRule.h"
#include "editing/EditRules.h"
#include "drive/DriveTransfer.h"
#include "values/DriveValues.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DriveLink;

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

    // Sends the greeting and keeps the reply format it shows; returns it.
    quint8 Greet();

    // Brings sheet `sheetIndex` (0..9) up to date from the drive: for sheets
    // 3, 4 and 7 first Pn904 and the Pn904Bounds limits of that sheet, then
    // every number of the sheet's range in ascending order, each stored
    // whatever the answer (value text, "None" or empty) and followed by
    // SplitDigits and, for sheets 2, 3, 4, 5 and 9, UpdateSignedValue.
    // Sheet 8 and indices above 9 do nothing. Fails with EConvertError where
    // a limit or a signed value meets a text that is not hexadecimal; the
    // read ends there (earlier numbers keep their new texts, later ones
    // their old ones).
    void ReadSheet(int sheetIndex);

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
    // fails. Progress after each sheet (ProgressAfterSheet).
    ParameterValues ReadAll(const ProgressCallback& progress, const ValueCallback& eachValue = {});

    // The values of `writes` outside their edit rule (RuleBreaksOf),
    // judged by the Pn904 the drive holds once they are written: the one
    // they write, else the drive's, read from the link when one is needed
    // and there is a link (stored as its value text), else the stored one.
    std::vector<RuleBreak> OutsideRule(const std::vector<ValueToWrite>& writes);

    // Loads `values` (a file's, checked whole): stores them as the drive's
    // value texts, then writes them in file order (WriteAllParameters).
    // Unless options.force, a load with values outside their rule (those
    // of LoadWrites(values, options.only)) stores and writes nothing and
    // lists their numbers in `refused`.
    LoadResult Load(const ParameterValues& values, const ProgressCallback& progress,
                    const WriteRunOptions& options = {});

    // Writes chosen values and reads each back (WriteAndVerify); each value
    // read back is stored as the drive's value text.
    VerifyResult WriteAndVerify(const std::vector<ValueToWrite>& requests,
                                const ProgressCallback& progress, const StopRequest& stop = {});

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
