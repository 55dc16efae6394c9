#pragma once

#include "compare/VerifyResult.h"
#include "link/DriveLink.h"

// Writing chosen values to the drive and reading each one back, so the
// technician sees what the drive now holds rather than what was sent.
// All writes go first, in the order given, then one read-back per write:
// the read-backs show the drive after the whole run, so a write that
// changes a parameter written before it shows as well, and the writes keep
// the rhythm of a load. Touches no global record, so each thread may run it
// on a link of its own (a link is used from the thread that made it).

// Writes every request, then reads every one back, and judges each. A failed
// write does not stop the others. Progress goes from 0 to 100 over the
// writes and read-backs. Errors of the serial port (ECommError) pass
// through.
VerifyResult WriteAndVerify(DriveLink& link, const std::vector<ValueToWrite>& requests,
                            const ProgressCallback& progress, const StopRequest& stop = {});
