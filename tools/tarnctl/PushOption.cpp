#include "PushOption.h"
#include "TarnctlText.h"

#include "ExitCode.h"

namespace {
const QString kPush = QStringLiteral("push");
}

QCommandLineOption PushOption(const QString& description) {
    return QCommandLineOption(kPush, description, QStringLiteral("REMOTE"));
}

QString PushRemote(const Invocation& invocation) {
    const QString remote = invocation.Value(kPush);
    if (remote.startsWith(QLatin1Char('-'))) {
        throw UsageError(TarnctlText::tr("--push 要是遠端的名稱、網址或路徑：%1").arg(remote));
    }
    return remote;
}
