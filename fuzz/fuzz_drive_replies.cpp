// The reading of drive replies (reads, write echoes, the greeting) against
// arbitrary received bytes. Input layout: byte 0 picks the reply format,
// bytes 1-2 the parameter number, bytes 3-6 a value text, the rest is what
// the port received. Beside crashes and sanitizer reports it checks what
// the replies promise: a read yields "None", nothing, or four hexadecimal
// digits, and those only from a whole frame of the parameter asked, in what
// is left once late frames of other numbers are skipped (ReplyTo); a
// drive's own reply (after any garbage without that address) gives back the
// value it carried when that is four hexadecimal digits, else "None"; an
// exact echo never differs and an echo changed after the address always
// does; the greeting sets format 1 exactly for "=0x" at characters 6 to 8.
#include "catalogue/SheetRanges.h"
#include "link/DriveProtocol.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Finding(const char* what, const QByteArray& detail = {}) {
    std::fprintf(stderr, "FINDING: %s [%s]\n", what, detail.toPercentEncoding().constData());
    std::abort();
}

bool KnownFormat(quint8 format) {
    return format == kFormatPlain || format == kFormatMarked;
}

bool FourHexDigits(const QByteArray& text) {
    if (text.size() != 4) {
        return false;
    }
    for (const char c : text) {
        if (!QByteArrayView("0123456789ABCDEFabcdef").contains(c)) {
            return false;
        }
    }
    return true;
}

void CheckRead(const QByteArray& all, quint16 number, quint8 format) {
    const QString value = ParseReadReply(all, number, format);
    const QByteArray received = ReplyTo(all, number).text;
    if (received.size() < kMinReplyLength || !KnownFormat(format)) {
        if (!value.isEmpty()) {
            Finding("a read without a usable reply returned a value", received);
        }
        return;
    }
    if (value == QLatin1String("None")) {
        return;
    }
    if (!FourHexDigits(value.toLatin1())) {
        Finding("a read returned something other than four hexadecimal digits", received);
    }
    const QByteArray address = AddressFrame(number);
    const qsizetype start = received.indexOf(address);
    if (start < 0) {
        Finding("a read took a value from a reply without its address", received);
    }
    if (received.size() - start < WholeReplyLength(format)) {
        Finding("a read took a value from a frame cut short", received);
    }
    // The value must stand right behind the first frame of this address. The
    // reply's fixed positions assume a five-character address, which every
    // number the program holds has (":P00n", ":Pnnn"); 10..99 and numbers
    // above 999 do not, and the program never asks for them.
    if (address.size() != 5) {
        return;
    }
    const QByteArray marker = format == kFormatMarked ? "=0x" : "";
    if (received.mid(start + address.size(), marker.size() + value.size()) !=
        marker + value.toLatin1()) {
        Finding("a read took characters from the wrong place", received);
    }
}

// The drive's own reply to a read, after `garbage`, must give its value back.
void CheckReadRoundTrip(const QByteArray& garbage, quint16 number, const QByteArray& value,
                        quint8 format) {
    const QByteArray address = AddressFrame(number);
    if (!KnownFormat(format) || garbage.contains(address)) {
        return;
    }
    const QByteArray reply =
        address + (format == kFormatMarked ? "=0x" : "") + value + QByteArray("\r");
    const QByteArray received = garbage + reply;
    if (received.size() < kMinReplyLength) {
        return;
    }
    const QByteArray expected = FourHexDigits(value) ? value : QByteArray("None");
    if (ParseReadReply(received, number, format).toLatin1() != expected) {
        Finding("a read lost the value of its own reply", received);
    }
}

void CheckEcho(const QByteArray& garbage, quint16 number, const QByteArray& value,
               quint8 format) {
    const QByteArray request = WriteRequest(number, QString::fromLatin1(value), format);
    if (!KnownFormat(format)) {
        if (!request.isEmpty() || EchoDiffers(request, garbage, format)) {
            Finding("an undetermined format sent or judged a write", garbage);
        }
        return;
    }
    const int last = format == kFormatPlain ? 9 : 12;
    // The program writes hex digits only: a request that carries a frame
    // of its own (":P" in the value) is not one it sends, and the reply
    // rule rightly cuts such a frame out of its echo as stale.
    if (request.size() < last || garbage.contains(request.left(5)) ||
        request.indexOf(":P", 2) >= 0) {
        return;
    }
    const QByteArray echo = garbage + request;
    if (EchoDiffers(request, echo, format)) {
        Finding("an exact echo was judged different", echo);
    }
    // Change one compared character after the address.
    const int position = 6 + int(quint8(garbage.isEmpty() ? 0 : garbage.back())) % (last - 5);
    QByteArray changed = echo;
    changed[garbage.size() + position - 1] = char(changed[garbage.size() + position - 1] ^ 0x01);
    if (!EchoDiffers(request, changed, format)) {
        Finding("a changed echo was judged equal", changed);
    }
}

void CheckGreeting(const QByteArray& all) {
    const quint8 format = JudgeGreeting(all);
    const QByteArray received = ReplyTo(all, 0).text;
    if (received.size() < kMinReplyLength) {
        if (format != kFormatUndetermined) {
            Finding("a short greeting reply settled a format", received);
        }
        return;
    }
    const qsizetype frame = received.indexOf(":P");
    const quint8 expected =
        received.mid(frame < 0 ? 5 : frame + 5, 3) == "=0x" ? kFormatMarked : kFormatPlain;
    if (format != expected) {
        Finding("the greeting judged the wrong format", received);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 7) {
        return 0;
    }
    // Mostly the two real formats, sometimes undetermined or any byte.
    static constexpr quint8 kFormats[3] = {kFormatPlain, kFormatMarked, kFormatUndetermined};
    const quint8 format = data[0] < 0xC0 ? kFormats[data[0] % 3] : quint8(data[0] & 0x3F);
    const quint16 rawNumber = quint16(data[1] << 8 | data[2]);
    const QByteArray value(reinterpret_cast<const char*>(data + 3), 4);
    const QByteArray received(reinterpret_cast<const char*>(data + 7), qsizetype(size - 7));

    CheckRead(received, rawNumber, format);
    CheckGreeting(received);
    // The round trips hold for the numbers the program holds.
    const quint16 number = NumberOfSlot(rawNumber % kSlotCount);
    CheckReadRoundTrip(received, number, value, format);
    CheckEcho(received, number, value, format);
    CheckEcho(received, number, value + received.left(4), format);
    return 0;
}
