// Writes one data track from a stream to a drive with libburn and closes the
// disc: the same path for optical drives and "stdio:" image files.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "components/burner/LibburnLibrary.h"

namespace burner {

struct WriteJob {
    std::string address;  // libburn drive address
    int sourceFd = -1;    // the image stream; the writer takes it over
    std::int64_t bytes = 0;
};

struct WriteEvents {
    std::function<void(int percent)> progress;      // 1..99 as it grows
    std::function<void(const std::string&)> phase;  // "Writing ...", "Closing disc ..."
    // The drive has stopped; complete tells whether it took the whole
    // stream. Runs before the stream is dropped.
    std::function<void(bool complete)> writingEnded;
};

// Empty when the disc was written and closed, else the reason. Stops early
// when cancel becomes true.
std::string WriteDisc(LibburnLibrary& library, WriteJob job, const WriteEvents& events,
                      const std::atomic<bool>& cancel);

}  // namespace burner
