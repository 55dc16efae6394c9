// tarn-bench: how close the exchanges and the long runs come to the
// protocol's own waits, what waiting costs in CPU, and how fast and small
// the program starts. Prints a Markdown table. Runs against the virtual
// drive on a pty through the real serial-port path; needs no display
// (it sets the offscreen platform itself).
#include "app/Startup.h"
#include "app/TMainForm.h"
#include "app/TStringGrid.h"
#include "app/WindowLanguage.h"
#include "bench/BackupRuns.h"
#include "bench/ReleaseRuns.h"
#include "bench/NetworkRuns.h"
#include "bench/Stats.h"
#include "bench/TarnctlRuns.h"
#include "bench/WebRuns.h"
#include "app/grid/TPmDataForm.h"
#include "app/MainDrive.h"
#include "drive/DriveTransfer.h"
#include "files/ParameterFile.h"
#include "link/DriveLink.h"
#include "app/connect/MainLink.h"
#include "link/QtSerialDevice.h"
#include "link/TMSComm.h"
#include "report/ReportBuilder.h"
#include "report/ReportFormat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

// The protocol's own waits, as the window program's link waits them.
constexpr double kReadFloorMs = LinkSettings{}.readWaitMs;
constexpr double kWriteFloorMs = LinkSettings{}.writeWaitMs;
constexpr int kExchangeRuns = 200;
constexpr int kSheetRuns = 5;
constexpr int kTransferRuns = 2;
constexpr int kWireRuns = 3;
constexpr int kStartRuns = 10;
constexpr int kReportWriteRuns = 5;
constexpr int kCommitRuns = 10;
constexpr int kWebSamples = 100;
constexpr int kOfflineRuns = 20;
constexpr int kSheet = 3;
constexpr int kSheetReads = 43; // Pn904, its two limits, Pn300..Pn339

QTextStream out(stdout);

struct Row {
    QString measure;
    int count;
    Summary s;
    QString unit;
    QString floor;
    QString target;
    bool met;
    int decimals = 1;
};
std::vector<Row> rows;

void Add(const QString& measure, const std::vector<double>& samples, const QString& unit,
         const QString& floor, const QString& target, bool met, int decimals = 1) {
    rows.push_back(
        {measure, int(samples.size()), Summarize(samples), unit, floor, target, met, decimals});
}

void Progress(const char* what) {
    std::fprintf(stderr, "... %s\n", what);
}

// Launches the program until it reports the connect dialog shown, several
// times, with its settings in `configHome`; wall time from start to that
// report.
std::vector<double> MeasureStartUp(const QString& configHome) {
    std::vector<double> samples;
    for (int i = 0; i < kStartRuns; ++i) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TARN_EXIT_WHEN_SHOWN", "1");
        env.insert("XDG_CONFIG_HOME", configHome);
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer clock;
        clock.start();
        program.start(TARN_PROGRAM, {});
        QByteArray seen;
        while (!seen.contains("SHOWN") && program.waitForReadyRead(10000))
            seen += program.readAllStandardOutput();
        const double ms = clock.nsecsElapsed() / 1e6;
        program.waitForFinished(10000);
        if (!seen.contains("SHOWN"))
            throw std::runtime_error("tarnb did not report the connect dialog shown");
        samples.push_back(ms);
    }
    return samples;
}

QString StartDrive(QProcess& drive) {
    drive.start(TARN_DRIVE_SIM, {"--format", "0"});
    QByteArray line;
    while (!line.contains('\n') && drive.waitForReadyRead(5000))
        line += drive.readAllStandardOutput();
    if (!line.startsWith("DEVICE "))
        throw std::runtime_error("the virtual drive did not name its device");
    return QString::fromLocal8Bit(line.mid(7, line.indexOf('\n') - 7)).trimmed();
}

template <typename F> std::vector<double> TimeEach(int runs, F&& exchange) {
    std::vector<double> samples;
    samples.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        exchange(i);
        samples.push_back(clock.nsecsElapsed() / 1e6);
    }
    return samples;
}

