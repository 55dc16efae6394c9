#include "link/MainLink.h"

#include <QtGlobal>

MainReplyFormat ReplyFormat;

namespace {

// Set and cleared by the main window on the user-interface thread only.
DriveLink* mainLink = nullptr;

} // namespace

void SetMainLink(DriveLink* link) {
    mainLink = link;
}

DriveLink& MainLink() {
    if (!mainLink) {
        qFatal("No drive link was installed for the window program");
    }
    return *mainLink;
}

MainReplyFormat::operator quint8() const {
    return MainLink().ReplyFormat();
}

MainReplyFormat& MainReplyFormat::operator=(quint8 format) {
    MainLink().SetReplyFormat(format);
    return *this;
}

QString ReadParameter(quint16 number) {
    return MainLink().Read(number);
}

quint8 GreetDrive() {
    return MainLink().Greet();
}

WriteOutcome WriteParameterOutcome(quint16 number, const QString& value) {
    return MainLink().Write(number, value);
}

bool WriteParameter(quint16 number, const QString& value) {
    const WriteOutcome outcome = WriteParameterOutcome(number, value);
    return outcome != WriteOutcome::Written && outcome != WriteOutcome::NotSent;
}

void Delay(quint32 ms) {
    MainLink().Delay(ms);
}

bool ExchangeInProgress() {
    return MainLink().ExchangeInProgress();
}
