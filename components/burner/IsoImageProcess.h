// genisoimage making the DVD-Video file system (UDF 1.02 bridge with
// ISO 9660, VIDEO_TS first and padded) of a DVD folder.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "platform/ChildProcess.h"
#include "platform/Result.h"

namespace burner {

// The arguments for a DVD folder (the folder that holds VIDEO_TS).
struct IsoImageRequest {
    std::string dvdFolder;
    std::string label;
};

// Runs "genisoimage -print-size": the image size in 2048-byte sectors.
platform::Result<std::int64_t> MeasureIsoImage(const IsoImageRequest& request);

// A running genisoimage that writes the image to a pipe.
class IsoImageProcess {
  public:
    // Starts the program; a failure when it cannot run.
    static platform::Result<std::unique_ptr<IsoImageProcess>> Start(const IsoImageRequest& request);
    ~IsoImageProcess();  // stops and reaps the program if still running
    IsoImageProcess(const IsoImageProcess&) = delete;
    IsoImageProcess& operator=(const IsoImageProcess&) = delete;

    // Hands over the read end of the image pipe (once; -1 afterwards).
    int TakeImageFd();
    // Waits up to grace for the program to end, then stops it. A success
    // when it ended by itself and succeeded.
    platform::Result<void> Finish(std::chrono::milliseconds grace = std::chrono::milliseconds(0));

  private:
    struct Key {};

  public:
    explicit IsoImageProcess(Key) {}

  private:
    std::unique_ptr<platform::ChildProcess> child_;
    int imageFd_ = -1;
    std::string errorText_;
    std::thread errorReader_;
    bool finished_ = false;
    platform::Result<void> result_;
};

}  // namespace burner
