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

QString ParseReadReply(const QByteArray& received, quint16 number, quint8 format) {
    if (received.size() < kMinReplyLength) {
        return {};
    }
    if (format != kFormatPlain && format != kFormatMarked) {
        return {};
    }
    // A late reply to an earlier request may come first: only the frame of
    // this parameter counts.
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

bool EchoDiffers(const QByteArray& request, const QByteArray& received, quint8 format) {
    int last = 0;
    if (format == kFormatPlain) {
        last = 9;
    } else if (format == kFormatMarked) {
        last = 12;
    } else {
        return false;
    }
    // Counted from the echo of this request's address when one is there (a
    // late reply may precede it), else from the first character received.
    const qsizetype found = FrameStart(received, request.left(5));
    const QByteArray reply = received.mid(found < 0 ? 0 : found);
    const QByteArray expected = Chars(request, 2, last);
    const QByteArray echoed = Chars(reply, 2, last);
    return echoed.size() < last - 1 || echoed != expected;
}

quint8 JudgeGreeting(const QByteArray& received) {
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
    return received.size() >= length && received.indexOf('\r', qMax(0, length - 1)) >= 0;
}

int ReplyEndLength(quint8 format) {
    return qMax(kMinReplyLength, WholeReplyLength(format));
}
