// The ISO 9660 primary volume descriptor of a disc image or drive: the
// volume label and the size the file system claims.
#pragma once

#include <cstdint>
#include <string>

namespace discchecker {

struct IsoVolume {
    std::string error;              // empty when a descriptor was found
    std::string label;              // without its padding
    std::int64_t sectors = 0;       // 2048-byte sectors the file system spans
    std::int64_t fileSectors = -1;  // sectors the file holds; -1 for a device
};

IsoVolume ReadIsoVolume(const std::string& path);

}  // namespace discchecker
