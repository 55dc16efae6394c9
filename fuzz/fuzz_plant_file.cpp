// The plant-file reader against arbitrary bytes. Beside crashes and
// sanitizer reports it checks what the reader promises: a refusal is one
// line naming the file and a line that exists ("plant.json 第 N 行"); an
// accepted plant has axes whose every name is safe, so that no
// "<machine>/<axis>.tarn" can leave the repository's folder or clash with
// another, and whose timings and timeouts are within their bounds; and it
// was taken from a text that names no key twice in one object.
#include "core/TarnError.h"
#include "backup/PlantFile.h"
#include "catalogue/SheetRanges.h"

#include <QByteArray>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Finding(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "FINDING: %s %s\n", what, qPrintable(detail));
    std::abort();
}

void CheckRefusal(const QByteArray& input, const QString& text) {
    static const QRegularExpression head(QStringLiteral("^plant\\.json 第 (\\d+) 行"));
    const QRegularExpressionMatch match = head.match(text);
    if (!match.hasMatch()) {
        Finding("refusal does not name the file and a line", text);
    }
    const int line = match.captured(1).toInt();
    if (line < 1 || line > input.count('\n') + 1) {
        Finding("refusal names a line the file does not have", text);
    }
    if (text.contains(QLatin1Char('\n'))) {
        Finding("refusal is more than one line", text);
    }
}

// Keys written in the text: each string followed by ':' outside a string.
int KeysWritten(const QByteArray& text) {
    int keys = 0;
    bool inString = false;
    bool stringEnded = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
                stringEnded = true;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == ':' && stringEnded) {
            ++keys;
        }
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '"') {
            stringEnded = false;
        }
    }
    return keys;
}

// Keys the parsed document holds; fewer than written when one was repeated.
int KeysHeld(const QJsonValue& value) {
    int keys = 0;
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            keys += 1 + KeysHeld(it.value());
        }
    } else if (value.isArray()) {
        for (const QJsonValue& element : value.toArray()) {
            keys += KeysHeld(element);
        }
    }
    return keys;
}

void CheckAccepted(const QByteArray& input, const Plant& plant) {
    if (KeysHeld(QJsonDocument::fromJson(input).object()) != KeysWritten(input)) {
        Finding("accepted a text that names a key twice");
    }
    if (plant.axes.empty() || plant.name.isEmpty()) {
        Finding("accepted a plant without a name or axes");
    }
    const QDir root(QStringLiteral("/repo"));
    QSet<QString> files;
    for (const PlantAxis& axis : plant.axes) {
        if (!IsSafePlantName(axis.machine) || !IsSafePlantName(axis.name)) {
            Finding("accepted an unsafe name", axis.Path());
        }
        const QString file = QDir::cleanPath(root.filePath(axis.FilePath()));
        if (!file.startsWith(QStringLiteral("/repo/")) || file.count(QLatin1Char('/')) != 3) {
            Finding("a file outside its machine's folder", file);
        }
        if (files.contains(file.toCaseFolded())) {
            Finding("two axes share a file", file);
        }
        files.insert(file.toCaseFolded());
        if (axis.port.isEmpty()) {
            Finding("accepted an axis without a port", axis.Path());
        }
        if (axis.timeoutMs && (*axis.timeoutMs < LinkSettings::kMinTimeoutMs ||
                               *axis.timeoutMs > LinkSettings::kMaxTimeoutMs)) {
            Finding("accepted a timeout outside its bounds", axis.Path());
        }
        for (qsizetype i = 0; i < axis.ignore.size(); ++i) {
            if (SlotOf(axis.ignore[i]) < 0) {
                Finding("ignores a number that is no parameter", axis.Path());
            }
            if (i > 0 && axis.ignore[i - 1] >= axis.ignore[i]) {
                Finding("ignore list not ascending and once each", axis.Path());
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        CheckAccepted(input, ReadPlantText(input, QStringLiteral("plant.json")));
    } catch (const EFileError& error) {
        CheckRefusal(input, error.Text());
    }
    return 0;
}
