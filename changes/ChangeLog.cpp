#include "changes/ChangeLog.h"

#include "catalogue/SheetRanges.h"
#include "values/ValueText.h"

#include <algorithm>

int ChangeLog::AddWrite(ChangeKind kind, quint16 number, const QString& before,
                        const QString& newText, QTime at) {
    if (!tracks_.contains(number))
        tracks_.insert(number, Track{before, std::nullopt});
    ChangeRow row;
    row.time = at;
    row.kind = kind;
    row.number = number;
    row.originalText = before;
    row.newText = newText;
    row.revertible = IsHexText(before);
    rows_.append(row);
    emit Changed();
    return rows_.size() - 1;
}

int ChangeLog::NewestRowOf(quint16 number) const {
    for (int i = rows_.size() - 1; i >= 0; --i)
        if (rows_[i].kind != ChangeKind::Bulk && rows_[i].number == number)
            return i;
    return -1;
}

void ChangeLog::NoteWrite(quint16 number, const QString& valueText, bool confirmed) {
    // Only the newest row can still be waiting: an older row's value was
    // replaced in the records by the newer one before it could be written.
    const int newest = NewestRowOf(number);
    if (newest >= 0 && rows_[newest].result != ChangeResult::Written &&
        rows_[newest].newText == valueText)
        rows_[newest].result = confirmed ? ChangeResult::Written : ChangeResult::Failed;
    auto track = tracks_.find(number);
    if (confirmed && track != tracks_.end())
        track->confirmed = valueText;
    emit Changed();
}

void ChangeLog::NoteStored(quint16 number, const QString& valueText) {
    const int newest = NewestRowOf(number);
    if (newest >= 0 && rows_[newest].result == ChangeResult::Pending &&
        rows_[newest].newText == valueText)
        rows_[newest].result = ChangeResult::Stored;
    auto track = tracks_.find(number);
    if (track != tracks_.end())
        track->confirmed = valueText;
    emit Changed();
}

void ChangeLog::AddBulk(const QString& note, ChangeResult result,
                        const QMap<quint16, QString>& confirmed, QTime at) {
    for (auto it = confirmed.begin(); it != confirmed.end(); ++it) {
        auto track = tracks_.find(it.key());
        if (track != tracks_.end())
            track->confirmed = it.value();
    }
    ChangeRow row;
    row.time = at;
    row.kind = ChangeKind::Bulk;
    row.result = result;
    row.note = note;
    rows_.append(row);
    emit Changed();
}

std::optional<QString> ChangeLog::OriginalOf(quint16 number) const {
    const auto track = tracks_.find(number);
    if (track == tracks_.end())
        return std::nullopt;
    return track->original;
}

QList<quint16> ChangeLog::ChangedNumbers() const {
    QList<quint16> numbers = tracks_.keys();
    std::sort(numbers.begin(), numbers.end(),
              [](quint16 a, quint16 b) { return SlotOf(a) < SlotOf(b); });
    return numbers;
}

bool ChangeLog::IsConfirmedChange(quint16 number) const {
    const auto track = tracks_.find(number);
    return track != tracks_.end() && track->confirmed &&
           !ValuesEqual(*track->confirmed, track->original);
}

QList<quint16> ChangeLog::NumbersToRevert() const {
    QList<quint16> numbers;
    for (const quint16 number : ChangedNumbers()) {
        const Track& track = tracks_[number];
        if (!IsHexText(track.original))
            continue;
        const bool settled = rows_[NewestRowOf(number)].result == ChangeResult::Written;
        if (settled && track.confirmed && ValuesEqual(*track.confirmed, track.original))
            continue;
        numbers << number;
    }
    return numbers;
}

void ChangeLog::Clear() {
    rows_.clear();
    tracks_.clear();
    emit Changed();
}
