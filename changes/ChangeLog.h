#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTime>
#include <optional>

// The change list of this run: one row per write that an edit or a revert
// makes, and one per bulk write (a load, the comparison window's write),
// newest last. It also keeps, per parameter changed by an edit or a revert,
// the value text it had before its first change and the last value text the
// drive confirmed, which is what the grid's marks and 全部還原 go by.
//
// Plain bookkeeping: it sends nothing to the drive and touches no other
// record. The edit path, the reverts and the bulk writes tell it what
// happened; Changed() tells whoever shows it.

enum class ChangeResult {
    Pending, // 等待寫入: accepted, the write not made or not yet answered
    Written, // 已寫入: the drive confirmed it
    Failed,  // 寫入失敗: the last try was not confirmed
    Stored,  // 已修改: kept in the values of a file being edited, sent nowhere
};

enum class ChangeKind { Edit, Revert, Bulk };

struct ChangeRow {
    QTime time;
    ChangeKind kind = ChangeKind::Edit;
    quint16 number = 0;   // Edit, Revert: the parameter
    QString originalText; // value text before this write
    QString newText;      // value text this write sends
    ChangeResult result = ChangeResult::Pending;
    bool revertible = false; // its original can be written back
    QString note;            // Bulk: what was written, e.g. "載入 abc.tarn：307 個參數"
};

class ChangeLog : public QObject {
    Q_OBJECT
public:
    // An edit or a revert stored `newText` over `before` for `number` and
    // is about to write it: a row 等待寫入. The first change of a parameter
    // keeps `before` as its original. Returns the row's index.
    int AddWrite(ChangeKind kind, quint16 number, const QString& before, const QString& newText,
                 QTime at = QTime::currentTime());

    // A write of `valueText` to `number` ended, confirmed or not. The newest
    // row of `number` still waiting for its write takes the result when it
    // meant that same text (a sheet read may have put another text in its
    // place since). A confirmed write is the parameter's value from now on.
    void NoteWrite(quint16 number, const QString& valueText, bool confirmed);

    // A drive without a link (a file edited offline) stored `valueText` for
    // `number` in place of the write: the newest row waiting for that text
    // reads 已修改, and the text is the parameter's value from now on, as a
    // confirmed write's is.
    void NoteStored(quint16 number, const QString& valueText);

    // A load or another bulk write: one row that cannot be reverted. The
    // texts in `confirmed` are what the drive now holds for those numbers;
    // they move the marks of the parameters this list tracks, nothing else.
    void AddBulk(const QString& note, ChangeResult result,
                 const QMap<quint16, QString>& confirmed = {}, QTime at = QTime::currentTime());

    const QList<ChangeRow>& Rows() const { return rows_; }

    // The value text `number` had before its first change in this run;
    // nothing when neither an edit nor a revert changed it.
    std::optional<QString> OriginalOf(quint16 number) const;
    // The parameters changed by an edit or a revert, in file order.
    QList<quint16> ChangedNumbers() const;
    // True when the drive confirmed a value of `number` in this run, by an
    // edit or a revert, that differs from its original (the green mark).
    bool IsConfirmedChange(quint16 number) const;
    // The parameters 全部還原 writes, in file order: every changed one whose
    // original can be written, except those the drive confirmed back at
    // their original with nothing newer waiting.
    QList<quint16> NumbersToRevert() const;

    // Forgets everything (a new main window starts a new run).
    void Clear();

signals:
    void Changed();

private:
    struct Track {
        QString original;
        std::optional<QString> confirmed;
    };
    // Index of the newest row of `number` written by an edit or revert, or -1.
    int NewestRowOf(quint16 number) const;

    QList<ChangeRow> rows_;
    QMap<quint16, Track> tracks_;
};
