#pragma once

#include <QString>

class TMSComm;

// The three exchanges with the drive and the timed wait. One exchange at a
// time: while one waits, user input to the program's windows is dropped
// (not queued), so nothing can start another.

// The drive's reply format, set by each greeting (0, 1, or undetermined).
extern quint8 ReplyFormat;

// The control every exchange goes through (the main window's MSComm1).
void SetDriveComm(TMSComm* comm);
TMSComm& DriveComm();

// Sends one read request, waits 40 ms, returns the value text, "None"
// (reply not in the expected form) or empty text (no answer).
QString ReadParameter(quint16 number);

enum class WriteOutcome {
    Written,      // the drive echoed the request
    NotSent,      // "None" or empty value: the drive keeps its own value
    NoAnswer,     // fewer than 10 characters came back
    EchoDiffers,  // the drive answered with something else
    Undetermined, // no greeting was answered; nothing was sent
};

// Sends one write request, waits 50 ms, and judges the echo.
WriteOutcome WriteParameterOutcome(quint16 number, const QString& value);
// The failed flag: true unless the write was confirmed or not meant to be
// sent (NotSent).
bool WriteParameter(quint16 number, const QString& value);

// Sends the greeting, waits 40 ms and returns the reply format.
quint8 GreetDrive();

// Waits more than `ms` milliseconds on a monotonic clock while windows
// repaint and timers run; user input is dropped meanwhile. Costs no CPU.
void Delay(quint32 ms);

// True while an exchange waits (for the UI's busy cursor and guards).
bool ExchangeInProgress();

// The UI sets these to show and clear a busy cursor around each wait.
void SetExchangeHooks(void (*begin)(), void (*end)());
