#include "app/connect/MainLink.h"

#include "app/MainDrive.h"
#include "link/DriveLink.h"

MainReplyFormat ReplyFormat;

namespace {

DriveLink& MainLink() {
    return MainDrive().Link();
}

} // namespace

MainReplyFormat::operator quint8() const {
    return MainDrive().ReplyFormat();
}

MainReplyFormat& MainReplyFormat::operator=(quint8 format) {
    MainDrive().SetReplyFormat(format);
    return *this;
}

QString ReadParameter(quint16 number) {
    return MainLink().Read(number);
}

bool WriteParameter(quint16 number, const QString& value) {
    return WriteFailed(MainLink().Write(number, value));
}
