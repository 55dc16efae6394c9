#include "link/DriveProtocol.h"

#include "values/ValueText.h"

namespace {

// Characters m..n (counted from 1) of `text`; what exists of that range.
QByteArray Chars(const QByteArray& text, int first, int last) {
    return text.mid(first - 1, last - first + 1);
}

// Where the frame of `address` starts in `received`, or -1.
qsizetype FrameStart(const QByteArray& received, const QByteArray& address) {
    return address.isEmpty() ? -1 : received.indexOf(address);
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

QByteArray AddressFrame(quint16 number) {
    // Parameters 0..9 carry two leading zeros; everything else is written as is.
    if (number < 10) {
        return QByteArray(":P00") + QByteArray::number(number);
    }
    return QByteArray(":P") + QByteArray::number(number);
}

QByteArray ReadRequest(quint16 number) {
    return AddressFrame(number) + "????\r";
}

QByteArray WriteRequest(quint16 number, const QString& value, quint8 format) {
    switch (format) {
    case kFormatPlain:
        return AddressFrame(number) + value.toLatin1() + '\r';
    case kFormatMarked:
        return AddressFrame(number) + "=0x" + value.toLatin1() + '\r';
    default:
        return {};
    }
}

QByteArray GreetingRequest() {
    return ReadRequest(0);
}

namespace {

// ":", ":P", ":P1" or ":P10" at the end: the start of an address.
bool EndsInPartialAddress(const QByteArray& text) {
    const qsizetype colon = text.lastIndexOf(':');
    if (colon < 0 || text.size() - colon > 4) {
        return false;
    }
    for (qsizetype i = colon + 1; i < text.size(); ++i) {
        if (i == colon + 1 ? text[i] != 'P' : !IsDecimalDigit(text[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

ReplyView ReplyTo(const QByteArray& received, quint16 number) {
    const QByteArray address = AddressFrame(number);
    ReplyView view;
    view.text.reserve(received.size());
    qsizetype at = 0;
    while (at < received.size()) {
        const qsizetype start = received.indexOf(":P", at);
        if (start < 0) {
            break;
        }
        const qsizetype end = received.indexOf('\r', start);
        const bool numbered = start + 5 <= received.size() && IsDecimalDigit(received[start + 2]) &&
                              IsDecimalDigit(received[start + 3]) &&
                              IsDecimalDigit(received[start + 4]);
        // A frame cut short runs into the next ":P" before any CR.
        const qsizetype next = received.indexOf(":P", start + 2);
        const bool whole = end >= 0 && (next < 0 || next > end);
        if (!whole || !numbered || received.mid(start, 5) == address) {
            // Not a whole frame of another number: kept as it came.
            view.text += received.mid(at, start + 2 - at);
            at = start + 2;
            continue;
        }
        view.text += received.mid(at, start - at);
        // Cutting must not join the bytes around a frame into a frame start
        // that never came (":P1", cut, "00=0x01F4"): where they could, a byte
        // that starts no frame stands in the frame's place.
        if (EndsInPartialAddress(view.text)) {
            view.text += '\x7f';
        }
        ++view.stale;
        at = end + 1;
    }
    view.text += received.mid(at);
    return view;
}

QString ParseReadReply(const QByteArray& all, quint16 number, quint8 format) {
    const QByteArray received = ReplyTo(all, number).text;
    if (received.size() < kMinReplyLength) {
        return {};
    }
    if (format != kFormatPlain && format != kFormatMarked) {
        return {};
    }
    // Noise may come first: the reply starts at this parameter's frame.
    const qsizetype start = FrameStart(received, AddressFrame(number));
    if (start < 0) {
        return QStringLiteral("None");
    }
    const QByteArray reply = received.mid(start);
    const bool marked = format == kFormatMarked;
    if (marked && Chars(reply, 6, 8) != "=0x") {
        return QStringLiteral("None");
    }
    // A frame cut short (noise before it can make up the 10 characters) or
    // with other characters where the digits belong would give a value the
    // drive never sent, which a save would then keep.
    const QByteArray value = marked ? Chars(reply, 9, 12) : Chars(reply, 6, 9);
    if (reply.size() < WholeReplyLength(format) || !IsHexText(value, 4, 4)) {
        return QStringLiteral("None");
    }
    return QString::fromLatin1(value);
}

int WholeReplyLength(quint8 format) {
    switch (format) {
    case kFormatPlain:
        return 10;
    case kFormatMarked:
        return 13;
    default:
        return 0;
    }
}

bool EchoDiffers(const QByteArray& request, const QByteArray& all, quint8 format) {
    int last = 0;
    if (format == kFormatPlain) {
        last = 9;
    } else if (format == kFormatMarked) {
        last = 12;
    } else {
        return false;
    }
    // Counted from the echo of this request's address when one is there
    // (noise may precede it), else from the first character left.
    const QByteArray received = ReplyTo(all, quint16(request.mid(2, 3).toUShort())).text;
    const qsizetype found = FrameStart(received, request.left(5));
    const QByteArray reply = received.mid(found < 0 ? 0 : found);
    const QByteArray expected = Chars(request, 2, last);
    const QByteArray echoed = Chars(reply, 2, last);
    return echoed.size() < last - 1 || echoed != expected;
}

quint8 JudgeGreeting(const QByteArray& all) {
    // Only a frame of Pn000 answers the greeting.
    const QByteArray received = ReplyTo(all, 0).text;
    if (received.size() < kMinReplyLength) {
        return kFormatUndetermined;
    }
    // Noise before the first frame (line noise at power-up) is skipped, as
    // the reads do; with no frame at all the reply is judged as it came.
    const qsizetype start = received.indexOf(":P");
    const QByteArray reply = received.mid(start < 0 ? 0 : start);
    return Chars(reply, 6, 8) == "=0x" ? kFormatMarked : kFormatPlain;
}

bool ReplyIsWhole(const QByteArray& received, int length) {
    return CharactersMissing(received, length) == 0;
}

int CharactersMissing(const QByteArray& received, int length) {
    if (received.size() < length) {
        return int(length - received.size());
    }
    return received.indexOf('\r', qMax(0, length - 1)) >= 0 ? 0 : 1;
}

int ReplyEndLength(quint8 format) {
    return qMax(kMinReplyLength, WholeReplyLength(format));
}
