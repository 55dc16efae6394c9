// tarnctl: the drive from the command line, for scripts, production lines
// and machines with several drives. Run `tarnctl --help`.
#include "CommandLine.h"
#include "Interrupt.h"
#include "core/Version.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARN_VERSION));
    InstallInterruptHandler();
    return RunCommandLine(QCoreApplication::arguments());
}
