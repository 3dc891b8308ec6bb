#include "components/burner/StreamPatch.h"

#include <algorithm>

#include "components/burner/PassingSource.h"

namespace burner {

StreamPatch IsoVolumeIdPatch(const std::string& id) {
    std::string bytes = id.substr(0, kIsoVolumeIdBytes);
    bytes.resize(kIsoVolumeIdBytes, ' ');
    return {kIsoVolumeIdOffset, bytes};
}

burn::burn_source* NewPatchingSource(burn::burn_source* inner, const StreamPatch& patch) {
    const std::int64_t patchEnd = patch.offset + static_cast<std::int64_t>(patch.bytes.size());
    return NewPassingSource(
        inner, [patch, patchEnd, passed = std::int64_t{0}](unsigned char* buffer, int got) mutable {
            const std::int64_t from = std::max(passed, patch.offset);
            const std::int64_t to = std::min(passed + got, patchEnd);
            for (std::int64_t at = from; at < to; ++at)
                buffer[at - passed] = static_cast<unsigned char>(patch.bytes[at - patch.offset]);
            passed += got;
        });
}

}  // namespace burner
