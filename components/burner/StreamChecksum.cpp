#include "components/burner/StreamChecksum.h"

#include <zlib.h>

#include <cstdio>

#include "components/burner/PassingSource.h"

namespace burner {

void StreamChecksum::Add(const void* data, std::size_t size) {
    std::lock_guard lock(mutex_);
    crc_ = static_cast<std::uint32_t>(
        crc32_z(crc_, static_cast<const Bytef*>(data), static_cast<z_size_t>(size)));
    bytes_ += static_cast<std::int64_t>(size);
}

std::uint32_t StreamChecksum::Crc() const {
    std::lock_guard lock(mutex_);
    return crc_;
}

std::int64_t StreamChecksum::Bytes() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

std::string StreamChecksum::ToString() const {
    char text[64];
    std::snprintf(text, sizeof text, "CRC-32 %08x of %lld bytes", static_cast<unsigned>(Crc()),
                  static_cast<long long>(Bytes()));
    return text;
}

bool SameData(const StreamChecksum& a, const StreamChecksum& b) {
    return a.Crc() == b.Crc() && a.Bytes() == b.Bytes();
}

burn::burn_source* NewChecksumSource(burn::burn_source* inner, StreamChecksum& sum) {
    return NewPassingSource(inner, [&sum](unsigned char* bytes, int count) {
        sum.Add(bytes, static_cast<std::size_t>(count));
    });
}

}  // namespace burner