void ExchangeRow(const QString& name, const std::vector<double>& samples, double floor) {
    const double median = Summarize(samples).median;
    Add(name, samples, "ms", Fixed(floor, 0) + " ms", "median ≤ floor + 1 ms", median <= floor + 1,
        2);
}

int WritesMeant(const ParameterValues& values) {
    int count = 0;
    for (int slot = 0; slot < int(values.size()); ++slot) {
        const QString& v = values[size_t(slot)];
        if (!v.isEmpty() && v != "None")
            ++count;
    }
    return count;
}

// 匯出報告 without its windows: the save's 309 reads, then the report built
// and written as a PDF (the slowest of the three), in seconds; and the
// writing alone in each format, from the values of the last run.
void MeasureReports(DriveLink& link, const QString& port, const QString& device) {
    QTemporaryDir dir;
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder for the reports");
    ParameterValues values;
    const auto whole = TimeEach(kTransferRuns, [&](int) {
        values = ReadAllParameters(link, [](int) {});
        WriteReport(BuildReport(DriveSource(port, device, link.ReplyFormat()), values),
                    dir.filePath("drive.pdf"), ReportFormat::Pdf);
    });
    std::vector<double> seconds;
    for (double ms : whole)
        seconds.push_back(ms / 1000);
    const double floorS = 309 * kReadFloorMs / 1000;
    Add("report of a drive, 309 reads + PDF", seconds, "s", Fixed(floorS, 2) + " s (309 × 40 ms)",
        "≤ floor + 1 s", Summarize(seconds).max <= floorS + 1, 2);
    const ReportSource source = DriveSource(port, device, link.ReplyFormat());
    const struct {
        const char* name;
        ReportFormat format;
    } formats[] = {
        {"PDF", ReportFormat::Pdf}, {"HTML", ReportFormat::Html}, {"CSV", ReportFormat::Csv}};
    for (const auto& f : formats) {
        const auto writes = TimeEach(kReportWriteRuns, [&](int) {
            WriteReport(BuildReport(source, values), dir.filePath("r"), f.format);
        });
        Add(QStringLiteral("report built and written, %1").arg(f.name), writes, "ms", "—",
            "(beside the reads)", true, 1);
    }
}

// 離線編輯檔案 without its dialog: the file read and checked whole, the
// values stored with their derived records, and the grid set up on Pn0xx.
void MeasureOfflineOpen(const ParameterValues& values) {
    QTemporaryDir dir;
    if (!dir.isValid())
        throw std::runtime_error("no temporary folder for the file");
    const QString path = dir.filePath("offline.tarn");
    WriteParameterFile(path, values);
    const auto opens = TimeEach(kOfflineRuns, [&](int) { MainForm->OpenOffline(path); });
    if (MainForm->grdPnxxxSheet->RowCount() < 2 || !MainForm->Offline())
        throw std::runtime_error("the offline open showed no sheet");
    Add("offline open of a file (check, records, Pn0xx grid)", opens, "ms", "—", "< 100 ms",
        Summarize(opens).max < 100, 2);
}

void PrintTable() {
    out << "| Measure | n | min | median | p95 | max | floor | target | result |\n";
    out << "|---|---:|---:|---:|---:|---:|---|---|---|\n";
    for (const Row& r : rows) {
        const auto f = [&](double v) { return Fixed(v, r.decimals); };
        out << "| " << r.measure << " (" << r.unit << ") | " << r.count << " | " << f(r.s.min)
            << " | " << f(r.s.median) << " | " << f(r.s.p95) << " | " << f(r.s.max) << " | "
            << r.floor << " | " << r.target << " | " << (r.met ? "met" : "**MISSED**") << " |\n";
    }
    out.flush();
}

std::vector<double> Ratios(const std::vector<double>& samples, double divisor) {
    std::vector<double> ratios;
    for (const double sample : samples)
        ratios.push_back(sample / divisor);
    return ratios;
}

