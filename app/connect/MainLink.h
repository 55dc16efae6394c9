#pragma once

#include "link/DriveLink.h"

#include <QString>

// The names the window program has always used for its exchanges: each is a
// thin call on the main window's drive link (MainDrive().Link()). Other
// programs hold drives of their own and do not use these.

// The main drive's link; using it when the main window has given it none
// is a bug.
DriveLink& MainLink();

// `ReplyFormat` reads and assigns the main link's reply format, as the
// process-wide byte of old did.
class MainReplyFormat {
public:
    operator quint8() const;
    MainReplyFormat& operator=(quint8 format);
};
extern MainReplyFormat ReplyFormat;

// A read: see DriveLink.
QString ReadParameter(quint16 number);

// The failed flag: true unless the write was confirmed or not meant to be
// sent (NotSent).
bool WriteParameter(quint16 number, const QString& value);
