// tarnb: commissions a servo drive over a serial port or a device server.
#include "app/Startup.h"
#include "app/TApplication.h"
#include "link/AddressedDevice.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    return RunProgram(app, [] { CreateWindows(std::make_unique<AddressedDevice>()); });
}
