// Writes a sample report in all three formats into the folder given, to
// look at; not a test, built on demand (scripts/screenshots.sh).
#include "catalogue/SheetRanges.h"
#include "report/ReportBuilder.h"
#include "report/ReportFormat.h"

#include <QDir>
#include <QGuiApplication>
#include <QTimeZone>
#include <cstdio>

namespace {
// A drive as a technician might leave it: mostly values within their rules,
// one value out of range, one reply in the wrong form, one missing.
ParameterValues SampleValues() {
    ParameterValues values;
    values.fill(QStringLiteral("0000"));
    const std::pair<quint16, const char*> settings[] = {
        {0, "0010"},   {1, "001F"},   {2, "0032"},   {3, "None"},   {100, "01F4"}, {101, "0064"},
        {102, "0190"}, {103, "01F4"}, {104, "0064"}, {105, "0190"}, {108, "0064"}, {109, "0012"},
        {114, "0011"}, {200, "0110"}, {202, "0001"}, {203, "0001"}, {204, "0001"}, {205, "0001"},
        {206, "0001"}, {211, "0800"}, {304, "01F4"}, {305, "FE0C"}, {306, "03E8"}, {338, "0001"},
        {339, "0001"}, {340, "0001"}, {406, "0BB8"}, {407, "F448"}, {409, "0001"}, {410, "0001"},
        {412, "0001"}, {413, "0001"}, {501, "00C8"}, {503, "00C8"}, {505, "00C8"}, {512, "0102"},
        {525, "0011"}, {526, "0021"}, {527, "0031"}, {604, "0001"}, {605, "0001"}, {607, "0001"},
        {609, "0002"}, {620, "0001"}, {621, "0001"}, {623, "0001"}, {624, "0001"}, {627, "0001"},
        {631, "0001"}, {632, "0001"}, {707, "0064"}, {709, "0001"}, {714, "0001"}, {719, "0001"},
        {720, "0001"}, {721, "0001"}, {904, "0BB8"}, {950, ""},
    };
    for (const auto& [number, text] : settings)
        values[SlotOf(number)] = QString::fromLatin1(text);
    return values;
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: report_shots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    ReportSource source = DriveSource(QStringLiteral("COM1"), QStringLiteral("/dev/ttyS0"), 1);
    source.time = QDateTime(QDate(2024, 5, 1), QTime(14, 3, 27), QTimeZone(8 * 3600));
    const ReportHandover handover{QStringLiteral("M-7 捲繞機"), QStringLiteral("X 軸"),
                                  QStringLiteral("大成機械"), QStringLiteral("林志明"),
                                  QStringLiteral("增益依現場負載調整。\n煞車時間待客戶確認。")};
    // The settings agreed before the visit, from which a few were changed.
    ReportReference reference{QStringLiteral("M-7-agreed.tarn"), QString(), SampleValues()};
    reference.sha256 = QStringLiteral("9f2c4e0d6b1a83f57c2e90d4a6b8c1e3f5a7092b4d6e8f0a1c3e5b7d9f1a3c5e");
    const std::pair<quint16, const char*> agreed[] = {
        {100, "0190"}, {108, "00C8"}, {304, "03E8"}, {3, "0000"}, {950, "0000"}};
    for (const auto& [number, text] : agreed)
        reference.values[SlotOf(number)] = QString::fromLatin1(text);
    const ReportModel model = BuildReport(source, SampleValues(), handover, reference);
    for (const char* name : {"report.pdf", "report.html", "report.csv"})
        WriteReport(model, folder.filePath(QString::fromLatin1(name)));
    // The same in English, for the customer's maintenance staff (the
    // handover fields stay as the technician typed them).
    WriteReport(BuildReport(source, SampleValues(), handover, reference, Language::English),
                folder.filePath(QStringLiteral("report-en.pdf")));
    return 0;
}
