// A checksum of the image stream as it goes to the drive, and of the data
// read back from the disc afterwards: the two must agree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

namespace burn {
struct burn_source;
}

namespace burner {

// CRC-32 with the byte count. Safe to feed from one thread and read from
// another.
class StreamChecksum {
  public:
    void Add(const void* data, std::size_t size);
    std::uint32_t Crc() const;
    std::int64_t Bytes() const;
    // "CRC-32 1a2b3c4d of 1048576 bytes".
    std::string ToString() const;

  private:
    mutable std::mutex mutex_;
    std::uint32_t crc_ = 0;
    std::int64_t bytes_ = 0;
};

bool SameData(const StreamChecksum& a, const StreamChecksum& b);

// A libburn source that passes inner's data through and adds it to sum on the
// way; it holds a reference to inner. sum must outlive the source.
burn::burn_source* NewChecksumSource(burn::burn_source* inner, StreamChecksum& sum);

}  // namespace burner
