// tarnctl: the drive from the command line, for scripts, production lines
// and machines with several drives. Run `tarnctl --help`.
#include "CommandLine.h"
#include "Interrupt.h"
#include "core/Version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

QtMessageHandler consoleHandler = nullptr;

// While the GUI application starts: the platform's start-up notes (a
// missing runtime folder, say) are no message of tarnctl's, whose standard
// error carries its own lines only; errors still pass.
void StartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && consoleHandler) {
        consoleHandler(type, context, text);
    }
}

// A console application, but a GUI one for a command that sets text (a PDF
// report): fonts and the PDF writer belong to QtGui. It needs no display:
// without a platform named, the offscreen one is used.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (!CommandNeedsGui(arguments)) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    consoleHandler = qInstallMessageHandler(StartUpMessage);
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(consoleHandler);
    return app;
}

} // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // Many drives at once, each on its own thread, take and free memory at
    // every exchange; handing it back to the system each time (the C
    // library's default) flushed every thread's address cache, an eighth of
    // the CPU of a backup of 64 axes.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARN_VERSION));
    InstallInterruptHandler();
    return RunCommandLine(QCoreApplication::arguments());
}