// tarnctl as a script runs it: the process's whole life, greeting included.
void TarnctlRows(const TarnctlTimes& times) {
    const double saveFloor = 310 * kReadFloorMs / 1000;                   // greeting + 309 reads
    const double loadFloor = (kReadFloorMs + 307 * kWriteFloorMs) / 1000; // greeting + 307 writes
    const double changedFloor = (310 * kReadFloorMs + 10 * kWriteFloorMs) / 1000 / loadFloor;
    const double one = Summarize(times.saveOne).median;
    const double full = Summarize(times.loadFull).median;
    Add("tarnctl save, one drive", times.saveOne, "s", "310 × 40 ms", "≤ 1.03 × floor",
        Summarize(times.saveOne).max <= 1.03 * saveFloor, 2);
    const auto four = Ratios(times.saveFour, one);
    Add("tarnctl save, four drives at once", four, "× one drive", "1", "≤ 1.3",
        Summarize(four).max <= 1.3, 3);
    Add("tarnctl load, 307 writes", times.loadFull, "s", "40 ms + 307 × 50 ms", "≤ 1.03 × floor",
        Summarize(times.loadFull).max <= 1.03 * loadFloor, 2);
    const auto changed = Ratios(times.loadChanged, full);
    Add("tarnctl load --changed-only, 10 differ", changed, "× full load",
        Fixed(changedFloor, 3) + " (310 reads + 10 writes)", "≤ 1.03 × floor",
        Summarize(changed).max <= 1.03 * changedFloor, 3);
}

// Reply timing and the network transport (see NetworkRuns).
void NetworkRows(const NetworkTimes& t) {
    const double readMedian = Summarize(t.replyReadMs).median;
    Add("reply read", t.replyReadMs, "ms", Fixed(t.readFloorMs, 2) + " ms (2 ms + 13 × 1.04 ms)",
        "median ≤ 1.15 × floor", readMedian <= 1.15 * t.readFloorMs, 2);
    Add(QStringLiteral("reply save of 309 parameters, files %1")
            .arg(t.filesIdentical ? "byte-identical" : "**DIFFER**"),
        t.saveRatio, "× fixed save", "—", "≤ 0.70",
        Summarize(t.saveRatio).max <= 0.70 && t.filesIdentical, 3);
    Add(QStringLiteral("reply load of 307 writes, drive states %1")
            .arg(t.statesIdentical ? "identical" : "**DIFFER**"),
        t.loadRatio, "× fixed load", "—", "≤ 0.65",
        Summarize(t.loadRatio).max <= 0.65 && t.statesIdentical, 3);
    Add("reply save through ser2net, raw", t.rawRatio, "× over the pty", "1", "≤ 1.25",
        Summarize(t.rawRatio).max <= 1.25, 3);
    Add("reply save through ser2net, RFC 2217", t.rfc2217Ratio, "× over the pty", "1", "≤ 1.25",
        Summarize(t.rfc2217Ratio).max <= 1.25, 3);
    Add("reply save, 16 drives at once (8 pty, 8 ser2net)", t.sixteenRatio, "× slower single drive",
        "1", "≤ 1.3", Summarize(t.sixteenRatio).max <= 1.3, 3);
    Add("CPU while a reply save waits", t.cpuShare, "% of one core", "—", "≤ 5 %",
        Summarize(t.cpuShare).max <= 5, 2);
}

// The reply rule and the trace (see MeasureWire).
void WireRows(const WireTimes& t) {
    Add(QStringLiteral("reply save, stale frames skipped, files %1")
            .arg(t.filesIdentical ? "byte-identical" : "**DIFFER**"),
        t.saveRatio, "× fixed save, same run", "—", "≤ 0.40",
        Summarize(t.saveRatio).max <= 0.40 && t.filesIdentical, 3);
    Add(QStringLiteral("reply save with --trace (%1 lines)").arg(t.traceLines), t.traceRatio,
        "× the same save without", "1", "≤ 1.02", Summarize(t.traceRatio).max <= 1.02, 3);
    Add("CPU during a reply save, trace observer on", t.cpuShare, "% of one core", "—", "≤ 5 %",
        Summarize(t.cpuShare).max <= 5, 2);
}

