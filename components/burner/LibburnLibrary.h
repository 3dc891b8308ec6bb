// Keeps libburn initialised while anyone holds it and serialises the calls
// that touch its process-wide drive table (scanning, grabbing, releasing).
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include "platform/Result.h"

namespace burner {

class LibburnLibrary {
  public:
    // The shared library session; a failure when libburn does not start.
    static platform::Result<std::shared_ptr<LibburnLibrary>> Acquire();
    LibburnLibrary(const LibburnLibrary&) = delete;
    LibburnLibrary& operator=(const LibburnLibrary&) = delete;

    // Held around every change of libburn's drive table.
    std::mutex& DriveTableMutex() { return driveTable_; }

    // Empties libburn's message queue; returns its most severe recent
    // complaints joined by "; " (empty when there were none).
    std::string TakeMessages();

  private:
    LibburnLibrary() = default;
    std::mutex driveTable_;
};

}  // namespace burner
