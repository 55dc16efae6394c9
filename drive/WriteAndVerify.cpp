#include "drive/WriteAndVerify.h"

VerifyResult WriteAndVerify(DriveLink& link, const std::vector<ValueToWrite>& requests,
                            const ProgressCallback& progress, const StopRequest& stop) {
    VerifyResult result;
    for (const ValueToWrite& request : requests) {
        VerifiedWrite write;
        write.number = request.number;
        write.written = request.valueText;
        result.writes.push_back(write);
    }
    const int exchanges = 2 * static_cast<int>(requests.size());
    int done = 0;
    const auto step = [&] {
        ++done;
        if (progress)
            progress(done * 100 / exchanges);
    };
    const auto stopNow = [&] { return stop && (result.stopped = stop()); };

    std::size_t written = 0;
    for (; written < result.writes.size() && !stopNow(); ++written) {
        VerifiedWrite& write = result.writes[written];
        write.write = link.Write(write.number, write.written);
        step();
    }
    for (std::size_t i = 0; i < written && !stopNow(); ++i) {
        VerifiedWrite& write = result.writes[i];
        write.readBack = link.Read(write.number);
        write.readDone = true;
        step();
    }
    for (std::size_t i = 0; i < written; ++i)
        result.writes[i].outcome = JudgeWrite(result.writes[i]);
    return result;
}