// Plant backups into git (see BackupRuns).
void BackupRows(const BackupTimes& t) {
    Add("backup of 16 axes (8 pty, 8 ser2net), reply timing", t.sixteenRatio,
        "× one axis's save", "1", "≤ 1.3", Summarize(t.sixteenRatio).max <= 1.3, 3);
    Add("the commit itself (16 files)", t.commitSeconds, "s", "—", "≤ 0.2 s",
        Summarize(t.commitSeconds).max <= 0.2, 3);
    Add(QStringLiteral("unchanged backup, %1").arg(t.unchangedCommitted ? "**COMMITTED**" : "no commit"),
        t.unchangedRatio, "× save of the 16", "1", "≤ 1.1",
        Summarize(t.unchangedRatio).max <= 1.1 && !t.unchangedCommitted, 3);
}

// A whole plant's worth of axes in one backup (see MeasureWideBackup).
void WideBackupRows(const WideBackupTimes& t) {
    Add(QStringLiteral("backup of 64 axes (32 pty, 32 ser2net), reply timing, %1")
            .arg(t.failedAxes ? QStringLiteral("**%1 AXES FAILED**").arg(t.failedAxes)
                              : QStringLiteral("every axis read")),
        t.ratio, "× one axis's save", "1", "≤ 1.5",
        Summarize(t.ratio).max <= 1.5 && t.failedAxes == 0, 3);
    Add("peak RSS of tarnctl backing up 64 axes", t.peakMb, "MB", "—", "≤ 150 MB",
        Summarize(t.peakMb).max <= 150, 1);
    Add("CPU of that tarnctl (64 reads at once)", t.cpuShare, "% of one core", "—", "(seen)", true,
        0);
}

void WebRows(const WebTimes& t) {
    Add("web: repository of 64 axes × 1,000 backups written (git fast-import), run log and release",
        {t.makeSeconds}, "s", "—", "(set-up)", true, 1);
    Add("web: first page after start (1,000 commits walked)", {t.firstRequestMs}, "ms", "—",
        "(once)", true, 0);
    Add("web: plant page", t.plantMs, "ms", "—", "p95 ≤ 50 ms", Summarize(t.plantMs).p95 <= 50, 1);
    Add("web: axis page", t.axisMs, "ms", "—", "p95 ≤ 50 ms", Summarize(t.axisMs).p95 <= 50, 1);
    Add("web: history page (50 rows)", t.historyMs, "ms", "—", "p95 ≤ 100 ms",
        Summarize(t.historyMs).p95 <= 100, 1);
    Add(QStringLiteral("web: 100 clients for 10 s, %1 errors").arg(t.loadErrors), t.loadMs, "ms",
        "—", "0 errors, p95 ≤ 200 ms", t.loadErrors == 0 && Summarize(t.loadMs).p95 <= 200, 1);
    Add("web: server memory after the load", {t.serverRssMb}, "MB", "—", "≤ 100 MB",
        t.serverRssMb <= 100, 1);
}

// Released settings and health read back (see ReleaseRuns).
void RepositoryRows(const RepositoryTimes& t) {
    Add("drift, 64 axes × 1,000 backups", t.driftSeconds, "s", "—", "≤ 1 s",
        Summarize(t.driftSeconds).max <= 1, 2);
    Add("status, the same (64,000 run-log lines)", t.statusSeconds, "s", "—", "≤ 0.5 s",
        Summarize(t.statusSeconds).max <= 0.5, 2);
    Add("query of one parameter over 64 axes", t.querySeconds, "s", "—", "≤ 0.5 s",
        Summarize(t.querySeconds).max <= 0.5, 2);
}

