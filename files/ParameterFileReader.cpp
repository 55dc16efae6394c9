#include "files/ParameterFile.h"
#include "values/ValueText.h"

#include "core/QuotedText.h"
#include "core/TarnError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace {

// Longer tokens are refused anyway; keeping a few more bytes than a valid
// token holds is enough to show what was found.
constexpr int kKeptTokenBytes = 24;

struct Token {
    QByteArray text; // at most kKeptTokenBytes bytes
    bool cut = false;
    int line = 0; // 1-based line of its first character
};

// Hands out the white-space-separated tokens of a file one by one and keeps
// count of lines (LF, CR LF and a lone CR each end one), so that a refusal
// can name the line. Reads in blocks; never holds more than one token.
class TokenStream {
public:
    explicit TokenStream(QIODevice& file) : file_(file) {}

    // The next token, or false at the end of the file.
    bool Next(Token& token) {
        token = Token();
        char c = 0;
        while (Get(c) && IsBlank(c)) {
            CountLineBreak(c);
        }
        if (atEnd_) {
            return false;
        }
        token.line = line_;
        do {
            if (token.text.size() < kKeptTokenBytes) {
                token.text += c;
            } else {
                token.cut = true;
            }
        } while (Get(c) && !IsBlank(c));
        if (!atEnd_) {
            CountLineBreak(c);
        }
        return true;
    }

    // The line a token after the last one would start on.
    int LineAfter(const Token& last) const { return last.line == 0 ? 1 : last.line + 1; }

private:
    static bool IsBlank(char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    }

    void CountLineBreak(char c) {
        if (c == '\n' && previous_ != '\r') {
            ++line_;
        } else if (c == '\r') {
            ++line_;
        }
        previous_ = c;
    }

    bool Get(char& c) {
        if (pos_ == block_.size()) {
            block_ = file_.read(4096);
            pos_ = 0;
            if (block_.isEmpty()) {
                atEnd_ = true;
                return false;
            }
        }
        c = block_[pos_++];
        if (!IsBlank(c)) {
            previous_ = c;
        }
        return true;
    }

    QIODevice& file_;
    QByteArray block_;
    qsizetype pos_ = 0;
    bool atEnd_ = false;
    int line_ = 1;
    char previous_ = 0;
};

QString Expected(quint16 number) {
    return QCoreApplication::translate("ParameterFile", "應為 %1 加上四位十六進位數值、None 或空白")
        .arg(FileKey(number));
}

[[noreturn]] void Refuse(const QString& fileName, int line, const QString& what) {
    throw EFileError(QCoreApplication::translate("ParameterFile", "無法載入參數檔 %1\n第 %2 行：%3")
                         .arg(fileName)
                         .arg(line)
                         .arg(what));
}

} // namespace

bool IsLoadableValue(const QByteArray& value) {
    if (value.isEmpty() || value == "None") {
        return true;
    }
    return IsHexText(value, 4, 4);
}

namespace {

ParameterValues ReadParameters(QIODevice& file, const QString& fileName) {
    // A byte order mark (an editor's, never the program's) is no part of
    // the first key.
    if (file.peek(3) == QByteArray("\xEF\xBB\xBF")) {
        file.read(3);
    }
    TokenStream tokens(file);
    ParameterValues values;
    Token token;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const quint16 number = NumberOfSlot(slot);
        const int lineBefore = tokens.LineAfter(token);
        if (!tokens.Next(token)) {
            Refuse(fileName, lineBefore,
                   QCoreApplication::translate("ParameterFile",
                                               "%1，但檔案已結束（只有 %2 個項目，應有 %3 個）")
                       .arg(Expected(number))
                       .arg(slot)
                       .arg(kSlotCount));
        }
        const QByteArray key = FileKey(number).toLatin1();
        const QByteArray value = token.text.mid(key.size());
        if (token.cut || !token.text.startsWith(key) || !IsLoadableValue(value)) {
            const QString found = QuotedFileText(token.text) + (token.cut ? "…" : "");
            Refuse(fileName, token.line,
                   QCoreApplication::translate("ParameterFile", "%1，讀到 %2")
                       .arg(Expected(number), found));
        }
        values[slot] = QString::fromLatin1(value);
    }
    return values;
}
} // namespace

ParameterValues ReadParameterFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw EFileError(QCoreApplication::translate("ParameterFile", "無法開啟參數檔 %1：%2")
                             .arg(fileName, file.errorString()));
    }
    return ReadParameters(file, fileName);
}

ParameterValues ReadParameterBytes(const QByteArray& bytes, const QString& name) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadParameters(buffer, name);
}
