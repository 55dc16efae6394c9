// The parameter-file reader against arbitrary bytes. Beside crashes and
// sanitizer reports it checks the reader's verdict against a plain oracle:
// a file is accepted exactly when its first 309 white-space-separated tokens
// are the keys in file order, each followed by nothing, "None" or four hex
// digits; a refusal names the line of the first offending token; an
// accepted file re-serialises to the same values and then byte for byte.
#include "core/TarnError.h"
#include "catalogue/SheetRanges.h"
#include "files/ParameterFile.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

struct OracleToken {
    QByteArray text;
    int line = 0;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Tokens with the line each starts on (LF, CR LF and a lone CR end a line).
QList<OracleToken> Tokenise(const QByteArray& bytes, int wanted) {
    QList<OracleToken> tokens;
    int line = 1;
    char previous = 0;
    bool inToken = false;
    for (const char c : bytes) {
        if (IsBlank(c)) {
            inToken = false;
            if (c == '\r' || (c == '\n' && previous != '\r')) {
                ++line;
            }
        } else if (!inToken) {
            if (tokens.size() == wanted) {
                break;
            }
            inToken = true;
            tokens.append({QByteArray(1, c), line});
        } else {
            tokens.last().text += c;
        }
        previous = c;
    }
    return tokens;
}

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool TokenFits(const QByteArray& token, quint16 number) {
    const QByteArray key = FileKey(number).toLatin1();
    if (!token.startsWith(key)) {
        return false;
    }
    const QByteArray value = token.mid(key.size());
    if (value.isEmpty() || value == "None") {
        return true;
    }
    return value.size() == 4 && std::all_of(value.begin(), value.end(), IsHex);
}

[[noreturn]] void Finding(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "FINDING: %s %s\n", what, qPrintable(detail));
    std::abort();
}

// The reader takes a file name, so every input goes through a scratch file.
QString ScratchFile(const char* name) {
    static QTemporaryDir dir;
    if (!dir.isValid()) {
        Finding("no scratch folder");
    }
    return dir.filePath(QLatin1String(name));
}

void WriteBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        Finding("cannot write scratch file", fileName);
    }
}

// The line a refusal names ("第 12 行"), or -1.
int RefusedLine(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("第 (\\d+) 行"));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

void CheckAccepted(const QByteArray& input, const ParameterValues& values,
                   const QList<OracleToken>& tokens) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const QByteArray expected = tokens[slot].text.mid(4);
        if (values[slot].toLatin1() != expected) {
            Finding("value differs from its token", FileKey(NumberOfSlot(slot)));
        }
    }
    const QByteArray canonical = ParameterFileBytes(values);
    const QString again = ScratchFile("again.tarn");
    WriteBytes(again, canonical);
    const ParameterValues reread = ReadParameterFile(again);
    if (reread != values) {
        Finding("re-serialised file reads back differently");
    }
    if (ParameterFileBytes(reread) != canonical) {
        Finding("re-serialisation is not byte-identical");
    }
    // A file laid out as saving lays it out is reproduced exactly.
    QByteArray layout;
    for (const OracleToken& token : tokens) {
        layout += token.text + "\r\n";
    }
    if (input == layout && canonical != input) {
        Finding("a saved layout is not reproduced byte for byte");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString fileName = ScratchFile("input.tarn");
    WriteBytes(fileName, input);

    // A byte order mark at the very start is skipped, as a file saved by an
    // editor that writes one must load.
    const QByteArray body = input.startsWith("\xEF\xBB\xBF") ? input.mid(3) : input;
    const QList<OracleToken> tokens = Tokenise(body, kSlotCount);
    int firstBad = -1;
    for (int slot = 0; slot < tokens.size(); ++slot) {
        if (!TokenFits(tokens[slot].text, NumberOfSlot(slot))) {
            firstBad = slot;
            break;
        }
    }
    const bool shouldAccept = firstBad < 0 && tokens.size() == kSlotCount;

    try {
        const ParameterValues values = ReadParameterFile(fileName);
        if (!shouldAccept) {
            Finding("accepted a file the rule refuses");
        }
        CheckAccepted(body, values, tokens);
    } catch (const EFileError& error) {
        if (shouldAccept) {
            Finding("refused a valid file", error.Text());
        }
        if (firstBad >= 0 && RefusedLine(error.Text()) != tokens[firstBad].line) {
            Finding("refusal names the wrong line", error.Text());
        }
    }
    return 0;
}
