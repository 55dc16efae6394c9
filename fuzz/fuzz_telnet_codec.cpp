// The telnet / RFC 2217 layer against any bytes a server may send, split
// anywhere. Input layout: byte 0 is the seed of the split points (each
// piece 1 to 16 bytes long), the rest is what the server sent. Beside
// crashes and sanitizer reports it checks what the layer promises: the data
// bytes out are never more than the bytes in; the same bytes give the same
// data, and below the bound the same answers, however they are split; the answers owed never pile
// up past their bound; and the answers are whole telnet commands (IAC, then a verb and an option,
// or a COM-port subnegotiation ended by IAC SE).
#include "link/TelnetCodec.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Finding(const char* what, const QByteArray& detail = {}) {
    std::fprintf(stderr, "FINDING: %s [%s]\n", what, detail.toHex(' ').constData());
    std::abort();
}

struct Outcome {
    QByteArray data;
    QByteArray replies;
};

Outcome Run(const QByteArray& server, quint32 seed) {
    TelnetCodec codec;
    Outcome outcome;
    codec.Start();
    qsizetype at = 0;
    while (at < server.size()) {
        seed = seed * 1103515245u + 12345u;
        const qsizetype piece = 1 + qsizetype((seed >> 16) % 16);
        outcome.data += codec.Receive(server.mid(at, piece));
        const QByteArray replies = codec.TakeReplies();
        if (replies.size() > TelnetCodec::kMaxReplies + 64) {
            Finding("answers past their bound", replies.left(64));
        }
        outcome.replies += replies;
        at += piece;
    }
    return outcome;
}

// True when `replies` is a sequence of whole telnet commands.
bool WholeCommands(const QByteArray& replies) {
    qsizetype i = 0;
    while (i < replies.size()) {
        if (quint8(replies[i]) != TelnetCodec::kIac || i + 2 >= replies.size()) {
            return false;
        }
        const auto verb = quint8(replies[i + 1]);
        if (verb >= TelnetCodec::kWill && verb <= TelnetCodec::kDont) {
            i += 3;
            continue;
        }
        if (verb != TelnetCodec::kSb) {
            return false;
        }
        const qsizetype end = replies.indexOf(QByteArray("\xFF\xF0", 2), i + 2);
        if (end < 0) {
            return false;
        }
        i = end + 2;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size < 1) {
        return 0;
    }
    const QByteArray server(reinterpret_cast<const char*>(bytes) + 1, qsizetype(size - 1));
    const Outcome split = Run(server, bytes[0]);

    TelnetCodec whole;
    whole.Start();
    const QByteArray data = whole.Receive(server);
    const QByteArray replies = whole.TakeReplies();

    if (data.size() > server.size()) {
        Finding("more data out than bytes in", server.left(64));
    }
    // Answers are bounded per call, so only a run below the bound must
    // answer the same in pieces as in one.
    const bool bounded = replies.size() + 3 > TelnetCodec::kMaxReplies;
    if (split.data != data || (!bounded && split.replies != replies)) {
        Finding("the split changed the outcome", server.left(64));
    }
    if (!WholeCommands(replies)) {
        Finding("an answer that is not a whole telnet command", replies.left(64));
    }
    return 0;
}
