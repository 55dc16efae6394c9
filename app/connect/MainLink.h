#pragma once

#include <QString>

// The names the window program has always used for its exchanges: each is a
// thin call on the main window's drive (MainDrive()), the one place in the
// window program that reaches its link. Other programs hold drives of their
// own and do not use these. Using them when the main window has given the
// drive no link is a bug.

// `ReplyFormat` reads and assigns the main link's reply format, as the
// process-wide byte of old did.
class MainReplyFormat {
public:
    operator quint8() const;
    MainReplyFormat& operator=(quint8 format);
};
extern MainReplyFormat ReplyFormat;

// One read, one exchange, its answer as the link gives it.
QString ReadParameter(quint16 number);

// The failed flag: true unless the write was confirmed or not meant to be
// sent (NotSent).
bool WriteParameter(quint16 number, const QString& value);
