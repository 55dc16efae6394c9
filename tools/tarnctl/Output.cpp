#include "Output.h"
#include "TarnctlText.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

namespace {

QString progressText;
int progressWidth = 0; // columns the line took last time it was drawn

bool StdErrIsTerminal() {
    static const bool terminal = isatty(2) != 0;
    return terminal;
}

void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void DrawProgress() {
    const int width = TerminalColumns(progressText);
    // Blanks over whatever a longer earlier line left.
    Write(stderr, QLatin1Char('\r') + progressText +
                      QString(qMax(0, progressWidth - width), QLatin1Char(' ')) +
                      QLatin1Char('\r') + progressText);
    progressWidth = width;
}

void EraseProgress() {
    if (progressWidth > 0) {
        Write(stderr,
              QLatin1Char('\r') + QString(progressWidth, QLatin1Char(' ')) + QLatin1Char('\r'));
        progressWidth = 0;
    }
}

} // namespace

int TerminalColumns(const QString& text) {
    int columns = 0;
    for (const QChar c : text) {
        columns += c.unicode() >= 0x1100 ? 2 : 1;
    }
    return columns;
}

void PrintOut(const QString& text) {
    Write(stdout, text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
}

void PrintErr(const QString& text) {
    EraseProgress();
    Write(stderr, text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
    if (!progressText.isEmpty()) {
        DrawProgress();
    }
}

QString LineOf(const QString& who, const QString& text) {
    return who + QStringLiteral(": ") + text;
}

void PrintJson(const QJsonDocument& document) {
    Write(stdout, QString::fromUtf8(document.toJson(QJsonDocument::Indented)));
}

void ShowProgressLine(const QString& text) {
    if (!StdErrIsTerminal() || text == progressText) {
        return;
    }
    progressText = text;
    DrawProgress();
}

void ClearProgressLine() {
    progressText.clear();
    EraseProgress();
}

bool ProgressShown() {
    return StdErrIsTerminal();
}

QCommandLineOption JsonOption() {
    return QCommandLineOption(QStringLiteral("json"),
                              TarnctlText::tr("以一份 JSON 文件輸出同樣的結果，給程式讀取"));
}