// The window program's rows, over one virtual drive.
void RunWindow() {
    Progress("start-up, in Chinese and in English");
    // Settings folders of the runs' own: one empty (Chinese, the default),
    // one with English chosen as the program's 語言 menu remembers it.
    QTemporaryDir chineseHome, englishHome;
    {
        const QString benchName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("TARN/B"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, englishHome.path());
        SaveLanguage(Language::English);
        QCoreApplication::setApplicationName(benchName);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, chineseHome.path());
    }
    const std::vector<double> startUp = MeasureStartUp(chineseHome.path());
    const std::vector<double> startUpEnglish = MeasureStartUp(englishHome.path());
    const double englishRatio = Summarize(startUpEnglish).median / Summarize(startUp).median;
    const double childRss = PeakRssMb(true);

    QProcess drive;
    const QString device = StartDrive(drive);
    qputenv("TARN_COM7", device.toLocal8Bit());
    CreateWindows(std::make_unique<QtSerialDevice>());
    if (MainDrive().Open(DrivePort::Com(7), LinkSettings{}) != 0)
        throw std::runtime_error("the virtual drive did not answer the greeting");

    Progress("exchanges");
    const auto reads = TimeEach(kExchangeRuns, [](int) {
        if (ReadParameter(904).isEmpty())
            throw std::runtime_error("a read was not answered");
    });
    const auto greetings = TimeEach(kExchangeRuns, [](int) { ReplyFormat = MainDrive().Greet(); });
    const auto writes = TimeEach(kExchangeRuns, [](int i) {
        if (MainDrive().Link().Write(101, i % 2 ? "0005" : "0004") != WriteOutcome::Written)
            throw std::runtime_error("a write was not confirmed");
    });
    ExchangeRow("read", reads, kReadFloorMs);
    ExchangeRow("greeting", greetings, kReadFloorMs);
    ExchangeRow("write", writes, kWriteFloorMs);

    Progress("sheet read and fill");
    std::vector<double> fills;
    const auto sheetReads = TimeEach(kSheetRuns, [&](int) { MainDrive().ReadSheet(kSheet); });
    // Into the main window's grid, which stays hidden here: no painting.
    fills = TimeEach(kSheetRuns, [](int) { PmDataForm->FillSheet(kSheet); });
    if (MainForm->grdPnxxxSheet->RowCount() < 2)
        throw std::runtime_error("the sheet fill wrote no rows");
    const double sheetFloor = kSheetReads * kReadFloorMs;
    const double sheetMedian = Summarize(sheetReads).median;
    Add("Pn3xx sheet read", sheetReads, "ms", Fixed(sheetFloor, 0) + " ms (43 × 40)",
        "≤ 1.03 × floor", sheetMedian <= 1.03 * sheetFloor);
    Add("Pn3xx sheet fill", fills, "ms", "—", "(beside the read)", true, 2);

    Progress("save and load");
    std::vector<double> saveRatios, loadRatios, cpuShares;
    ParameterValues values;
    for (int i = 0; i < kTransferRuns; ++i) {
        const double cpuBefore = CpuSeconds();
        QElapsedTimer clock;
        clock.start();
        values = ReadAllParameters(MainDrive().Link(), [](int) {});
        const double ms = clock.nsecsElapsed() / 1e6;
        cpuShares.push_back((CpuSeconds() - cpuBefore) * 1000 / ms * 100);
        saveRatios.push_back(ms / (309 * kReadFloorMs));
    }
    for (int i = 0; i < kTransferRuns; ++i) {
        QElapsedTimer clock;
        clock.start();
        const LoadResult result = WriteAllParameters(MainDrive().Link(), values, [](int) {});
        const double ms = clock.nsecsElapsed() / 1e6;
        if (!result.complete)
            throw std::runtime_error("a load stopped before its end");
        loadRatios.push_back(ms / (307 * kWriteFloorMs));
    }
    if (WritesMeant(values) < 307)
        std::fprintf(stderr, "note: only %d values were meant to be written\n",
                     WritesMeant(values));
    Add("save, 309 reads", saveRatios, "× floor", "309 × 40 ms", "≤ 1.03 × floor",
        Summarize(saveRatios).max <= 1.03, 4);
    Add("load, 307 writes", loadRatios, "× floor", "307 × 50 ms", "≤ 1.03 × floor",
        Summarize(loadRatios).max <= 1.03, 4);
    Add("CPU while a save waits", cpuShares, "% of one core", "—", "≤ 5 %",
        Summarize(cpuShares).max <= 5, 2);
    Add("start-up to connect dialog shown", startUp, "ms", "—", "< 500 ms",
        Summarize(startUp).median < 500, 0);
    Add("start-up with English chosen", startUpEnglish, "ms", "—", "—", true, 0);
    Add("start-up, English ÷ Chinese (medians)", {englishRatio}, "×", "—", "≤ 1.1 ×",
        englishRatio <= 1.1, 2);
    Add("peak RSS of tarnb", {childRss}, "MB", "—", "< 100 MB", childRss < 100);
    const double selfRss = PeakRssMb(false);
    Add("peak RSS of the bench (windows + save/load)", {selfRss}, "MB", "—", "< 100 MB",
        selfRss < 100);

    // After the memory row: the PDF writer's fonts are no part of a save.
    Progress("reports");
    MeasureReports(MainDrive().Link(), QStringLiteral("COM7"), device);

    // Last with the windows: the main drive gives up its link for good.
    Progress("offline open");
    MeasureOfflineOpen(values);

    DestroyWindows();
    drive.terminate();
    drive.waitForFinished(3000);
}

