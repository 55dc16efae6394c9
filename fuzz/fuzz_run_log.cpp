// The run-log reader against arbitrary bytes. Beside crashes and sanitizer
// reports it checks what status relies on: every line that is not blank is
// either a record or named as bad, never both and never neither; and a
// record written back reads back the same.
#include "backup/RunLog.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Finding(const char* what) {
    std::fprintf(stderr, "FINDING: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const RunLog log = ParseRunLog(input);
    qsizetype lines = 0;
    for (const QByteArray& line : input.split('\n')) {
        lines += line.trimmed().isEmpty() ? 0 : 1;
    }
    if (qsizetype(log.records.size() + log.badLines.size()) != lines) {
        Finding("a line neither read nor named as bad");
    }
    for (const RunRecord& record : log.records) {
        const RunLog again = ParseRunLog(record.JsonLine());
        if (again.records.size() != 1 || again.records[0].axis != record.axis ||
            again.records[0].state != record.state || again.records[0].commit != record.commit ||
            again.records[0].time != record.time) {
            Finding("a record does not read back as written");
        }
    }
    return 0;
}
