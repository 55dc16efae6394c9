#pragma once

#include <QtGlobal>

// How a link talks to its drive: the serial line and the two fixed waits.
// The defaults are the drive's own and the only ones the window program
// uses; a link is built from one such value and keeps it for its life.
struct LinkSettings {
    enum class Parity { None, Even, Odd };

    // The serial line, handed to the port when it opens.
    struct Line {
        qint32 baudRate = 9600;
        int dataBits = 8; // 5 to 8
        Parity parity = Parity::None;
        int stopBits = 1; // 1 or 2
        // Bytes the port holds before it stops taking more from the driver.
        qint64 receiveBufferSize = 1024;
    };

    Line line;
    quint32 readWaitMs = 40;  // after a read request and after the greeting
    quint32 writeWaitMs = 50; // after a write request
};