void Run() {
    RunWindow();

    Progress("tarnctl save and load");
    TarnctlRows(MeasureTarnctl(kTransferRuns));

    Progress("reply timing and ser2net");
    NetworkRows(MeasureNetwork(kTransferRuns, kExchangeRuns));

    Progress("reply rule and trace");
    WireRows(MeasureWire(kWireRuns));

    Progress("plant backup into git");
    BackupRows(MeasureBackup(kTransferRuns, kCommitRuns));
    WideBackupRows(MeasureWideBackup(kTransferRuns));

    Progress("drift, status and query over 1,000 backups");
    RepositoryRows(MeasureRepository(kCommitRuns));

    Progress("the plant in a browser (tarnctl serve)");
    WebRows(MeasureWeb(kWebSamples));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        // --backup: the plant backup rows alone (about a minute and a half).
        if (app.arguments().contains(QStringLiteral("--backup"))) {
            BackupRows(MeasureBackup(kTransferRuns, kCommitRuns));
            WideBackupRows(MeasureWideBackup(kTransferRuns));
            RepositoryRows(MeasureRepository(kCommitRuns));
        }
        // --backup-64: the backup of 64 axes alone (about half a minute).
        else if (app.arguments().contains(QStringLiteral("--backup-64")))
            WideBackupRows(MeasureWideBackup(kTransferRuns));
        // --rig N: N drives as the wide backup has them, until stdin closes.
        else if (const qsizetype at = app.arguments().indexOf(QStringLiteral("--rig")); at > 0)
            HoldRig(app.arguments().value(at + 1, QStringLiteral("64")).toInt());
        // --repository: drift, status and query alone (about ten seconds).
        else if (app.arguments().contains(QStringLiteral("--repository")))
            RepositoryRows(MeasureRepository(kCommitRuns));
        // --web: the web view's rows alone (about half a minute).
        else if (app.arguments().contains(QStringLiteral("--web")))
            WebRows(MeasureWeb(kWebSamples));
        // --window: the window program's rows alone (about two minutes).
        else if (app.arguments().contains(QStringLiteral("--window")))
            RunWindow();
        // --wire: the reply rule and trace rows alone (about two minutes).
        else if (app.arguments().contains(QStringLiteral("--wire")))
            WireRows(MeasureWire(kWireRuns));
        else
            Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarn-bench: %s\n", error.what());
        return 1;
    }
    PrintTable();
    return 0;
}
