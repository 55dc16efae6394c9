// tarnb: commissions a servo drive over a serial port.
#include "app/Startup.h"
#include "app/TApplication.h"
#include "link/QtSerialDevice.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    return RunProgram(app, [] { CreateWindows(std::make_unique<QtSerialDevice>()); });
}
