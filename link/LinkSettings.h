#pragma once

#include <QtGlobal>

// How a link talks to its drive: the serial line, the two waits and how
// they end. The defaults are the drive's own (fixed waits of 40 and 50 ms);
// a link is built from one such value and keeps it, but for its timing
// (see DriveLink::SetTiming).
struct LinkSettings {
    enum class Parity { None, Even, Odd };

    // How a wait ends. Fixed: at its length, always, as the program has
    // always waited. Reply: as soon as a whole reply is in (see
    // ReplyIsWhole), its length then being the limit.
    enum class Timing { Fixed, Reply };

    // The bounds of the one length both waits are set from.
    static constexpr quint32 kMinTimeoutMs = 10;
    static constexpr quint32 kMaxTimeoutMs = 5000;
    static constexpr quint32 kDefaultTimeoutMs = 40;
    // A write's wait is this much longer than a read's.
    static constexpr quint32 kWriteExtraMs = 10;

    // The serial line, handed to the port when it opens.
    struct Line {
        qint32 baudRate = 9600;
        int dataBits = 8; // 5 to 8
        Parity parity = Parity::None;
        int stopBits = 1; // 1 or 2
        // Bytes the port holds before it stops taking more from the driver.
        qint64 receiveBufferSize = 1024;

        // How long one character takes on the line: a start bit, the data
        // bits, the parity bit if any and the stop bits.
        qint64 CharacterNs() const {
            const int bits = 1 + dataBits + (parity == Parity::None ? 0 : 1) + stopBits;
            return baudRate > 0 ? qint64(bits) * 1000000000 / baudRate : 0;
        }
    };

    Line line;
    quint32 readWaitMs = 40;  // after a read request and after the greeting
    quint32 writeWaitMs = 50; // after a write request
    Timing timing = Timing::Fixed;

    // Both waits from one length: reads and greetings `ms`, writes ms + 10.
    void SetTimeout(quint32 ms) {
        readWaitMs = ms;
        writeWaitMs = ms + kWriteExtraMs;
    }
};
