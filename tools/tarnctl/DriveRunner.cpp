#include "DriveRunner.h"

#include "ExitCode.h"
#include "Interrupt.h"
#include "Output.h"
#include "TarnctlText.h"
#include "drive/Drive.h"

#include <QJsonArray>
#include <algorithm>

namespace {

// What ended a drive's run early, as its report tells it.
void FailWith(std::exception_ptr failure, DriveReport& report) {
    try {
        std::rethrow_exception(failure);
    } catch (const RunInterrupted& interrupted) {
        report.Fail(kExitInterrupted, interrupted.message);
    } catch (const TarnError& error) {
        // A port whose opening Ctrl-C cut short did not fail: it was stopped.
        report.Fail(InterruptRequested() ? int(kExitInterrupted) : ExitCodeOf(error), error.Text());
    } catch (const std::exception& error) {
        report.Fail(kExitDrive, QString::fromLocal8Bit(error.what()));
    }
}

int HighestExitCode(const std::vector<DriveReport>& reports) {
    int code = kExitSuccess;
    for (const DriveReport& report : reports) {
        code = std::max(code, report.exitCode);
    }
    return code;
}

void PrintErrors(const std::vector<DrivePort>& ports, const std::vector<DriveReport>& reports) {
    for (size_t i = 0; i < reports.size(); ++i) {
        for (const QString& message : reports[i].errors) {
            PrintErr(LineOf(ports[i].Label(), message));
        }
    }
}

} // namespace

void DriveReport::Fail(int code, const QString& message) {
    exitCode = std::max(exitCode, code);
    errors << message;
}

ParameterValues ReadWholeDrive(DriveSession& session, const QString& message) {
    return session.TheDrive().ReadAll(
        [&](int percent) { session.Progress(SheetProgress(TarnctlText::tr("讀取"), percent)); },
        [&](quint16, const QString&) {
            if (session.StopRequested()) {
                throw RunInterrupted{message};
            }
        });
}

std::optional<ParameterValues> ReadWholeDriveForSave(DriveSession& session, const QString& message,
                                                     DriveReport& report) {
    const ParameterValues values = ReadWholeDrive(session, message);
    if (NothingAnswered(ParametersWithoutValue(values))) {
        report.Fail(kExitDrive, NothingAnsweredMessage());
        return std::nullopt;
    }
    return values;
}

std::vector<DriveReport> RunOnDrives(const std::vector<DrivePort>& ports, const ReportingJob& job,
                                     size_t atOnce) {
    std::vector<DriveReport> reports(ports.size());
    GroupHooks hooks;
    hooks.stopRequested = InterruptRequested;
    if (ProgressShown()) {
        hooks.showProgress = [](const QString& line) {
            line.isEmpty() ? ClearProgressLine() : ShowProgressLine(line);
        };
    }
    hooks.failed = [&](size_t index, std::exception_ptr failure) {
        FailWith(failure, reports[index]);
    };
    RunOnDriveGroup(
        ports, [&](DriveSession& session) { job(session, reports[session.Index()]); }, hooks,
        atOnce);
    ClearProgressLine();
    return reports;
}

int PrintReports(const std::vector<DrivePort>& ports, const std::vector<DriveReport>& reports) {
    const bool prefix = ports.size() > 1;
    for (size_t i = 0; i < reports.size(); ++i) {
        for (const QString& line : reports[i].out) {
            PrintOut(prefix ? LineOf(ports[i].Label(), line) : line);
        }
    }
    PrintErrors(ports, reports);
    return HighestExitCode(reports);
}

int PrintReportsAsJson(const std::vector<DrivePort>& ports,
                       const std::vector<DriveReport>& reports) {
    QJsonArray drives;
    for (size_t i = 0; i < reports.size(); ++i) {
        QJsonObject drive = reports[i].json;
        drive.insert(QStringLiteral("port"), ports[i].Label());
        drive.insert(QStringLiteral("device"), ports[i].device);
        drive.insert(QStringLiteral("exitCode"), reports[i].exitCode);
        drive.insert(QStringLiteral("errors"), QJsonArray::fromStringList(reports[i].errors));
        drives << drive;
    }
    PrintJson(QJsonDocument(QJsonObject{{QStringLiteral("drives"), drives}}));
    PrintErrors(ports, reports);
    return HighestExitCode(reports);
}

QString SheetProgress(const QString& verb, int percent) {
    for (const SheetRange& range : kSheetRanges) {
        if (ProgressAfterSheet(range.sheetIndex) > percent) {
            return QStringLiteral("%1 Pn%2xx %3%").arg(verb).arg(range.sheetIndex).arg(percent);
        }
    }
    return QStringLiteral("%1 %2%").arg(verb).arg(percent);
}
