#pragma once

#include "files/ParameterFile.h"

#include <QByteArray>
#include <QList>

// Parameter files for the tests, built from the file order, plus the damaged
// variants that loading must refuse.
namespace samples {

// A distinct, valid four-digit value per slot, so that any shift or swap
// shows up: slot 0 -> "A000", slot 308 -> "A134".
inline QString DistinctValue(int slot) {
    return QStringLiteral("A%1").arg(slot, 3, 16, QLatin1Char('0')).toUpper();
}

inline ParameterValues DistinctValues() {
    ParameterValues values;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        values[slot] = DistinctValue(slot);
    }
    return values;
}

inline QList<QByteArray> Lines(const ParameterValues& values) {
    QList<QByteArray> lines;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        lines << FileKey(NumberOfSlot(slot)).toLatin1() + values[slot].toLatin1();
    }
    return lines;
}

inline QByteArray Join(const QList<QByteArray>& lines, const QByteArray& end = "\r\n") {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line + end;
    }
    return bytes;
}

// The CR LF lines of `lines` with line `index` (from 0) put in place by `line`.
inline QByteArray Replaced(QList<QByteArray> lines, int index, const QByteArray& line) {
    lines[index] = line;
    return Join(lines);
}

// A damaged file, the line that must be named and a text the refusal must hold.
struct Damaged {
    const char* name;
    QByteArray bytes;
    int line;
    QString fragment;
};

inline QList<Damaged> DamagedFiles() {
    const QList<QByteArray> good = Lines(DistinctValues());
    QList<Damaged> cases;
    cases << Damaged{"empty file", QByteArray(), 1, "P000"};
    cases << Damaged{"too few tokens", Join(good.mid(0, 200)), 201,
                     FileKey(NumberOfSlot(200)) + QStringLiteral(" 加上")};
    cases << Damaged{"shifted by an extra line", "XYZ\r\n" + Join(good), 1, "讀到 XYZ"};
    QList<QByteArray> swapped = good;
    swapped.swapItemsAt(4, 5);
    cases << Damaged{"reordered lines", Join(swapped), 5, "應為 P100"};
    cases << Damaged{"value not hexadecimal", Replaced(good, 9, "P105GHIJ"), 10, "讀到 P105GHIJ"};
    cases << Damaged{"token too long", Replaced(good, 4, "P1000064FFFF"), 5, "讀到 P1000064FFFF"};
    cases << Damaged{"three-digit value on the last line", Replaced(good, 308, "P987064"), 309,
                     "P987064"};
    cases << Damaged{"none in lower case", Replaced(good, 0, "P000none"), 1, "P000none"};
    cases << Damaged{"key in lower case", Replaced(good, 30, "p" + good[30].mid(1)), 31,
                     "應為 " + FileKey(NumberOfSlot(30))};
    // Blank lines still count: the bad token sits on line 7 of the file.
    QList<QByteArray> gappy = good;
    gappy[4] = "P100 0064";
    cases << Damaged{"value apart from its key after blank lines",
                     Join(good.mid(0, 4)) + "\r\n\n" + Join(gappy.mid(4)), 7, "讀到 0064"};
    return cases;
}

} // namespace samples
