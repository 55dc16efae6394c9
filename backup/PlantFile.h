#pragma once

#include "link/LinkSettings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

// The plant file: which drives make up a plant, for a backup into a git
// repository. JSON:
//   {"plant": "廠A", "machines": [
//     {"name": "M01", "axes": [{"name": "X", "port": "tcp://10.0.0.5:4001"},
//                              {"name": "Y", "port": "COM3", "timing": "reply", "timeout": 100,
//                               "ignore": [618]}]}], "ignore": [700]}
// "ignore" (at plant, machine or axis level) lists parameters whose value
// changes by itself: drift and the hooks leave them out, a backup still
// stores them.
// Machine and axis names become folder and file names in the repository
// (M01/X.tarn), so they are held to IsSafePlantName. The file comes from
// anyone with a text editor: every refusal names the file, the line and
// the key, and nothing it names can leave the repository's folder.

struct PlantAxis {
    QString machine;
    QString name;
    QString port;                               // as written; checked as a port by its user
    std::optional<LinkSettings::Timing> timing; // absent: the run's default
    std::optional<quint32> timeoutMs;           // absent: the run's default
    int line = 0;                               // of its port, for messages about it
    QList<quint16> ignore; // the union of its plant's, machine's and own "ignore", ascending

    // True when `number` is one its drift and hooks leave out.
    bool Ignores(quint16 number) const { return ignore.contains(number); }

    // "M01/X": how messages, --axis and the commit message name it.
    QString Path() const { return machine + QLatin1Char('/') + name; }
    // "M01/X.tarn": its file in the repository.
    QString FilePath() const { return Path() + QStringLiteral(".tarn"); }
    // The link settings of its drive: its own timing and timeout where it
    // names them, `defaults` (a run's) where not.
    LinkSettings Link(const LinkSettings& defaults) const;
};

struct Plant {
    QString name;
    std::vector<PlantAxis> axes; // machine by machine, in file order
};

// Longest machine or axis name, in characters.
constexpr int kMaxPlantNameLength = 64;

// True when `name` may be a folder or file name everywhere a repository is
// checked out: 1 to kMaxPlantNameLength letters (any script, CJK included),
// decimal digits, '-' and '_', and not a name Windows reserves for a
// device (CON, NUL, COM1, ...).
bool IsSafePlantName(const QString& name);

// Reads a plant from `bytes`; `fileName` names it in messages. Throws
// EFileError "<file> 第 <line> 行 <key>：<what is wrong>" for text that is
// not JSON, a missing or mistyped key, an unknown key, an unsafe or
// duplicated name (axis names compared without letter case, as Windows and
// macOS folders do), an empty machine list or axis list, a timing other than
// "fixed" or "reply", a timeout outside 10–5000 ms, and an "ignore" that is
// not a list of parameter numbers the drive has.
Plant ReadPlantText(const QByteArray& bytes, const QString& fileName);

// The same from a file; EFileError also when it cannot be read.
Plant ReadPlantFile(const QString& fileName);

// The axis "M01/X" names; nullptr when the plant has none.
const PlantAxis* FindAxis(const Plant& plant, const QString& path);

// The refusal of an axis that `where` ("廠區檔 plant.json", "儲存庫 DIR") does
// not hold.
QString NoSuchAxisMessage(const QString& where, const QString& axis);
