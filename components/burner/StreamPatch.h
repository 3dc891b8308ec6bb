// Bytes of an image stream replaced on their way to the drive: the ISO 9660
// volume id, which genisoimage cannot write apart from the UDF label.
#pragma once

#include <cstdint>
#include <string>

namespace burn {
struct burn_source;
}

namespace burner {

// Where the primary volume descriptor keeps the volume id, and its size.
inline constexpr std::int64_t kIsoVolumeIdOffset = 16 * 2048 + 40;
inline constexpr std::size_t kIsoVolumeIdBytes = 32;

struct StreamPatch {
    std::int64_t offset = 0;
    std::string bytes;  // empty: nothing replaced
};

// The patch that writes id, padded with spaces, as the ISO 9660 volume id.
StreamPatch IsoVolumeIdPatch(const std::string& id);

// A libburn source that passes inner's data through with patch applied; it
// holds a reference to inner.
burn::burn_source* NewPatchingSource(burn::burn_source* inner, const StreamPatch& patch);

}  // namespace burner
