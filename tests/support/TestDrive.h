#pragma once

// The drive a test works on, with the names the tests were first written
// in: the window program's names of its records, and its operations as
// calls on that drive. A UI test (TARN_TEST_UI) works on the main window's
// drive; any other test on a drive of its own, alive for the whole test.
#include "changes/ValueMarks.h"
#include "drive/Drive.h"

#ifdef TARN_TEST_UI
#include "app/MainDrive.h"
inline Drive& TestDrive() {
    return MainDrive();
}
#else
inline Drive& TestDrive() {
    static Drive drive;
    return drive;
}
inline stPM_STRING_SHEET& PmStringSheet = TestDrive().Values().PmStringSheet;
inline stPM_SYSTEM_STRING_SHEET& PmSystemStringSheet = TestDrive().Values().PmSystemStringSheet;
inline std::array<qint16, kSignedParameters.size()>& PmSignedValues =
    TestDrive().Values().PmSignedValues;
inline stPN904_BOUNDS& Pn904Bounds = TestDrive().Values().Pn904Bounds;
inline stPENDING_WRITE& PendingWrite = TestDrive().Values().PendingWrite;
#endif

inline DriveValues& TestValues() {
    return TestDrive().Values();
}
// Back to the state at start-up: every text empty, every number zero.
inline void ResetParameterRecords() {
    TestValues().Reset();
}
inline void SplitDigits(quint16 number) {
    TestValues().SplitDigits(number);
}
inline void UpdateSignedValue(quint16 number) {
    TestValues().UpdateSignedValue(number);
}
inline void SetPn904Bounds(int sheetIndex) {
    TestValues().SetPn904Bounds(sheetIndex);
}
inline QString DisplayText(DisplayForm form, quint16 number) {
    return TestValues().DisplayText(form, number);
}
inline QString ShownMinimum(const ParameterRecord& record) {
    return TestValues().ShownMinimum(record);
}
inline QString ShownMaximum(const ParameterRecord& record) {
    return TestValues().ShownMaximum(record);
}
// An edit judged as Drive::Edit judges it, with nothing stored.
inline EditOutcome CheckEdit(const ParameterRecord& record, const QString& typed) {
    DriveValues& values = TestValues();
    const TypedEntry entry = JudgeEntry(record, typed, values.Pn904Bounds.WordsOf(record),
                                        &values.PmStringSheet.Value(record.number));
    if (entry.verdict == EditVerdict::Rejected)
        return {entry.verdict, RestoreText(values, record)};
    return {entry.verdict, entry.valueText};
}
inline QString RestoreText(const ParameterRecord& record) {
    return RestoreText(TestValues(), record);
}
inline void StoreAcceptedEdit(const ParameterRecord& record, const QString& valueText) {
    StoreAcceptedEdit(TestValues(), record, valueText);
}
inline qint64 LowerBoundOf(const ParameterRecord& record) {
    return LowerBoundOf(TestValues(), record);
}
inline qint64 UpperBoundOf(const ParameterRecord& record) {
    return UpperBoundOf(TestValues(), record);
}
inline void ReadSheet(int sheetIndex) {
    TestDrive().ReadSheet(sheetIndex);
}
inline bool WritePending(quint16 number, const WriteObserver& observer = {}) {
    return TestDrive().WritePending(number, observer);
}
inline std::optional<quint16> WriteThrough(int sheetIndex, const WriteObserver& observer = {}) {
    return TestDrive().WriteThrough(sheetIndex, observer);
}
inline ChangeLog& SessionChangeLog() {
    return TestDrive().Changes();
}
inline ValueMark ValueMarkOf(const ChangeLog& log, quint16 number) {
    return ValueMarkOf(TestValues(), log, number);
}
inline QString ValueMarkHint(const ChangeLog& log, quint16 number) {
    return ValueMarkHint(TestValues(), log, number);
}
