// Keeps libburn initialised while anyone holds it and serialises the calls
// that touch its process-wide drive table (scanning, grabbing, releasing).
#pragma once

#include <memory>
#include <mutex>
#include <string>

namespace burner {

class LibburnLibrary {
  public:
    // The shared library session; nullptr with *error set when libburn does
    // not start.
    static std::shared_ptr<LibburnLibrary> Acquire(std::string* error);
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
