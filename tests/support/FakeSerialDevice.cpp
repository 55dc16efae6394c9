#include "FakeSerialDevice.h"

#include <QTimer>

FakeSerialDevice::FakeSerialDevice() = default;

void FakeSerialDevice::Script(const QByteArray& reply, int delayMs) {
    script_.append({reply, delayMs});
}

void FakeSerialDevice::SetResponder(Responder responder, int delayMs) {
    responder_ = std::move(responder);
    responderDelayMs_ = delayMs;
}

void FakeSerialDevice::Inject(const QByteArray& bytes) {
    buffer_ += bytes;
}

void FakeSerialDevice::Vanish(const QString& message) {
    open_ = false;
    vanished_ = true;
    errorText_ = message;
    buffer_.clear();
}

bool FakeSerialDevice::Open(const QString& device, const LinkSettings::Line& line) {
    openedDevices_.append(device);
    openedLine_ = line;
    if (!openError_.isEmpty()) {
        errorText_ = openError_;
        return false;
    }
    open_ = true;
    vanished_ = false;
    return true;
}

void FakeSerialDevice::Close() {
    open_ = false;
    buffer_.clear();
}

bool FakeSerialDevice::Write(const QByteArray& bytes) {
    if (!open_) {
        errorText_ = QStringLiteral("not open");
        return false;
    }
    writes_.append(bytes);
    Reply reply{{}, responderDelayMs_};
    if (!script_.isEmpty()) {
        reply = script_.takeFirst();
    } else if (responder_) {
        reply.bytes = responder_(bytes);
    }
    if (!reply.bytes.isEmpty()) {
        QTimer::singleShot(reply.delayMs, Qt::PreciseTimer, &context_, [this, bytes = reply.bytes] {
            if (open_) {
                buffer_ += bytes;
            }
        });
    }
    return true;
}

QByteArray FakeSerialDevice::TakeAll() {
    QByteArray taken;
    taken.swap(buffer_);
    return taken;
}

void FakeSerialDevice::DiscardInput() {
    ++discards_;
    buffer_.clear();
}

FakeSerialDevice::Responder FakeSerialDevice::EchoingDrive(quint8 format,
                                                           QMap<quint16, QString>* values,
                                                           const DriveFaults* faults) {
    return [format, values, faults](const QByteArray& request) -> QByteArray {
        if (request.size() < 6 || !request.startsWith(":P") || !request.endsWith('\r')) {
            return {};
        }
        bool ok = false;
        const quint16 number = request.mid(2, 3).toUShort(&ok);
        if (!ok || (faults && (faults->silent || faults->silentNumbers.contains(number)))) {
            return {};
        }
        const QByteArray mark = format == 1 ? "=0x" : "";
        QByteArray rest = request.mid(5, request.size() - 6);
        if (rest == "????") {
            const QByteArray value = values->value(number, QStringLiteral("0000")).toLatin1();
            const bool unmarked = faults && faults->unmarked.contains(number);
            return request.left(5) + (unmarked ? QByteArray() : mark) + value + '\r';
        }
        if (rest.startsWith("=0x")) {
            rest.remove(0, 3);
        }
        if (faults && faults->refused.contains(number)) {
            return request.left(5) + mark + (rest == "FFFF" ? "0000" : "FFFF") + '\r';
        }
        values->insert(number, QString::fromLatin1(rest));
        return request;
    };
}
