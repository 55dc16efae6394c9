#pragma once

#include <QByteArray>
#include <QString>

// The frames of the drive protocol and the reading of replies, as plain
// functions of text. No port, no waiting.

constexpr quint8 kFormatPlain = 0;           // value right after the address
constexpr quint8 kFormatMarked = 1;          // "=0x" between address and value
constexpr quint8 kFormatUndetermined = 0xFF; // the greeting got no answer
constexpr int kMinReplyLength = 10;

// ":P" and three digits: ":P005", ":P100", ":P987".
QByteArray AddressFrame(quint16 number);
// Address, "????", CR.
QByteArray ReadRequest(quint16 number);
// Address, ["=0x",] value, CR by format; empty for an undetermined format.
QByteArray WriteRequest(quint16 number, const QString& value, quint8 format);
// The read request of parameter 0.
QByteArray GreetingRequest();

// What is left of `received` for the reply to the request of `number` (the
// greeting's is 0): every whole frame (":P", three digits, up to the next
// CR) of another number is cut out, being a late reply to an earlier
// request; `stale` counts them. A frame of this number cannot be told from
// the reply and stays, as does everything that is not a whole frame (noise,
// a frame still arriving). The wait's end and every judgement look only at
// what is left.
struct ReplyView {
    QByteArray text;
    int stale = 0;
};
ReplyView ReplyTo(const QByteArray& received, quint16 number);

// The value text in `received` for a read of `number`, judged on what
// ReplyTo leaves. The reply is the frame that starts with the request's
// address; characters are counted from it. Fewer than 10 characters left:
// empty text (no answer). 10 or more
// but no frame of that address, a frame shorter than a whole reply, format 1
// without "=0x", or value characters that are not four hexadecimal digits:
// "None". Otherwise the four digits as the drive sent them.
QString ParseReadReply(const QByteArray& received, quint16 number, quint8 format);

// The length of a whole reply to a read, its CR included: 10 in format 0
// (":P101" + value + CR), 13 in format 1; 0 for an undetermined format.
int WholeReplyLength(quint8 format);

// True when `received` holds a whole reply of `length` characters: a CR at
// character `length` or later (noise before a reply moves its end on). A
// CR before it ends a reply that is short, not whole.
bool ReplyIsWhole(const QByteArray& received, int length);

// The fewest characters that must still arrive before `received` holds a
// whole reply of `length` characters (ReplyIsWhole): 0 when it does, the
// characters short of `length`, or 1 (its CR) when it is long enough
// without one.
int CharactersMissing(const QByteArray& received, int length);

// The length a reply to a read or a write is whole at in `format`:
// WholeReplyLength, and never less than kMinReplyLength (the greeting's,
// and that of an undetermined format).
int ReplyEndLength(quint8 format);

// True when `received` does not repeat characters 2..9 (format 0) or 2..12
// (format 1) of `request`, in what ReplyTo leaves for the request's
// number. Characters are counted from the first frame that
// starts with the request's address, or from the first character received
// when there is none. A reply too short to hold the range differs; an
// undetermined format never differs.
bool EchoDiffers(const QByteArray& request, const QByteArray& received, quint8 format);

// The format that a greeting reply sets, judged on what ReplyTo leaves for
// Pn000: 1 for "=0x" at characters 6..8 of the first frame (counted from
// its ":P", noise before it skipped), else 0; kFormatUndetermined when
// fewer than 10 characters are left.
quint8 JudgeGreeting(const QByteArray& received);
