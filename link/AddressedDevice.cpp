#include "link/AddressedDevice.h"

#include "link/PortAddress.h"
#include "link/QtSerialDevice.h"
#include "link/TcpSerialDevice.h"

AddressedDevice::AddressedDevice() = default;
AddressedDevice::~AddressedDevice() = default;

bool AddressedDevice::Open(const QString& device, const LinkSettings::Line& line) {
    const bool network = IsNetworkAddress(device);
    if (!backend_ || network != network_) {
        if (backend_) {
            backend_->Close();
        }
        if (network) {
            backend_ = std::make_unique<TcpSerialDevice>();
        } else {
            backend_ = std::make_unique<QtSerialDevice>();
        }
        network_ = network;
        backend_->SetArrivalHandler(arrival_);
    }
    return backend_->Open(device, line);
}

void AddressedDevice::Close() {
    if (backend_) {
        backend_->Close();
    }
}

bool AddressedDevice::IsOpen() const {
    return backend_ && backend_->IsOpen();
}

bool AddressedDevice::Write(const QByteArray& bytes) {
    return backend_ && backend_->Write(bytes);
}

qint64 AddressedDevice::BytesWaiting() {
    return backend_ ? backend_->BytesWaiting() : 0;
}

QByteArray AddressedDevice::TakeAll() {
    return backend_ ? backend_->TakeAll() : QByteArray();
}

void AddressedDevice::DiscardInput() {
    if (backend_) {
        backend_->DiscardInput();
    }
}

QString AddressedDevice::ErrorText() const {
    return backend_ ? backend_->ErrorText() : QString();
}

bool AddressedDevice::Vanished() const {
    return backend_ && backend_->Vanished();
}

void AddressedDevice::SetArrivalHandler(std::function<void()> handler) {
    arrival_ = std::move(handler);
    if (backend_) {
        backend_->SetArrivalHandler(arrival_);
    }
}
