// Writes one data track from a stream to a drive with libburn and closes the
// disc: the same path for optical drives and "stdio:" image files.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "components/burner/LibburnLibrary.h"
#include "components/burner/StreamPatch.h"
#include "platform/Result.h"
#include "platform/Translation.h"

namespace burner {

// 1x DVD speed, in the kB/s (1000 bytes a second) that libburn counts in.
inline constexpr int kDvdSpeedKBps = 1385;

// The phase of the read-back after writing.
inline constexpr const char* kVerifyingPhase = QUORVA_TEXT("Burner", "Verifying disc ...");

struct WriteJob {
    std::string address;  // libburn drive address
    int sourceFd = -1;    // the image stream; the writer takes it over
    std::int64_t bytes = 0;
    // Read the disc back after writing and compare it with a checksum of the
    // stream taken while it was written.
    bool verify = false;
    // Bytes of the stream replaced on the way (checked as written).
    StreamPatch patch;
    int speedKBps = 0;  // the write speed; 0: the drive's best
};

struct WriteEvents {
    std::function<void(int percent)> progress;  // 1..99 as it grows
    // "Writing image ...", "Closing disc ...", "Verifying disc ..."
    std::function<void(const std::string&)> phase;
    // The drive has stopped; complete tells whether it took the whole
    // stream. Runs before the stream is dropped and before the read-back.
    std::function<void(bool complete)> writingEnded;
};

// A success when the disc was written, closed and (with verify) read back
// unchanged. Stops early when cancel becomes true.
platform::Result<void> WriteDisc(LibburnLibrary& library, const WriteJob& job,
                                 const WriteEvents& events, const std::atomic<bool>& cancel);

}  // namespace burner
