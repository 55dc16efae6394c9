#pragma once

// A drive link over a scripted port with the port open and the reply format
// set. GiveTo() hands it to a drive, which then owns it (and `link` stays
// valid as long as the drive keeps it). AnswerLikeADrive() makes the port a
// drive with `values` and `faults`; a test may instead Script() the replies
// itself.
#include "link/DriveLink.h"
#include "link/DriveProtocol.h"
#include "support/FakeSerialDevice.h"

#include <memory>

struct LinkFixture {
    FakeSerialDevice* port = nullptr; // owned by the link

private:
    std::unique_ptr<DriveLink> owned_;

public:
    DriveLink& link;
    QMap<quint16, QString> values;
    FakeSerialDevice::DriveFaults faults;

    explicit LinkFixture(quint8 format = kFormatMarked, const LinkSettings& settings = {})
        : owned_(std::make_unique<DriveLink>(NewPort(port), settings)), link(*owned_) {
        link.Comm().SetPortOpen(true);
        link.SetReplyFormat(format);
    }
    LinkFixture(const LinkFixture&) = delete;
    LinkFixture& operator=(const LinkFixture&) = delete;

    // Gives the link to `drive` (a Drive), for the drive's operations.
    template <typename D> void GiveTo(D& drive) { drive.SetLink(std::move(owned_)); }

    // Answers every request as a drive in `format` would.
    void AnswerLikeADrive(quint8 format) {
        port->SetResponder(FakeSerialDevice::EchoingDrive(format, &values, &faults));
    }

    // A fixture in `format` whose port answers as a drive in that format.
    static std::unique_ptr<LinkFixture> Drive(quint8 format) {
        auto fixture = std::make_unique<LinkFixture>(format);
        fixture->AnswerLikeADrive(format);
        return fixture;
    }

private:
    static std::unique_ptr<FakeSerialDevice> NewPort(FakeSerialDevice*& port) {
        auto device = std::make_unique<FakeSerialDevice>();
        port = device.get();
        return device;
    }
};
