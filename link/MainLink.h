#pragma once

#include "link/DriveLink.h"

#include <QString>

// The window program's link (the main window's) and the names the program
// has always used for its exchanges: each is a thin call on that link.
// Other programs hold DriveLink objects of their own and do not use these.

// The main window installs its link for its lifetime (nullptr removes it).
void SetMainLink(DriveLink* link);
// The installed link; using one when none is installed is a bug.
DriveLink& MainLink();

// `ReplyFormat` reads and assigns the main link's reply format, as the
// process-wide byte of old did.
class MainReplyFormat {
public:
    operator quint8() const;
    MainReplyFormat& operator=(quint8 format);
};
extern MainReplyFormat ReplyFormat;

// Read and greeting: see DriveLink.
QString ReadParameter(quint16 number);
quint8 GreetDrive();

WriteOutcome WriteParameterOutcome(quint16 number, const QString& value);
// The failed flag: true unless the write was confirmed or not meant to be
// sent (NotSent).
bool WriteParameter(quint16 number, const QString& value);

void Delay(quint32 ms);
bool ExchangeInProgress();
